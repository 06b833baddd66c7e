#include "sky/sky_curve.h"

#include <algorithm>
#include <cmath>

namespace sky {

int stepsForLength(double lengthDeg)
{
    return std::max(1, static_cast<int>(std::ceil(std::abs(lengthDeg) - 1e-9)));
}

SkyCurve greatCircleArc(SkyPoint a, SkyPoint b)
{
    const Vector3 u = toVector(a);
    Vector3 v = toVector(b);
    const Vector3 n = cross(u, v);
    const double omega = std::atan2(norm(n), dot(u, v));
    if (norm(n) < 1e-12 && dot(u, v) < 0.0) {
        // Antipodes: every great circle through a joins them; take the one heading north from a
        // (or towards λ 0° from a pole) and run half of it.
        const Vector3 north{-u.z * u.x, -u.z * u.y, u.x * u.x + u.y * u.y};
        const Vector3 m = norm(north) > 1e-12 ? north : Vector3{1.0, 0.0, 0.0};
        const double k = 1.0 / norm(m);
        v = {m.x * k, m.y * k, m.z * k};
        SkyCurve curve;
        curve.steps = stepsForLength(180.0);
        curve.at = [a, b, u, v](double t) {
            if (t <= 0.0)
                return a;
            if (t >= 1.0)
                return b;
            const double c = std::cos(t * kPi), s = std::sin(t * kPi);
            return toSkyPoint({c * u.x + s * v.x, c * u.y + s * v.y, c * u.z + s * v.z});
        };
        return curve;
    }
    SkyCurve curve;
    curve.steps = stepsForLength(omega / kRadiansPerDegree);
    curve.at = [a, b, u, v, omega](double t) {
        if (t <= 0.0 || omega == 0.0)
            return a;
        if (t >= 1.0)
            return b;
        const double s = std::sin(omega);
        const double p = std::sin((1.0 - t) * omega) / s, q = std::sin(t * omega) / s;
        return toSkyPoint({p * u.x + q * v.x, p * u.y + q * v.y, p * u.z + q * v.z});
    };
    return curve;
}

SkyCurve parallelArc(double phiDeg, double lambdaFromDeg, double lambdaToDeg)
{
    const double span = lambdaToDeg - lambdaFromDeg;
    SkyCurve curve;
    // Near the poles the arc is short but turns fast: also one step per 10° of λ.
    curve.steps = std::max(stepsForLength(span * std::cos(phiDeg * kRadiansPerDegree)), stepsForLength(span / 10.0));
    curve.at = [phiDeg, lambdaFromDeg, span](double t) {
        return SkyPoint{normalizedLongitude(lambdaFromDeg + t * span), phiDeg};
    };
    return curve;
}

SkyCurve meridianArc(double lambdaDeg, double phiFromDeg, double phiToDeg)
{
    SkyCurve curve;
    curve.steps = stepsForLength(phiToDeg - phiFromDeg);
    const double lambda = normalizedLongitude(lambdaDeg);
    curve.at = [lambda, phiFromDeg, phiToDeg](double t) {
        return SkyPoint{lambda, t >= 1.0 ? phiToDeg : phiFromDeg + t * (phiToDeg - phiFromDeg)};
    };
    return curve;
}

} // namespace sky
