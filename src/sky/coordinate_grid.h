#pragma once

#include "sky/sky_curve.h"
#include "sky/sky_point.h"

#include <string>
#include <vector>

namespace sky {

/// One line of the right ascension / declination grid.
struct GridLine
{
    enum class Kind { Meridian, Parallel };
    Kind kind = Kind::Meridian;
    double valueDeg = 0.0; ///< λ of a meridian or φ of a parallel, degrees
    SkyCurve curve;
};

/// A grid label and the sky point it belongs to.
struct GridLabel
{
    std::string text; ///< "0h"…"23h", or "+30°", "−30°", "0°"
    SkyPoint anchor;
};

/// λ of the hour meridians: 0, 15, …, 345.
std::vector<double> meridianLongitudes();

/// φ of the parallels every `stepDeg` strictly between the poles, south to north, the
/// equator included (−80…80 for 10, −75…75 for 15); `stepDeg` divides 90.
std::vector<double> parallelLatitudes(int stepDeg);

/// The hour meridians, each from the southernmost to the northernmost parallel (they stop
/// there rather than crowd at the poles), then the parallels, whole circles.
std::vector<GridLine> coordinateGrid(int parallelStepDeg);

/// "0h"…"23h" on the equator at each hour meridian.
std::vector<GridLabel> hourLabels();

/// The parallels' declinations ("+10°", "0°", "−10°" with a true minus sign) on the meridian `lambdaDeg`.
std::vector<GridLabel> declinationLabels(int parallelStepDeg, double lambdaDeg);

} // namespace sky
