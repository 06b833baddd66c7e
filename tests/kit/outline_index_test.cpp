#include "kit/outline_index.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using kit::OutlineIndex;
using kit::Point;

TEST(OutlineIndex, VisitsEveryEdgeNearerThanTheDistanceAndNoOther)
{
    // A long thin outline of many short edges (a gore's seams), and a square: the edges visited
    // are those a plain measure of every edge finds nearer than the distance, big discs included.
    kit::Polygon seam;
    for (int i = 0; i <= 400; ++i)
        seam.push_back({0.025 * i, 1 + 0.5 * std::sin(0.01 * i)});
    for (int i = 400; i >= 0; --i)
        seam.push_back({0.025 * i, -1 - 0.5 * std::sin(0.01 * i)});
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
