#pragma once

#include "sky/constellation_path.h"

#include <string>
#include <string_view>
#include <vector>

namespace sky {

/// Columns of constellation-lines.csv: one figure vertex a record.
inline const std::vector<std::string> kConstellationLinesColumns{"constellation", "polyline", "point", "lambda", "phi"};

/// Reads constellation-lines.csv: the stick-figure polylines in file order, each of at least
/// two vertices (stars) to be joined by great-circle arcs. Throws text::InputError naming the
/// file, line and field for any fault (see readConstellationPaths and parseCsvTable).
std::vector<ConstellationPath> readConstellationLines(const std::string& path);

/// As readConstellationLines on text already in memory; `fileLabel` names it in messages.
std::vector<ConstellationPath> parseConstellationLines(std::string_view content, std::string_view fileLabel);

} // namespace sky
