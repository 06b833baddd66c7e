#include "sky/sky_piece.h"

#include <algorithm>
#include <cmath>

namespace sky {

SkyCap capAround(SkyPoint centre, const std::vector<SkyPoint>& points, double marginDeg)
{
    double radius = 0.0;
    for (const SkyPoint& p : points)
        radius = std::max(radius, angularDistance(centre, p));
    return {centre, radius + marginDeg};
}

SkyCap capOf(const std::vector<SkyPoint>& points, double marginDeg)
{
    Vector3 sum;
    for (const SkyPoint& p : points) {
        const Vector3 v = toVector(p);
        sum = {sum.x + v.x, sum.y + v.y, sum.z + v.z};
    }
    if (!(norm(sum) > 1e-9))
        return {};
    const SkyCap cap = capAround(toSkyPoint(sum), points, marginDeg);
    return cap.radiusDeg < 90.0 ? cap : SkyCap{};
}

bool capsMeet(const SkyCap& a, const SkyCap& b)
{
    return a.radiusDeg + b.radiusDeg >= 180.0 || angularDistance(a.centre, b.centre) <= a.radiusDeg + b.radiusDeg;
}

SkyPiece makeSkyPiece(Projection project, std::vector<scene::Point> outline, double sphereRadius,
                      std::function<double(double)> dotRadius, SkyCap reach)
{
    SkyPiece piece;
    piece.project = std::move(project);
    // Centroid of the polygon's area (the corners' mean would lean towards a densely sampled edge).
    double area = 0.0, cx = 0.0, cy = 0.0;
    for (std::size_t i = 0, n = outline.size(); i < n; ++i) {
        const scene::Point a = outline[i], b = outline[(i + 1) % n];
        const double w = a.x * b.y - b.x * a.y;
        area += w;
        cx += (a.x + b.x) * w;
        cy += (a.y + b.y) * w;
    }
    if (std::fabs(area) > 0.0)
        piece.centre = {cx / (3.0 * area), cy / (3.0 * area)};
    else if (!outline.empty())
        piece.centre = outline.front();
    piece.outline = makeClipOutline(std::move(outline));
    piece.sphereRadius = sphereRadius;
    piece.dotRadius = dotRadius ? std::move(dotRadius) : [](double) { return 0.0; };
    piece.reach = reach;
    return piece;
}

SkyGlobe singlePieceGlobe()
{
    return {1, [](SkyPoint) -> std::size_t { return 0; }};
}

} // namespace sky
