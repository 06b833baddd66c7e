#include "stars/star_colour.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace stars;

TEST(StarColour, TemperatureOfTheSunAndVega)
{
    // Ballesteros (2012) by hand: B−V 0.65 gives 4600 (1/2.298 + 1/1.218) = 5778 K; B−V 0 gives 10,125 K.
    struct Row { double bv, kelvin; };
    for (const Row row : {Row{0.65, 5778.5}, Row{0.0, 10125.1}}) {
        SCOPED_TRACE(row.bv);
        EXPECT_NEAR(colourTemperature(row.bv), row.kelvin, 1.0);
    }
}

TEST(StarColour, BlackBodiesAsTheTwoDegreeD65Table)
{
    // Mitchell Charity's black-body colour table (CIE 1931 2°, D65 white), rounded to 8 bits;
    // the analytic observer fit keeps within a few steps of it.
    constexpr int kTolerance = 8;
    struct Row { double kelvin; Srgb expected; };
    const Row rows[] = {
        {2000, {255, 137, 18}}, {3000, {255, 180, 107}}, {4000, {255, 209, 163}},
        {5000, {255, 228, 206}}, {10000, {204, 219, 255}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kelvin);
        const Srgb c = blackBodyColour(row.kelvin);
        EXPECT_LE(std::abs(c.r - row.expected.r), kTolerance) << c.r;
        EXPECT_LE(std::abs(c.g - row.expected.g), kTolerance) << c.g;
        EXPECT_LE(std::abs(c.b - row.expected.b), kTolerance) << c.b;
    }
}

TEST(StarColour, TableTakesTheNearestRowAndItsEnds)
{
    struct Row { double bv, row; };
    const Row rows[] = {{0.02, 0.0}, {0.03, 0.05}, {-3.0, -0.4}, {5.0, 2.0}, {1.51, 1.5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bv);
        EXPECT_EQ(starColour(row.bv), blackBodyColour(colourTemperature(row.row)));
    }
}
