#include "kit/glue_tab.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace kit {

namespace {

/// Stretches shorter than this (cm) carry no tab: a pole's tip, a vanished cut.
constexpr double kShortest = 1e-6;

bool same(const Point& a, const Point& b) { return std::hypot(a.x - b.x, a.y - b.y) < 1e-12; }

/// `points` without repeats of a point just before.
std::vector<Point> distinct(const std::vector<Point>& points)
{
    std::vector<Point> out;
    for (const Point& p : points)
        if (out.empty() || !same(out.back(), p))
            out.push_back(p);
    return out;
}

/// Unit normal of the segment a→b pointing out of the piece; `outside` is +1 when the
/// outline runs with positive signed area (outside to the right of x→y), −1 otherwise.
Point outwardNormal(const Point& a, const Point& b, double outside)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    return {outside * dy / length, -outside * dx / length};
}

/// One point of a stretch with the outward normal there and its arc length from the start.
struct Station
{
    Point at, normal;
    double s = 0.0;
};

std::vector<Station> stations(const std::vector<Point>& p, double outside)
{
    std::vector<Station> out(p.size());
    double s = 0.0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (i > 0)
            s += std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y);
        Point n{0.0, 0.0};
        if (i > 0) {
            const Point m = outwardNormal(p[i - 1], p[i], outside);
            n = {n.x + m.x, n.y + m.y};
        }
        if (i + 1 < p.size()) {
            const Point m = outwardNormal(p[i], p[i + 1], outside);
            n = {n.x + m.x, n.y + m.y};
        }
        const double length = std::hypot(n.x, n.y);
        out[i] = {p[i], {n.x / length, n.y / length}, s};
    }
    return out;
}

/// The station at arc length `s`, between stations a and b.
Station between(const Station& a, const Station& b, double s)
{
    const double t = (s - a.s) / (b.s - a.s);
    Point n{a.normal.x + t * (b.normal.x - a.normal.x), a.normal.y + t * (b.normal.y - a.normal.y)};
    const double length = std::hypot(n.x, n.y);
    return {{a.at.x + t * (b.at.x - a.at.x), a.at.y + t * (b.at.y - a.at.y)}, {n.x / length, n.y / length}, s};
}

/// The outer edge of the tab on stretch `p`, from its first point to its last.
std::vector<Point> outerEdge(const std::vector<Point>& p, double width, double outside)
{
    std::vector<Station> st = stations(p, outside);
    const double length = st.back().s;
    const double height = std::min(width, length / 2.0);
    // Where the 45° ends meet the full width: exact corners of the strip.
    for (const double corner : {height, length - height}) {
        for (std::size_t i = 1; i < st.size(); ++i)
            if (st[i - 1].s < corner && corner < st[i].s) {
                st.insert(st.begin() + static_cast<std::ptrdiff_t>(i), between(st[i - 1], st[i], corner));
                break;
            }
    }
    std::vector<Point> outer;
    outer.reserve(st.size());
    for (const Station& x : st) {
        const double d = std::min({height, x.s, length - x.s});
        outer.push_back({x.at.x + d * x.normal.x, x.at.y + d * x.normal.y});
    }
    return outer;
}

double lengthOf(const std::vector<Point>& p)
{
    double s = 0.0;
    for (std::size_t i = 1; i < p.size(); ++i)
        s += std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y);
    return s;
}

/// Appends `points` to `ring`, leaving out a first point that repeats the ring's last.
void append(Polygon& ring, const std::vector<Point>& points)
{
    for (const Point& p : points)
        if (ring.empty() || !same(ring.back(), p))
            ring.push_back(p);
}

void closeRing(Polygon& ring)
{
    if (ring.size() > 1 && same(ring.front(), ring.back()))
        ring.pop_back();
}

} // namespace

Polygon pieceOf(const std::vector<OutlineEdge>& edges)
{
    Polygon piece;
    for (const OutlineEdge& e : edges)
        append(piece, e.points);
    closeRing(piece);
    return piece;
}

TabbedOutline addGlueTabs(const std::vector<OutlineEdge>& edges, double width)
{
    assert(width > 0);
    TabbedOutline out;
    out.piece = pieceOf(edges);
    const double outside = signedArea(out.piece) > 0 ? 1.0 : -1.0;
    for (const OutlineEdge& e : edges) {
        const std::vector<Point> fold = distinct(e.points);
        if (!e.tab || fold.size() < 2 || lengthOf(fold) < kShortest) {
            append(out.cut, e.points);
            continue;
        }
        const std::vector<Point> outer = outerEdge(fold, width, outside);
        append(out.cut, outer);
        Polygon tab = fold;
        for (std::size_t i = outer.size() - 1; i-- > 1;)
            tab.push_back(outer[i]);
        out.folds.push_back(fold);
        out.tabs.push_back(std::move(tab));
    }
    closeRing(out.cut);
    return out;
}

} // namespace kit
