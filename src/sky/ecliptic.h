#pragma once

#include "sky/sky_curve.h"
#include "sky/sky_point.h"

#include <vector>

namespace sky {

/// Obliquity of the ecliptic at J2000 (IAU 1976: 84381.448″), degrees.
inline constexpr double kObliquityDeg = 23.4392911;

/// Equatorial direction (J2000) of ecliptic longitude and latitude in degrees.
SkyPoint eclipticToEquatorial(double longitudeDeg, double latitudeDeg = 0.0);

/// The whole ecliptic as a curve, ecliptic longitude 360·t degrees.
SkyCurve eclipticCurve();

/// Points of the ecliptic every `stepDeg` of ecliptic longitude from 0 (inclusive) to 360 (exclusive); step > 0.
std::vector<SkyPoint> eclipticPoints(double stepDeg);

/// A tick on the ecliptic: a short great-circle arc across it from latitude −h to +h at `longitudeDeg`.
struct EclipticMark
{
    double longitudeDeg = 0.0; ///< ecliptic longitude, 0…360
    SkyPoint position;         ///< where the tick crosses the ecliptic
    bool labelled = false;     ///< true on the label step (every 30° by default)
};

/// Ticks every `tickStepDeg` of ecliptic longitude from 0, labelled every `labelStepDeg`
/// (a whole multiple of the tick step); defaults 10° and 30°.
std::vector<EclipticMark> eclipticMarks(double tickStepDeg = 10.0, double labelStepDeg = 30.0);

/// The tick of `mark` as a curve from ecliptic latitude −halfLengthDeg to +halfLengthDeg.
SkyCurve eclipticTick(const EclipticMark& mark, double halfLengthDeg);

} // namespace sky
