#include "sky/boundary_edge.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace sky {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

/// Precession matrix from J2000.0 to B1875.0: Lieske et al. (1977) angles ζ, z, θ.
Matrix precessionToB1875()
{
    const double T = (2405889.258550475 - 2451545.0) / 36525.0; // Julian centuries, B1875.0 − J2000.0
    const double arcsec = kRadiansPerDegree / 3600.0;
    const double zeta = (2306.2181 * T + 0.30188 * T * T + 0.017998 * T * T * T) * arcsec;
    const double z = (2306.2181 * T + 1.09468 * T * T + 0.018203 * T * T * T) * arcsec;
    const double theta = (2004.3109 * T - 0.42665 * T * T - 0.041833 * T * T * T) * arcsec;
    const double cz = std::cos(zeta), sz = std::sin(zeta), cZ = std::cos(z), sZ = std::sin(z);
    const double ct = std::cos(theta), st = std::sin(theta);
    return {{{cZ * ct * cz - sZ * sz, -cZ * ct * sz - sZ * cz, -cZ * st},
             {sZ * ct * cz + cZ * sz, -sZ * ct * sz + cZ * cz, -sZ * st},
             {st * cz, -st * sz, ct}}};
}

const Matrix& precession()
{
    static const Matrix m = precessionToB1875();
    return m;
}

Vector3 times(const Matrix& m, const Vector3& v, bool transposed)
{
    const auto e = [&](int i, int j) { return transposed ? m[j][i] : m[i][j]; };
    return {e(0, 0) * v.x + e(0, 1) * v.y + e(0, 2) * v.z, e(1, 0) * v.x + e(1, 1) * v.y + e(1, 2) * v.z,
            e(2, 0) * v.x + e(2, 1) * v.y + e(2, 2) * v.z};
}

constexpr double kSameDeclinationDeg = 0.002;
constexpr double kSameRightAscensionDeg = 0.01;

} // namespace

SkyPoint precessToB1875(SkyPoint j2000) { return toSkyPoint(times(precession(), toVector(j2000), false)); }

SkyPoint precessFromB1875(SkyPoint b1875) { return toSkyPoint(times(precession(), toVector(b1875), true)); }

SkyCurve boundaryEdge(SkyPoint a, SkyPoint b)
{
    const SkyPoint pa = precessToB1875(a), pb = precessToB1875(b);
    const double dAlpha = std::remainder(pb.lambda - pa.lambda, 360.0);
    const double dDelta = pb.phi - pa.phi;
    const bool parallel = std::abs(dDelta) <= kSameDeclinationDeg;
    const bool hourCircle = std::abs(dAlpha) <= kSameRightAscensionDeg;
    if (!parallel && !hourCircle)
        return greatCircleArc(a, b);
    SkyCurve curve;
    const double cosDelta = std::cos(0.5 * (pa.phi + pb.phi) * kRadiansPerDegree);
    curve.steps = std::max({stepsForLength(std::abs(dAlpha) * cosDelta), stepsForLength(dAlpha / 10.0),
                            stepsForLength(dDelta)});
    curve.at = [a, b, pa, dAlpha, dDelta](double t) {
        if (t <= 0.0)
            return a;
        if (t >= 1.0)
            return b;
        return precessFromB1875({pa.lambda + t * dAlpha, pa.phi + t * dDelta});
    };
    return curve;
}

std::vector<BoundaryEdge> uniqueBoundaryEdges(const std::vector<ConstellationPath>& outlines)
{
    using Key = std::tuple<double, double, double, double>;
    std::vector<BoundaryEdge> edges;
    std::map<Key, std::size_t> seen;
    for (const auto& outline : outlines) {
        for (std::size_t i = 1; i < outline.points.size(); ++i) {
            const SkyPoint p = outline.points[i - 1], q = outline.points[i];
            Key key{p.lambda, p.phi, q.lambda, q.phi};
            if (std::tie(q.lambda, q.phi) < std::tie(p.lambda, p.phi))
                key = {q.lambda, q.phi, p.lambda, p.phi};
            const auto [it, added] = seen.emplace(key, edges.size());
            if (added)
                edges.push_back({p, q, outline.constellation, {}});
            else if (edges[it->second].second.empty() && edges[it->second].first != outline.constellation)
                edges[it->second].second = outline.constellation;
        }
    }
    return edges;
}

} // namespace sky
