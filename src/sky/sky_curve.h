#pragma once

#include "sky/sky_point.h"

#include <functional>

namespace sky {

/// A curve on the sphere as a function of t in [0, 1], with the number of equal steps of t
/// the sampler starts from: short enough (about 1° of arc) that no bend hides inside one.
struct SkyCurve
{
    std::function<SkyPoint(double t)> at;
    int steps = 1;
};

/// Steps for a curve `lengthDeg` long: one a degree, at least one.
int stepsForLength(double lengthDeg);

/// The shorter great-circle arc from `a` to `b` (spherical linear interpolation); at(0) and at(1)
/// are exactly `a` and `b`. Antipodal ends take the arc through the north-pointing direction from `a`.
SkyCurve greatCircleArc(SkyPoint a, SkyPoint b);

/// Arc of the parallel `phiDeg` from λ `lambdaFromDeg` to `lambdaToDeg`, λ changing linearly
/// (so 0 → 360 is the whole circle and 350 → 370 crosses λ 0).
SkyCurve parallelArc(double phiDeg, double lambdaFromDeg, double lambdaToDeg);

/// Arc of the meridian `lambdaDeg` from declination `phiFromDeg` to `phiToDeg`, −90…90.
SkyCurve meridianArc(double lambdaDeg, double phiFromDeg, double phiToDeg);

} // namespace sky
