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
    // Where each line can be, so that a piece passes over those that cannot reach it.
    for (const ConstellationPath& figure : data.figures)
        data.figureReach.push_back(capOf(figure.points, 0.0));
    for (const BoundaryEdge& edge : data.boundaries) {
        const SkyCurve curve = boundaryEdge(edge.from, edge.to);
        std::vector<SkyPoint> points;
        for (int k = 0; k <= curve.steps; ++k)
            points.push_back(curve.at(static_cast<double>(k) / curve.steps));
        // The curve between its steps (about a degree, or ten of right ascension near the poles) bends by less.
        data.boundaryReach.push_back(capOf(points, 1.0));
    }
    return data;
}

} // namespace sky
