#include "gore/equal_latitude_line.h"

#include "stars/angles.h"

#include <cmath>

namespace gore {

using stars::DegreeFactor;

std::vector<scene::Point> equalLatitudeSteps(const GoreParameters& p)
{
    const double R = p.sphereRadius;
    const double phiL = p.lineLatitude;
    const double last = 360.0 / p.n;
    std::vector<scene::Point> steps;
    steps.reserve(static_cast<std::size_t>(last * 100) + 2);
    for (double theta = 0; theta <= last; theta = 0.01 + theta) {
        const double delta = theta - 180.0 / p.n;
        const double epsilonL = p.epsilonCorrection
                                    ? phiL * DegreeFactor
                                          - std::atan(std::fabs(std::cos(delta * DegreeFactor)) * std::tan(phiL * DegreeFactor))
                                    : 0.0;
        const double phiLPrime = phiL * DegreeFactor + epsilonL;
        const double yL = std::tan(delta * DegreeFactor) * std::cos(phiL * DegreeFactor);
        steps.push_back({R * phiLPrime, R * yL});
    }
    return steps;
}

} // namespace gore
