#include "kit/polygon.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kit {

double signedArea(const Polygon& polygon)
{
    double twice = 0.0;
    for (std::size_t i = 0, n = polygon.size(); i < n; ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % n];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2.0;
}

bool contains(const Polygon& polygon, Point p)
{
    bool inside = false;
    for (std::size_t i = 0, n = polygon.size(), j = n - 1; i < n; j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

namespace {

/// Squared distance from `p` to the segment a–b.
double squaredToSegment(const Point& a, const Point& b, const Point& p)
{
    const Point d = b - a;
    const double length2 = dot(d, d);
    const double t = length2 > 0 ? std::clamp(dot(p - a, d) / length2, 0.0, 1.0) : 0.0;
    const Point e = p - (a + t * d);
    return dot(e, e);
}

} // namespace

double distanceToOutline(const Polygon& polygon, Point p)
{
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0, n = polygon.size(); i < n; ++i)
        best = std::min(best, squaredToSegment(polygon[i], polygon[(i + 1) % n], p));
    return std::sqrt(best);
}

bool outlineWithin(const Polygon& polygon, Point p, double distance)
{
    const double limit = distance * distance;
    for (std::size_t i = 0, n = polygon.size(); i < n; ++i)
        if (squaredToSegment(polygon[i], polygon[(i + 1) % n], p) < limit)
            return true;
    return false;
}

std::optional<CutFrame> cutFrameThrough(Point at, Point ahead, Point outside)
{
    const double length = distance(at, ahead);
    if (!(length > 0))
        return std::nullopt;
    const Point along = (ahead - at) / length;
    Point outward{-along.y, along.x};
    if (dot(outside - at, outward) < 0)
        outward = -outward;
    return CutFrame{at, along, outward};
}

Point carriedOver(Point p, const CutFrame& from, const CutFrame& to)
{
    const double a = (p.x - from.at.x) * from.along.x + (p.y - from.at.y) * from.along.y;
    const double inward = -((p.x - from.at.x) * from.outward.x + (p.y - from.at.y) * from.outward.y);
    return {to.at.x + a * to.along.x + inward * to.outward.x, to.at.y + a * to.along.y + inward * to.outward.y};
}

Box boundingBox(const std::vector<Point>& points)
{
    if (points.empty())
        return {};
    Box box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points) {
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.top = std::min(box.top, p.y);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

Box grown(const Box& box, double margin)
{
    return {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin};
}

} // namespace kit
