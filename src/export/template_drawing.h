#pragma once

#include "scene/scene.h"

#include <string>
#include <vector>

namespace exporter {

/// One printable template (a gore, a polar plate, a face) as its core command built it.
struct TemplateDrawing {
    std::string name;    ///< file name without extension, after the window's naming rule
    std::string svgName; ///< SVG file name without extension; empty: `name`
    std::string caption; ///< what it is, for page labels and progress: "gore 3 of 8, north"
    scene::Scene scene;  ///< the template, in centimetres; scene.width/height are the canvas size as the window takes it (snapped to 96-dpi pixels)
};
using TemplateList = std::vector<TemplateDrawing>;

} // namespace exporter
