#include "kit/outline_index.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

using kit::OutlineIndex;
using kit::Point;

namespace {

/// A long thin outline of many short edges, as a gore's seams: `points` corners a side, `step`
/// apart along x, bending away from y = ±1 as the sine of `bend` a corner.
kit::Polygon lens(int points, double step, double bend)
{
    kit::Polygon seam;
    for (int i = 0; i < points; ++i)
        seam.push_back({step * i, 1 + 0.5 * std::sin(bend * i)});
    for (int i = points - 1; i >= 0; --i)
        seam.push_back({step * i, -1 - 0.5 * std::sin(bend * i)});
    return seam;
}

} // namespace

TEST(OutlineIndex, VisitsEveryEdgeNearerThanTheDistanceAndNoOther)
{
    // A long thin outline of many short edges (a gore's seams), and a square: the edges visited
    // are those a plain measure of every edge finds nearer than the distance, big discs included.
    const kit::Polygon seam = lens(401, 0.025, 0.01);
    const kit::Polygon square{{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    const struct { Point p; double distance; } rows[] = {
        {{5, 1.2}, 0.3}, {{5, 0}, 1.0}, {{5, 0}, 1.0000001}, {{0.2, 0.1}, 0.5}, {{5, 0}, 40},
        {{-3, 0}, 2}, {{2, 2}, 2}, {{2, 2}, 1.9999999}, {{5, 1}, 0}, {{5, 1}, -1}, {{5, 1}, std::nan("")},
    };
    for (const kit::Polygon& outline : {seam, square}) {
        const OutlineIndex index(outline);
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << outline.size() << " corners, (" << row.p.x << ", " << row.p.y
                                            << "), distance " << row.distance);
            std::set<std::size_t> expected, visited;
            for (std::size_t i = 0; i < outline.size(); ++i) {
                const Point q = OutlineIndex::nearestOnSegment(outline[i], outline[(i + 1) % outline.size()], row.p);
                if (std::hypot(row.p.x - q.x, row.p.y - q.y) < row.distance)
                    expected.insert(i);
            }
            index.visitNear(row.p, row.distance, [&](const OutlineIndex::Near& near) {
                visited.insert(near.index);
                const double dx = row.p.x - near.nearest.x, dy = row.p.y - near.nearest.y;
                EXPECT_EQ(near.squared, dx * dx + dy * dy);
            });
            EXPECT_EQ(visited, expected);
            EXPECT_EQ(index.within(row.p, row.distance), !expected.empty());
        }
    }
}

TEST(OutlineIndex, WithinAgreesWithAPlainMeasureOfEveryEdge)
{
    // Small discs all over a gore-like outline and just off its edges, where the grid of cleared
    // cells decides alone, and those a hair nearer or farther than the distance from an edge.
    const kit::Polygon seam = lens(1201, 0.0125, 0.004);
    const OutlineIndex index(seam);
    std::vector<std::pair<Point, double>> discs;
    for (const double distance : {1e-4, 0.004, 0.03, 0.2})
        for (int i = 0; i < 4000; ++i)
            discs.push_back({{-0.5 + 16.0 * ((i * 37) % 4000) / 4000.0, -2 + 4.0 * ((i * 91) % 3989) / 3989.0}, distance});
    for (std::size_t i = 0; i < seam.size(); i += 7) {
        const Point& a = seam[i];
        for (const double distance : {0.001, 0.05})
            for (const double by : {1 - 1e-12, 1.0, 1 + 1e-12, 1 + 1e-6})
                discs.push_back({{a.x, a.y + (a.y > 0 ? 1 : -1) * distance * by}, distance});
        // Off the seam on either side, the distance a millionth short of the outline and beyond it.
        for (const double off : {-0.3, -0.06, -0.02, 0.01, 0.04, 0.09, 0.15}) {
            const Point p{a.x + 0.37 * off, a.y + off};
            const double nearest = kit::distanceToOutline(seam, p);
            discs.push_back({p, nearest * (1 - 1e-6)});
            discs.push_back({p, nearest * (1 + 1e-6)});
        }
    }
    // The same with the edges sorted into groups, the seams and the ends.
    OutlineIndex grouped(seam);
    std::vector<std::uint16_t> groups;
    for (std::size_t i = 0; i < seam.size(); ++i)
        groups.push_back(i < 1200 ? 0 : i == 1200 ? 1 : i + 1 < seam.size() ? 2 : 3);
    grouped.setGroups(groups, 4);
    for (const auto& [p, distance] : discs) {
        const bool plain = kit::outlineWithin(seam, p, distance);
        ASSERT_EQ(index.within(p, distance), plain) << "(" << p.x << ", " << p.y << "), distance " << distance;
        ASSERT_EQ(grouped.within(p, distance), plain) << "(" << p.x << ", " << p.y << "), distance " << distance << ", grouped";
    }
}

TEST(OutlineIndex, NearestOfEachGroupIsTheNearestEdgeVisitedOfIt)
{
    // A gore-like outline of 800 short edges in four groups (its two seams, its two ends) and
    // discs all over and round it: each group's nearest edge, the lowest numbered of equals, is
    // the one a visit of every edge within the distance finds; of the groups asked for, when
    // only some are.
    kit::Polygon seam;
    std::vector<std::uint16_t> groups;
    for (int i = 0; i <= 400; ++i) {
        seam.push_back({0.025 * i, 1 + 0.5 * std::sin(0.01 * i)});
        groups.push_back(i == 400 ? 1 : 0);
    }
    for (int i = 400; i >= 0; --i) {
        seam.push_back({0.025 * i, -1 - 0.5 * std::sin(0.01 * i)});
        groups.push_back(i == 0 ? 3 : 2);
    }
    OutlineIndex index(seam);
    index.setGroups(groups, 4);
    std::vector<std::optional<OutlineIndex::Near>> nearest;
    for (int k = 0; k < 2000; ++k) {
        const Point p{-1 + 12.0 * ((k * 37) % 1000) / 1000.0, -2.5 + 5.0 * ((k * 91) % 997) / 997.0};
        const double distance = 0.01 + 1.5 * ((k * 13) % 101) / 100.0;
        SCOPED_TRACE(testing::Message() << "(" << p.x << ", " << p.y << "), distance " << distance);
        // Every group, then each pair of groups in turn.
        std::vector<bool> wanted;
        if (k % 3 != 0)
            wanted = {k % 4 == 0 || k % 4 == 1, k % 4 == 1 || k % 4 == 2, k % 4 == 2 || k % 4 == 3, k % 4 == 3 || k % 4 == 0};
        std::vector<std::optional<OutlineIndex::Near>> expected(4);
        index.visitNear(p, distance, [&](const OutlineIndex::Near& near) {
            if (!wanted.empty() && !wanted[groups[near.index]])
                return;
            auto& best = expected[groups[near.index]];
            if (!best || near.squared < best->squared || (near.squared == best->squared && near.index < best->index))
                best = near;
        });
        index.nearestInGroups(p, distance, nearest, wanted);
        ASSERT_EQ(nearest.size(), 4u);
        for (std::size_t g = 0; g < 4; ++g) {
            ASSERT_EQ(nearest[g].has_value(), expected[g].has_value()) << "group " << g;
            if (expected[g]) {
                EXPECT_EQ(nearest[g]->index, expected[g]->index) << "group " << g;
                EXPECT_EQ(nearest[g]->squared, expected[g]->squared) << "group " << g;
            }
        }
    }
}
