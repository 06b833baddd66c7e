#include "kit/glue_tab.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace kit {

namespace {

/// Stretches shorter than this (cm) carry no tab: a pole's tip, a vanished cut.
constexpr double kShortest = 1e-6;

bool same(const Point& a, const Point& b) { return distance(a, b) < 1e-12; }

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
    const Point d = b - a;
    const double length = scene::length(d);
    return {outside * d.y / length, -outside * d.x / length};
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
            s += distance(p[i - 1], p[i]);
        Point n{0.0, 0.0};
        if (i > 0) {
            const Point m = outwardNormal(p[i - 1], p[i], outside);
            n = n + m;
        }
        if (i + 1 < p.size()) {
            const Point m = outwardNormal(p[i], p[i + 1], outside);
            n = n + m;
        }
        const double length = scene::length(n);
        out[i] = {p[i], n / length, s};
    }
    return out;
}

/// The station at arc length `s`, between stations a and b.
Station between(const Station& a, const Station& b, double s)
{
    const double t = (s - a.s) / (b.s - a.s);
    const Point n = a.normal + t * (b.normal - a.normal);
    const double length = scene::length(n);
    return {a.at + t * (b.at - a.at), n / length, s};
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
        s += distance(p[i - 1], p[i]);
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
