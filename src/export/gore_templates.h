#pragma once

#include "export/export_options.h"
#include "export/template_drawing.h"
#include "gore/gore_command.h"

#include <functional>
#include <string>

namespace exporter {

/// Told the caption of each template as soon as it is drawn.
using DrawnFn = std::function<void(const std::string& caption)>;

/// The gore command's inputs for gore `k` (the text as typed) of one hemisphere (1 north, 0 south).
gore::GoreInputs goreInputsFor(const GoreOptions& o, const std::string& k, int hemisphere);

/// The option a message of the gore command is about ("--n" for 分割数 n…), or "--stars"
/// when it names no box.
std::string goreOptionOf(const std::string& message);

/// Draws every gore and plate `o` asks for through gore::runGoreDraw, each on its own
/// recording canvas: gores north before south, then the plates (north, south). With --k all a plate
/// gathers the stars of all n gores around one cutting circle. Throws text::InputError,
/// its message naming the option and its value, when the gore command refuses.
TemplateList drawGoreTemplates(const GoreOptions& o, const std::string& starFile, const DrawnFn& drawn = {});

} // namespace exporter
