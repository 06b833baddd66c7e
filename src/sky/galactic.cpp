#include "sky/galactic.h"

#include <algorithm>
#include <cmath>

namespace sky {

SkyPoint galacticToEquatorial(double longitudeDeg, double latitudeDeg)
{
    // The spherical triangle of the celestial pole, the galactic pole and the point.
    const double b = latitudeDeg * kRadiansPerDegree;
    const double d = (kCelestialPoleGalacticLongitudeDeg - longitudeDeg) * kRadiansPerDegree;
    const double poleDec = kGalacticPolePhiDeg * kRadiansPerDegree;
    const double sinDec = std::sin(poleDec) * std::sin(b) + std::cos(poleDec) * std::cos(b) * std::cos(d);
    const double y = std::cos(b) * std::sin(d);
    const double x = std::cos(poleDec) * std::sin(b) - std::sin(poleDec) * std::cos(b) * std::cos(d);
    return {normalizedLongitude(kGalacticPoleLambdaDeg + std::atan2(y, x) / kRadiansPerDegree),
            std::asin(std::clamp(sinDec, -1.0, 1.0)) / kRadiansPerDegree};
}

SkyCurve galacticEquatorCurve()
{
    SkyCurve curve;
    curve.steps = stepsForLength(360.0);
    curve.at = [](double t) { return galacticToEquatorial(360.0 * t); };
    return curve;
}

} // namespace sky
