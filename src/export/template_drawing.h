#pragma once

#include "canvas/recording_canvas.h"

#include <string>
#include <utility>
#include <vector>

namespace exporter {

/// One printable template (a gore, a polar plate, a face) as drawn by its core command.
struct TemplateDrawing
{
    std::string name;    ///< file name without extension, after the window's naming rule
    std::string svgName; ///< SVG file name without extension (faces add 内 or 外); empty: `name`
    std::string caption; ///< what it is, for page labels and progress: "gore 3 of 8, north"
    canvas::RecordingCanvas drawing; ///< every call the command made, in centimetres
};

using TemplateList = std::vector<TemplateDrawing>;

/// A box caption of the window and the command-line option that stands for it.
using CaptionOption = std::pair<std::string, std::string>;

/// The option whose caption comes first in `message`, or `fallback` when none is named.
std::string optionNamedIn(const std::string& message, const std::vector<CaptionOption>& captions,
                          const std::string& fallback);

} // namespace exporter
