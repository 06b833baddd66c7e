#include "sky/polygon_clip.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace sky {

namespace {

double crossProduct(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

/// Even-odd crossing count of the edge from a to b against the ray from p towards +x.
bool rayCrosses(scene::Point a, scene::Point b, scene::Point p)
{
    if ((a.y > p.y) == (b.y > p.y))
        return false;
    const double x = a.x + (p.y - a.y) / (b.y - a.y) * (b.x - a.x);
    return p.x < x;
}

std::size_t bandOf(const ClipOutline& o, double y)
{
    const double k = std::floor((y - o.minY) / o.bandHeight);
    if (k <= 0.0)
        return 0;
    return std::min(o.bands.size() - 1, static_cast<std::size_t>(k));
}

struct Crossing
{
    double t = 0.0; ///< along the polyline segment, 0…1
    scene::Point point;   ///< on the outline edge
};

} // namespace

ClipOutline makeClipOutline(std::vector<scene::Point> corners)
{
    if (corners.size() > 1 && corners.front().x == corners.back().x && corners.front().y == corners.back().y)
        corners.pop_back();
    assert(corners.size() >= 3);
    ClipOutline o;
    o.corners = std::move(corners);
    const auto [lo, hi] = std::minmax_element(o.corners.begin(), o.corners.end(),
                                              [](scene::Point a, scene::Point b) { return a.y < b.y; });
    o.minY = lo->y;
    const double height = hi->y - lo->y;
    const std::size_t bandCount = std::max<std::size_t>(1, o.corners.size() / 4);
    o.bandHeight = height > 0.0 ? height / static_cast<double>(bandCount) : 1.0;
    o.bands.resize(bandCount);
    const std::size_t n = o.corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const scene::Point a = o.corners[i], b = o.corners[(i + 1) % n];
        const std::size_t first = bandOf(o, std::min(a.y, b.y)), last = bandOf(o, std::max(a.y, b.y));
        for (std::size_t k = first; k <= last; ++k)
            o.bands[k].push_back(i);
    }
    return o;
}

bool contains(const ClipOutline& o, scene::Point p)
{
    if (o.bands.empty() || p.y < o.minY || p.y > o.minY + o.bandHeight * static_cast<double>(o.bands.size()))
        return false;
    const std::size_t n = o.corners.size();
    bool inside = false;
    for (std::size_t i : o.bands[bandOf(o, p.y)])
        if (rayCrosses(o.corners[i], o.corners[(i + 1) % n], p))
            inside = !inside;
    return inside;
}

bool pointInPolygon(const std::vector<scene::Point>& corners, scene::Point p)
{
    bool inside = false;
    for (std::size_t i = 0, n = corners.size(); i < n; ++i)
        if (rayCrosses(corners[i], corners[(i + 1) % n], p))
            inside = !inside;
    return inside;
}

std::vector<Polyline> clipPolyline(const ClipOutline& o, const Polyline& polyline)
{
    std::vector<Polyline> pieces;
    if (polyline.size() < 2 || o.bands.empty())
        return pieces;
    const std::size_t n = o.corners.size();
    Polyline current;
    const auto flush = [&]() {
        if (current.size() >= 2)
            pieces.push_back(std::move(current));
        current.clear();
    };
    // Per edge, the last segment it was tested against: an edge reaching into several bands is
    // tested once. Made when a segment first spans more than one band.
    std::vector<std::size_t> testedFor;
    std::vector<Crossing> crossings;
    for (std::size_t s = 1; s < polyline.size(); ++s) {
        const scene::Point p = polyline[s - 1], q = polyline[s];
        const double dx = q.x - p.x, dy = q.y - p.y;
        crossings.clear();
        const double yLow = std::min(p.y, q.y), yHigh = std::max(p.y, q.y);
        const double xLow = std::min(p.x, q.x), xHigh = std::max(p.x, q.x);
        const double top = o.minY + o.bandHeight * static_cast<double>(o.bands.size());
        if (yHigh >= o.minY && yLow <= top) {
            const std::size_t first = bandOf(o, yLow), last = bandOf(o, yHigh);
            if (first != last && testedFor.empty())
                testedFor.assign(n, 0);
            for (std::size_t k = first; k <= last; ++k)
                for (std::size_t i : o.bands[k]) {
                    if (first != last) {
                        if (testedFor[i] == s)
                            continue;
                        testedFor[i] = s;
                    }
                    const scene::Point c = o.corners[i], d = o.corners[(i + 1) % n];
                    if (std::max(c.x, d.x) < xLow || std::min(c.x, d.x) > xHigh)
                        continue; // wholly to one side
                    const double ex = d.x - c.x, ey = d.y - c.y;
                    const double denominator = crossProduct(dx, dy, ex, ey);
                    if (denominator == 0.0)
                        continue; // parallel: touching along the edge is left to the inside test
                    const double t = crossProduct(c.x - p.x, c.y - p.y, ex, ey) / denominator;
                    const double u = crossProduct(c.x - p.x, c.y - p.y, dx, dy) / denominator;
                    if (t < 0.0 || t > 1.0 || u < 0.0 || u > 1.0)
                        continue;
                    crossings.push_back({t, {c.x + u * ex, c.y + u * ey}});
                }
        }
        // A segment that crosses nothing lies wholly on one side; its middle tells which (the side the
        // last one ended on need not be it: that one may have ended on the outline itself).
        if (crossings.empty()) {
            if (contains(o, {p.x + 0.5 * dx, p.y + 0.5 * dy})) {
                if (current.empty())
                    current.push_back(p);
                current.push_back(q);
            } else {
                flush();
            }
            continue;
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.t < b.t; });
        crossings.push_back({1.0, q});
        // Each stretch between crossings is wholly inside or outside: its middle tells which.
        double t0 = 0.0;
        scene::Point start = p;
        for (const Crossing& c : crossings) {
            if (c.t - t0 > 1e-12) {
                const double tm = 0.5 * (t0 + c.t);
                if (contains(o, {p.x + tm * dx, p.y + tm * dy})) {
                    if (current.empty())
                        current.push_back(start);
                    current.push_back(c.point);
                } else {
                    flush();
                }
            }
            t0 = c.t;
            start = c.point;
        }
    }
    flush();
    return pieces;
}

} // namespace sky
