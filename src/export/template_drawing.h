#pragma once

#include "scene/scene.h"

#include <functional>
#include <string>
#include <vector>

namespace exporter {

/// One printable template (a gore, a polar plate, a face).
struct TemplateDrawing
{
    std::string name;    ///< file name without extension, after the window's naming rule
    std::string svgName; ///< SVG file name without extension; empty: `name`
    std::string caption; ///< what it is, for page labels and progress: "gore 3 of 8, north"
    scene::Scene scene;  ///< the template in centimetres, sized as the window's canvas takes it
    std::size_t number = 0, count = 0; ///< its place in the export, from 1, and how many the export makes
};

/// The equinox of the stars' and the sky layers' coordinates, which every template's label names.
inline constexpr const char* kEquinox = "J2000";

/// What the template's label says: its caption and the equinox, "gore 3 of 8, north, J2000".
inline std::string templateTitle(const TemplateDrawing& t) { return t.caption + ", " + kEquinox; }

using TemplateList = std::vector<TemplateDrawing>;

/// Takes each template as soon as it is drawn, in output order.
using TemplateSink = std::function<void(TemplateDrawing&&)>;

/// `name` without its last extension ("a.b.bmp" → "a.b").
std::string stripExtension(const std::string& name);

/// Throws text::InputError saying `reason` of the command-line option `option` as the user
/// typed it: option --radius "abc": "abc" is not a number.
[[noreturn]] void refuseOption(const std::string& option, const std::string& typed, const std::string& reason);

} // namespace exporter
