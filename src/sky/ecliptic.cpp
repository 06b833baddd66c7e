#include "sky/ecliptic.h"

#include <cassert>
#include <cmath>

namespace sky {

SkyPoint eclipticToEquatorial(double longitudeDeg, double latitudeDeg)
{
    // Rotate the ecliptic frame about the vernal equinox (x axis) by the obliquity.
    const Vector3 e = toVector({longitudeDeg, latitudeDeg});
    const double c = std::cos(kObliquityDeg * kRadiansPerDegree), s = std::sin(kObliquityDeg * kRadiansPerDegree);
    return toSkyPoint({e.x, c * e.y - s * e.z, s * e.y + c * e.z});
}

SkyCurve eclipticCurve()
{
    SkyCurve curve;
    curve.steps = stepsForLength(360.0);
    curve.at = [](double t) { return eclipticToEquatorial(360.0 * t); };
    return curve;
}

std::vector<SkyPoint> eclipticPoints(double stepDeg)
{
    assert(stepDeg > 0.0);
    std::vector<SkyPoint> points;
    for (int k = 0; k * stepDeg < 360.0; ++k)
        points.push_back(eclipticToEquatorial(k * stepDeg));
    return points;
}

std::vector<EclipticMark> eclipticMarks(double tickStepDeg, double labelStepDeg)
{
    assert(tickStepDeg > 0.0 && labelStepDeg >= tickStepDeg);
    const long ticksPerLabel = std::lround(labelStepDeg / tickStepDeg);
    assert(std::abs(ticksPerLabel * tickStepDeg - labelStepDeg) < 1e-9);
    std::vector<EclipticMark> marks;
    for (long k = 0; k * tickStepDeg < 360.0 - 1e-9; ++k) {
        const double longitude = k * tickStepDeg;
        marks.push_back({longitude, eclipticToEquatorial(longitude), k % ticksPerLabel == 0});
    }
    return marks;
}

SkyCurve eclipticTick(const EclipticMark& mark, double halfLengthDeg)
{
    return greatCircleArc(eclipticToEquatorial(mark.longitudeDeg, -halfLengthDeg),
                          eclipticToEquatorial(mark.longitudeDeg, halfLengthDeg));
}

} // namespace sky
