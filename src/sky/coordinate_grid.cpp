#include "sky/coordinate_grid.h"

#include <cassert>
#include <cstdlib>

namespace sky {

std::vector<double> meridianLongitudes()
{
    std::vector<double> longitudes;
    for (int hour = 0; hour < 24; ++hour)
        longitudes.push_back(15.0 * hour);
    return longitudes;
}

std::vector<double> parallelLatitudes(int stepDeg)
{
    assert(stepDeg > 0 && stepDeg <= 90 && 90 % stepDeg == 0);
    std::vector<double> latitudes;
    for (int phi = -90 + stepDeg; phi < 90; phi += stepDeg)
        latitudes.push_back(phi);
    return latitudes;
}

std::vector<GridLine> coordinateGrid(int parallelStepDeg)
{
    const std::vector<double> parallels = parallelLatitudes(parallelStepDeg);
    std::vector<GridLine> lines;
    for (double lambda : meridianLongitudes())
        lines.push_back({GridLine::Kind::Meridian, lambda, meridianArc(lambda, parallels.front(), parallels.back())});
    for (double phi : parallels)
        lines.push_back({GridLine::Kind::Parallel, phi, parallelArc(phi, 0.0, 360.0)});
    return lines;
}

std::vector<GridLabel> hourLabels()
{
    std::vector<GridLabel> labels;
    for (double lambda : meridianLongitudes())
        labels.push_back({std::to_string(static_cast<int>(lambda / 15.0)) + "h", {lambda, 0.0}});
    return labels;
}

std::vector<GridLabel> declinationLabels(int parallelStepDeg, double lambdaDeg)
{
    std::vector<GridLabel> labels;
    for (double phi : parallelLatitudes(parallelStepDeg)) {
        const int degrees = static_cast<int>(phi);
        const std::string sign = degrees > 0 ? "+" : degrees < 0 ? "\u2212" : "";
        labels.push_back({sign + std::to_string(std::abs(degrees)) + "\u00B0", {normalizedLongitude(lambdaDeg), phi}});
    }
    return labels;
}

} // namespace sky
