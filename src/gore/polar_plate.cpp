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
    plate.n = p.n;
    plate.cornerRadius = plate.boundaryRadius / std::cos(PiValue / p.n);
    plate.side = 2 * std::fabs(plate.cornerRadius) + 2;
    return plate;
}

bool isOnPlate(const PlateLayout& plate, double phiPrime) { return phiPrime > plate.boundary; }

scene::Point plateOffset(const PlateLayout& plate, double lambda, double phi)
{
    const double t = std::tan(phi * DegreeFactor);
    return {plate.scale * std::cos(lambda * DegreeFactor) / t, -plate.scale * std::sin(lambda * DegreeFactor) / t};
}

sky::SkyPoint plateSkyPoint(const PlateLayout& plate, scene::Point offset)
{
    // R·sin B / tan φ from the pole at position angle λ, the angle turning from x towards −y.
    return {std::atan2(-offset.y, offset.x) / DegreeFactor,
            std::atan2(plate.scale, std::hypot(offset.x, offset.y)) / DegreeFactor};
}

bool isOnSouthPlate(const PlateLayout& plate, double phiPrime) { return phiPrime < -plate.boundary; }

scene::Point southPlateOffset(const PlateLayout& plate, double lambda, double phi)
{
    const double t = std::fabs(std::tan(phi * DegreeFactor));
    return {plate.scale * std::cos(-lambda * DegreeFactor) / t, -plate.scale * std::sin(-lambda * DegreeFactor) / t};
}

sky::SkyPoint southPlateSkyPoint(const PlateLayout& plate, scene::Point offset)
{
    return {std::atan2(offset.y, offset.x) / DegreeFactor,
            -std::atan2(plate.scale, std::hypot(offset.x, offset.y)) / DegreeFactor};
}

std::vector<scene::Point> plateCorners(const PlateLayout& plate)
{
    std::vector<scene::Point> corners;
    for (int j = 0; j < plate.n; ++j) {
        const double angle = 2 * PiValue * j / plate.n;
        corners.push_back({plate.cornerRadius * std::cos(angle), -plate.cornerRadius * std::sin(angle)});
    }
    return corners;
}

std::vector<scene::Point> plateBoundaryDots(const PlateLayout& plate)
{
    constexpr double kSpacing = 0.01; // cm: tighter than a pixel at 96 dpi, so the chain is unbroken
    const std::vector<scene::Point> corners = plateCorners(plate);
    std::vector<scene::Point> dots;
    for (std::size_t j = 0; j < corners.size(); ++j) {
        const scene::Point& a = corners[j];
        const scene::Point& b = corners[(j + 1) % corners.size()];
        const double steps = std::max(1.0, std::ceil(distance(a, b) / kSpacing));
        for (double i = 0; i < steps; ++i)
            dots.push_back(a + (b - a) * i / steps);
    }
    return dots;
}

scene::Point plateCentre(double width, double height) { return {width / 2, height / 2}; }

} // namespace gore
