#pragma once

#include "export/export_options.h"
#include "export/kit_finish.h"
#include "render/template_drawing.h"
#include "gore/gore_command.h"
#include "gore/gore_parameters.h"
#include "sky/sky_data.h"
#include "stars/star_catalogue.h"

#include <string>

namespace exporter {

/// What the gore Draw reads for gore `k` of one hemisphere (1 north, 0 south) of `o`.
gore::GoreSpec goreSpecFor(const GoreOptions& o, const std::string& k, int hemisphere);

/// The gore parameters of `o` for gore `k` of one hemisphere, checked as the window checks
/// them. Throws text::InputError naming the option and the value as typed.
gore::GoreParameters goreParametersFor(const GoreOptions& o, const std::string& k, int hemisphere);

/// Draws every gore and plate `o` asks for from `catalogue` (read from `starFile`) and hands
/// each to `sink`: gores north before south (or each pole to pole), then the plates (north,
/// south). With --k all a plate holds every star whose own gore puts it there. Finished as
/// `finish` says: pieces of a kit with room kept round them, or the window's drawings. Drawn on
/// `work.threads` threads a few ahead and handed over in order, the same whatever the threads; the layers `sky` asks for go under the stars.
/// Throws text::InputError naming the option (of `o` or `kitOptions`), in the order a single
/// loop would meet it.
void drawGoreTemplates(const GoreOptions& o, const stars::StarCatalogue& catalogue, const std::string& starFile,
                       const TemplateSink& sink, const KitFinish& finish = {}, const KitOptions& kitOptions = {},
                       const sky::SkyRequest& sky = {}, const DrawingWork& work = {});

/// As above, reading `starFile` and keeping every template.
TemplateList drawGoreTemplates(const GoreOptions& o, const std::string& starFile, const KitFinish& finish = {},
                               const KitOptions& kitOptions = {}, const sky::SkyRequest& sky = {},
                               const DrawingWork& work = {});

/// The star file at `path` for the option --stars. Throws text::InputError naming the option.
stars::StarCatalogue readStarsOption(const std::string& path);

} // namespace exporter
