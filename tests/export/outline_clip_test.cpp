// Cutting a piece's outline down to the small box round a clipped dot: only the vertices near
// the box are looked at, yet the polygon is vertex for vertex the plain clipping's.

#include "render/outline_clip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using exporter::OutlineClip;
using scene::Point;

namespace {

/// Sutherland and Hodgman's clipping of the whole polygon by the left, right, top and bottom side.
std::vector<Point> plainClip(std::vector<Point> out, double left, double top, double right, double bottom)
{
    const auto pass = [&out](auto inside, auto cross) {
        const std::vector<Point> in = std::move(out);
        out.clear();
        for (std::size_t i = 0; i < in.size(); ++i) {
            const Point& a = in[(i + in.size() - 1) % in.size()];
            const Point& b = in[i];
            if (inside(b) != inside(a))
                out.push_back(cross(a, b));
            if (inside(b))
                out.push_back(b);
        }
    };
    const auto atX = [](double x) {
        return [x](const Point& a, const Point& b) { return Point{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; };
    };
    const auto atY = [](double y) {
        return [y](const Point& a, const Point& b) { return Point{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y}; };
    };
    pass([&](const Point& p) { return p.x >= left; }, atX(left));
    pass([&](const Point& p) { return p.x <= right; }, atX(right));
    pass([&](const Point& p) { return p.y >= top; }, atY(top));
    pass([&](const Point& p) { return p.y <= bottom; }, atY(bottom));
    return out;
}

bool sameBits(const std::vector<Point>& a, const std::vector<Point>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(Point)) != 0)
            return false;
    return true;
}

} // namespace

TEST(OutlineClip, GivesThePlainClippingVertexForVertex)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Outlines: wobbly closed curves of many fine vertices, like a piece's cut, some with a point
    // that is not a number or lies at infinity; boxes small and large, on and off the outline,
    // and the degenerate ones of a dot with no finite centre.
    struct Case
    {
        std::size_t vertices;
        double boxSize;
        int oddPoint; // 0 none, 1 NaN, 2 infinity
    };
    const Case cases[] = {{3, 0.5, 0}, {40, 0.3, 0}, {5000, 0.02, 0}, {5000, 0.3, 0},
                          {5000, 3.0, 0}, {5000, 0.02, 1}, {5000, 0.05, 2}, {33, 0.1, 0}};
    for (const Case& c : cases) {
        std::vector<Point> outline;
        const double wobble = unit(random) * 0.3;
        for (std::size_t i = 0; i < c.vertices; ++i) {
            const double t = 2 * M_PI * static_cast<double>(i) / static_cast<double>(c.vertices);
            const double r = 4 + wobble * std::sin(37 * t);
            outline.push_back({5 + r * std::cos(t), 5 + 1.5 * r * std::sin(t)});
        }
        if (c.oddPoint != 0)
            outline[c.vertices / 3] = c.oddPoint == 1 ? Point{nan, 3.0} : Point{std::numeric_limits<double>::infinity(), 3};
        const OutlineClip clip(outline);
        for (int k = 0; k < 200; ++k) {
            // Round vertices of the outline, round points within it, and anywhere on the sheet.
            Point at = outline[random() % outline.size()];
            if (k % 3 == 1 || !std::isfinite(at.x))
                at = {10 * unit(random), 14 * unit(random)};
            if (k == 199)
                at = {nan, 5};
            const double h = c.boxSize * (0.2 + unit(random));
            SCOPED_TRACE(testing::Message() << c.vertices << " vertices, box " << h << " at " << at.x << "," << at.y);
            const double left = at.x - h, top = at.y - h, right = at.x + h, bottom = at.y + h;
            ASSERT_TRUE(sameBits(clip.within(left, top, right, bottom), plainClip(outline, left, top, right, bottom)));
        }
    }
}
