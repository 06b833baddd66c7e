#pragma once

#include "sky/constellation_path.h"

#include <string>
#include <string_view>
#include <vector>

namespace sky {

/// Columns of constellation-bounds.csv: one boundary vertex a record.
inline const std::vector<std::string> kConstellationBoundsColumns{"constellation", "part", "point", "lambda", "phi"};

/// Reads constellation-bounds.csv: each constellation's boundary as closed outlines (the last
/// point repeats the first; Serpens has two parts), to be drawn edge by edge with boundaryEdge.
/// Throws text::InputError naming the file, line and field for any fault, an outline of fewer
/// than four points or one that does not close.
std::vector<ConstellationPath> readConstellationBounds(const std::string& path);

/// As readConstellationBounds on text already in memory; `fileLabel` names it in messages.
std::vector<ConstellationPath> parseConstellationBounds(std::string_view content, std::string_view fileLabel);

} // namespace sky
