#include "sky/coordinate_grid.h"

#include <gtest/gtest.h>

using namespace sky;

TEST(CoordinateGrid, HourMeridiansAndParallels)
{
    struct Row { int step; double southmost, northmost; std::size_t parallels; };
    const Row rows[] = {{10, -80.0, 80.0, 17}, {15, -75.0, 75.0, 11}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.step);
        const auto grid = coordinateGrid(row.step);
        ASSERT_EQ(grid.size(), 24 + row.parallels);
        for (int hour = 0; hour < 24; ++hour) {
            const GridLine& m = grid[static_cast<std::size_t>(hour)];
            EXPECT_EQ(m.kind, GridLine::Kind::Meridian);
            EXPECT_DOUBLE_EQ(m.valueDeg, 15.0 * hour);
            // Meridians stop at the outermost parallels.
            EXPECT_DOUBLE_EQ(m.curve.at(0.0).phi, row.southmost);
            EXPECT_DOUBLE_EQ(m.curve.at(1.0).phi, row.northmost);
            EXPECT_DOUBLE_EQ(m.curve.at(0.5).lambda, 15.0 * hour);
        }
        for (std::size_t i = 24; i < grid.size(); ++i) {
            const GridLine& p = grid[i];
            EXPECT_EQ(p.kind, GridLine::Kind::Parallel);
            EXPECT_DOUBLE_EQ(p.valueDeg, row.southmost + row.step * static_cast<double>(i - 24));
            EXPECT_DOUBLE_EQ(p.curve.at(0.25).lambda, 90.0);
            EXPECT_DOUBLE_EQ(p.curve.at(0.25).phi, p.valueDeg);
        }
    }
}

TEST(CoordinateGrid, LabelsEachHourOnce)
{
    const auto hours = hourLabels();
    ASSERT_EQ(hours.size(), 24u);
    EXPECT_EQ(hours[0].text, "0h");
    EXPECT_EQ(hours[23].text, "23h");
    EXPECT_DOUBLE_EQ(hours[23].anchor.lambda, 345.0);
    const auto declinations = declinationLabels(30, 360.0);
    ASSERT_EQ(declinations.size(), 5u);
    EXPECT_EQ(declinations[0].text, "\u221260\u00B0");
    EXPECT_EQ(declinations[2].text, "0\u00B0");
    EXPECT_EQ(declinations[4].text, "+60\u00B0");
    EXPECT_DOUBLE_EQ(declinations[4].anchor.lambda, 0.0);
}
