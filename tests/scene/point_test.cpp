#include "scene/point.h"

#include <gtest/gtest.h>

#include <limits>

using scene::Point;

TEST(Point, OperationsByHand)
{
    // A 3-4-5 triangle from (1, 2) to (4, 6); every value below is exact in binary.
    const Point a{1, 2}, b{4, 6};
    EXPECT_EQ(b - a, (Point{3, 4}));
    EXPECT_EQ(a + b, (Point{5, 8}));
    EXPECT_EQ(-a, (Point{-1, -2}));
    EXPECT_EQ((b - a) * 0.5, (Point{1.5, 2}));
    EXPECT_EQ(2.0 * a, (Point{2, 4}));
    EXPECT_EQ((b - a) / 4.0, (Point{0.75, 1}));
    EXPECT_EQ(dot(a, b), 16.0);
    EXPECT_EQ(length(b - a), 5.0);
    EXPECT_EQ(distance(a, b), 5.0);
    EXPECT_EQ(distance(b, a), 5.0);
}

TEST(Point, LengthNeitherOverflowsNorUnderflows)
{
    // A sum of squares would overflow to infinity or vanish; hypot keeps both.
    const double big = std::numeric_limits<double>::max() / 2, tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(length(Point{big, 0}), big);
    EXPECT_EQ(distance(Point{0, 0}, Point{0, tiny}), tiny);
}
