#include "gore/gore_projection.h"

#include "stars/angles.h"

#include <algorithm>
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

sky::SkyPoint goreSkyPoint(const GoreLayout& layout, double phiPrime, double a, bool epsilonCorrection)
{
    double phi = phiPrime; // radians
    if (epsilonCorrection && a != 0.0) {
        // With tan Δλ = a / cos φ the corrected coordinate is φ′ = 2φ − atan(sin φ / √(cos²φ + a²)),
        // whose slope 2 − cos φ / √(cos²φ + a²) lies within [1, 2): Newton's steps from φ = φ′ settle
        // in a few turns.
        // Near the last digit the steps may keep swinging between two values (or stand at a pole);
        // each turn depends only on φ, so the value after the 50 turns is known as soon as a value
        // repeats, and the turns that would follow are skipped.
        double before = std::nan("");
        constexpr int kTurns = 50;
        for (int i = 0; i < kTurns; ++i) {
            const double c = std::cos(phi), root = std::sqrt(c * c + a * a);
            const double step = (2 * phi - std::atan(std::sin(phi) / root) - phiPrime) / (2 - c / root);
            const double next = std::clamp(phi - step, -PiValue / 2, PiValue / 2);
            if (std::fabs(step) < 1e-15 || next == phi) {
                phi = next;
                break;
            }
            if (next == before) {
                if ((kTurns - 1 - i) % 2 == 0)
                    phi = next;
                break;
            }
            before = phi;
            phi = next;
        }
    }
    return {layout.centralLongitude + std::atan(a / std::cos(phi)) / DegreeFactor, phi / DegreeFactor};
}

} // namespace gore
