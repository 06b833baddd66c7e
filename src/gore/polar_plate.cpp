#include "gore/polar_plate.h"

#include "stars/angles.h"

#include <algorithm>
#include <cmath>

namespace gore {

using stars::DegreeFactor;
using stars::PiValue;

PlateLayout makePlateLayout(const GoreParameters& p)
{
    PlateLayout plate;
    plate.R = p.sphereRadius;
    plate.boundary = p.plateBoundary * DegreeFactor;
    plate.scale = p.sphereRadius * std::sin(p.plateBoundary * DegreeFactor);
    plate.boundaryRadius = p.sphereRadius * std::cos(p.plateBoundary * DegreeFactor);
    plate.side = 2 * std::fabs(plate.boundaryRadius) + 2;
    return plate;
}

bool isOnPlate(const PlateLayout& plate, double phiPrime) { return phiPrime > plate.boundary; }

Offset plateOffset(const PlateLayout& plate, double lambda, double phi)
{
    const double t = std::tan(phi * DegreeFactor);
    return {plate.scale * std::cos(lambda * DegreeFactor) / t, -plate.scale * std::sin(lambda * DegreeFactor) / t};
}

bool isOnSouthPlate(const PlateLayout& plate, double phiPrime) { return phiPrime < -plate.boundary; }

Offset southPlateOffset(const PlateLayout& plate, double lambda, double phi)
{
    const double t = std::fabs(std::tan(phi * DegreeFactor));
    return {plate.scale * std::cos(-lambda * DegreeFactor) / t, -plate.scale * std::sin(-lambda * DegreeFactor) / t};
}

std::vector<Offset> plateBoundaryDots(const PlateLayout& plate)
{
    constexpr double kSpacing = 0.01; // cm: tighter than a pixel at 96 dpi, so the chain is unbroken
    const double r = std::fabs(plate.boundaryRadius);
    const auto count = static_cast<std::size_t>(std::max(8.0, std::ceil(2 * PiValue * r / kSpacing)));
    std::vector<Offset> dots;
    dots.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double angle = 2 * PiValue * static_cast<double>(i) / static_cast<double>(count);
        dots.push_back({r * std::cos(angle), -r * std::sin(angle)});
    }
    return dots;
}

Offset plateCentre(double width, double height) { return {width / 2, height / 2}; }

} // namespace gore
