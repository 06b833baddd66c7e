#include "sky/sky_data.h"

#include "sky/constellation_bounds.h"
#include "sky/constellation_lines.h"

#include <filesystem>

namespace sky {

SkyData loadSkyData(const std::string& folder, const SkyLayerOptions& options)
{
    const auto file = [&folder](const char* name) { return (std::filesystem::path(folder) / name).string(); };
    SkyData data;
    if (options.figures || options.names)
        data.figures = readConstellationLines(file(kConstellationLinesFile));
    if (options.names)
        data.names = readConstellationNames(file(kConstellationNamesFile));
    if (options.boundaries)
        data.boundaries = uniqueBoundaryEdges(readConstellationBounds(file(kConstellationBoundsFile)));
    if (options.starNameLimit)
        data.starNames = readStarNames(file(kStarNamesFile));
    return data;
}

} // namespace sky
