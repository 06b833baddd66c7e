#include "sky/sky_point.h"

#include <cassert>
#include <cmath>

namespace sky {

Vector3 toVector(SkyPoint p)
{
    const double l = p.lambda * kRadiansPerDegree, f = p.phi * kRadiansPerDegree;
    return {std::cos(f) * std::cos(l), std::cos(f) * std::sin(l), std::sin(f)};
}

SkyPoint toSkyPoint(const Vector3& v)
{
    const double r = std::hypot(v.x, v.y);
    assert(r > 0.0 || v.z != 0.0);
    SkyPoint p;
    // atan2 rather than asin: asin loses digits near the poles.
    p.phi = std::atan2(v.z, r) / kRadiansPerDegree;
    p.lambda = r > 0.0 ? normalizedLongitude(std::atan2(v.y, v.x) / kRadiansPerDegree) : 0.0;
    return p;
}

double angularDistance(SkyPoint a, SkyPoint b)
{
    const Vector3 u = toVector(a), v = toVector(b);
    return std::atan2(norm(cross(u, v)), dot(u, v)) / kRadiansPerDegree;
}

double normalizedLongitude(double lambdaDeg)
{
    if (lambdaDeg >= 0.0 && lambdaDeg < 360.0)
        return lambdaDeg; // as fmod would give it, and most longitudes are
    double l = std::fmod(lambdaDeg, 360.0);
    if (l < 0.0)
        l += 360.0;
    // −1e-17 + 360 rounds to 360.
    return l >= 360.0 ? 0.0 : l;
}

double dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double norm(const Vector3& a) { return std::sqrt(dot(a, a)); }

} // namespace sky
