#include "sky/constellation_lines.h"

namespace sky {

std::vector<ConstellationPath> parseConstellationLines(std::string_view content, std::string_view fileLabel)
{
    return readConstellationPaths(parseCsvTable(content, fileLabel, kConstellationLinesColumns), "polyline", 2);
}

std::vector<ConstellationPath> readConstellationLines(const std::string& path)
{
    return parseConstellationLines(readDataFile(path), path);
}

} // namespace sky
