#include "gore/gore_projection.h"

#include "stars/angles.h"

#include <cmath>

namespace gore {

using stars::DegreeFactor;
using stars::PiValue;

bool inLongitudeWindow(const GoreLayout& layout, double lambda)
{
    return layout.windowStart < lambda + 3 && layout.windowEnd > lambda - 3;
}

double epsilonDegrees(double phi, double deltaLambda)
{
    return phi - (180 / PiValue) * std::atan(std::fabs(std::cos(deltaLambda * DegreeFactor)) * std::tan(phi * DegreeFactor));
}

double latitudeCoordinate(double phi, double deltaLambda, bool epsilonCorrection)
{
    if (!epsilonCorrection)
        return phi * DegreeFactor;
    const double epsilon = epsilonDegrees(phi, deltaLambda);
    return (epsilon + phi) * DegreeFactor;
}

double acrossValue(double phi, double deltaLambda)
{
    return std::tan(deltaLambda * DegreeFactor) * std::cos(phi * DegreeFactor);
}

} // namespace gore
