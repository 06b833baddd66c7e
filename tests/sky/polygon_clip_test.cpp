#include "sky/polygon_clip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

using namespace sky;

namespace {

constexpr double kOnOutline = 1e-9;

std::vector<std::vector<std::pair<double, double>>> coordinates(const std::vector<Polyline>& pieces)
{
    std::vector<std::vector<std::pair<double, double>>> out;
    for (const auto& piece : pieces) {
        out.emplace_back();
        for (scene::Point p : piece)
            out.back().emplace_back(p.x, p.y);
    }
    return out;
}

double distanceToOutline(const std::vector<scene::Point>& corners, scene::Point p)
{
    double best = INFINITY;
    for (std::size_t i = 0; i < corners.size(); ++i)
        best = std::min(best, distanceToSegment(p, corners[i], corners[(i + 1) % corners.size()]));
    return best;
}

/// A gore as the template cuts it: two curved edges x = ±w·cos(y / h) and a straight cut at y = h·1.2.
std::vector<scene::Point> goreOutline(int pointsPerEdge)
{
    const double w = 2.0, h = 6.0, top = 1.2 * h;
    std::vector<scene::Point> outline;
    for (int i = 0; i <= pointsPerEdge; ++i) {
        const double y = -top + 2.0 * top * i / pointsPerEdge;
        outline.push_back({w * std::cos(y / h), y});
    }
    for (int i = 0; i <= pointsPerEdge; ++i) {
        const double y = top - 2.0 * top * i / pointsPerEdge;
        outline.push_back({-w * std::cos(y / h), y});
    }
    return outline;
}

bool insideAnalyticGore(scene::Point p) { return std::abs(p.y) < 7.2 && std::abs(p.x) < 2.0 * std::cos(p.y / 6.0); }

double length(const Polyline& line)
{
    double s = 0.0;
    for (std::size_t i = 1; i < line.size(); ++i)
        s += std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y);
    return s;
}

} // namespace

TEST(PolygonClip, KeepsExactlyTheInsideParts)
{
    using Pieces = std::vector<std::vector<std::pair<double, double>>>;
    const std::vector<scene::Point> square{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    // A U opening upwards: its two arms are x 0…1 and 2…3 above y = 1.
    const std::vector<scene::Point> u{{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    struct Row { const char* name; std::vector<scene::Point> outline; Polyline line; Pieces expected; };
    const Row rows[] = {
        {"through a square", square, {{-1, 0.5}, {2, 0.5}}, {{{0, 0.5}, {1, 0.5}}}},
        {"in and out again", square, {{0.5, 0.5}, {1.5, 0.5}, {1.5, 0.25}, {0.5, 0.25}},
         {{{0.5, 0.5}, {1, 0.5}}, {{1, 0.25}, {0.5, 0.25}}}},
        {"clockwise outline", {{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}, {{-1, 0.5}, {2, 0.5}}, {{{0, 0.5}, {1, 0.5}}}},
        {"wholly inside", square, {{0.2, 0.2}, {0.8, 0.3}, {0.4, 0.9}}, {{{0.2, 0.2}, {0.8, 0.3}, {0.4, 0.9}}}},
        {"wholly outside", square, {{2, 2}, {3, 3}}, {}},
        {"across both arms of a U", u, {{-1, 2}, {4, 2}}, {{{0, 2}, {1, 2}}, {{2, 2}, {3, 2}}}},
        {"down one arm, round the bottom, up the other", u, {{0.5, 4}, {0.5, 0.5}, {2.5, 0.5}, {2.5, 4}},
         {{{0.5, 3}, {0.5, 0.5}, {2.5, 0.5}, {2.5, 3}}}},
        {"over the gap of the U", u, {{1.5, 4}, {1.5, 2}}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(coordinates(clipPolyline(makeClipOutline(row.outline), row.line)), row.expected);
    }
}

TEST(PolygonClip, IndexedTestAgreesWithThePlainOne)
{
    const std::vector<scene::Point> gore = goreOutline(400);
    const ClipOutline outline = makeClipOutline(gore);
    std::mt19937 random(12);
    std::uniform_real_distribution<double> x(-3.0, 3.0), y(-8.0, 8.0);
    for (int i = 0; i < 5000; ++i) {
        const scene::Point p{x(random), y(random)};
        ASSERT_EQ(contains(outline, p), pointInPolygon(gore, p)) << p.x << ", " << p.y;
        if (distanceToOutline(gore, p) > 1e-3) {
            ASSERT_EQ(contains(outline, p), insideAnalyticGore(p));
        }
    }
}

TEST(PolygonClip, GoreCutsLieOnTheOutlineAndKeepTheInsideLength)
{
    const std::vector<scene::Point> gore = goreOutline(400);
    const ClipOutline outline = makeClipOutline(gore);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(-3.5, 3.5), y(-9.0, 9.0);
    for (int trial = 0; trial < 40; ++trial) {
        SCOPED_TRACE(trial);
        Polyline line;
        for (int k = 0; k < 12; ++k)
            line.push_back({x(random), y(random)});
        const auto pieces = clipPolyline(outline, line);
        double kept = 0.0;
        for (const auto& piece : pieces) {
            kept += length(piece);
            for (std::size_t i = 0; i < piece.size(); ++i) {
                const scene::Point p = piece[i];
                const bool vertex = std::any_of(line.begin(), line.end(), [&](scene::Point q) { return q.x == p.x && q.y == p.y; });
                if (!vertex) {
                    EXPECT_LE(distanceToOutline(gore, p), kOnOutline);
                } else {
                    EXPECT_TRUE(contains(outline, p));
                }
                if (i > 0) {
                    const scene::Point m{0.5 * (p.x + piece[i - 1].x), 0.5 * (p.y + piece[i - 1].y)};
                    EXPECT_TRUE(pointInPolygon(gore, m) || distanceToOutline(gore, m) <= kOnOutline);
                }
            }
            // A piece starts and ends at the line's own ends or on the outline.
            for (scene::Point end : {piece.front(), piece.back()}) {
                const bool lineEnd = (end.x == line.front().x && end.y == line.front().y)
                                     || (end.x == line.back().x && end.y == line.back().y);
                if (!lineEnd) {
                    EXPECT_LE(distanceToOutline(gore, end), kOnOutline);
                }
            }
        }
        // The inside length by fine steps along the line, each counted by whether its middle
        // lies inside the analytic gore.
        double inside = 0.0;
        for (std::size_t i = 1; i < line.size(); ++i) {
            constexpr int kSteps = 20000;
            const scene::Point a = line[i - 1], b = line[i];
            const double step = std::hypot(b.x - a.x, b.y - a.y) / kSteps;
            for (int k = 0; k < kSteps; ++k) {
                const double t = (k + 0.5) / kSteps;
                if (insideAnalyticGore({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}))
                    inside += step;
            }
        }
        EXPECT_NEAR(kept, inside, 1e-3 * (1.0 + inside));
    }
}

TEST(PolygonClip, LineLeavingThroughACornerStopsThere)
{
    // The ecliptic leaving a half gore at its corner on the equator, to the last bit: the point
    // on the corner rounds a hair outside, and the crossing there rounds out of both edges.
    const std::vector<scene::Point> outline{
        {2, 11.774463848997202}, {2.0129971327276195, 11.774461157796804}, {6, 6}, {2, 1.0049112272967431}};
    const Polyline line{{2.0965761887135677, 11.532036072905832},
                        {2.0000000000000009, 11.774463848997202},
                        {1.9023177883457794, 12.019868148422885}};
    const auto pieces = clipPolyline(makeClipOutline(outline), line);
    ASSERT_EQ(pieces.size(), 1u);
    for (scene::Point p : pieces.front())
        EXPECT_TRUE(pointInPolygon(outline, p) || distanceToOutline(outline, p) < kOnOutline) << p.x << ", " << p.y;
}
