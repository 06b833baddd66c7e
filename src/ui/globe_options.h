#pragma once

#include "export/export_options.h"
#include "sky/sky_layer_options.h"
#include "ui/tab_inputs.h"

#include <string>
#include <vector>

namespace ui {

/// The export the globe dialog starts with from the gore tab: its boxes as typed (the decimal
/// point made "."), every gore of the northern hemisphere, the plates the tab ticks, the stars
/// picked (empty: the bundled catalogue) and the drawing window's sky layers.
exporter::ExportOptions goreTabExport(const GoreInputs& tab, const std::string& starFile,
                                      const sky::SkyLayerOptions& sky);

/// The export the globe dialog starts with from the polyhedron tab: its boxes as typed, every
/// face of the model loaded (the bundled truncated icosahedron while the tab has none).
exporter::ExportOptions faceTabExport(const FaceInputs& tab, const std::string& vertexFile,
                                      const std::string& faceFile, const std::string& starFile,
                                      const sky::SkyLayerOptions& sky);

/// The orbweave-export command line (after the program name) that makes the same files as
/// exporter::exportTemplates(`o`): every option spelt out, --quiet last.
std::vector<std::string> exportArguments(const exporter::ExportOptions& o);

/// The --layers value of `kinds`: "print,cut,score,marks" in that order, those present.
std::string layersArgument(const std::set<scene::LayerKind>& kinds);

} // namespace ui
