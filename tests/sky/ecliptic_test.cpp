#include "sky/ecliptic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace sky;

TEST(Ecliptic, EquatorialPositionsMatchTheAlmanac)
{
    // The Sun's apparent place at these ecliptic longitudes (β = 0), from the spherical
    // triangle tan α = cos ε tan λ, sin δ = sin ε sin λ worked by hand with ε = 23.4392911°.
    struct Row { double longitude, lambda, phi; };
    const Row rows[] = {
        {0.0, 0.0, 0.0},
        {30.0, 27.910550, 11.471974},
        {90.0, 90.0, 23.4392911},
        {180.0, 180.0, 0.0},
        {270.0, 270.0, -23.4392911},
        {330.0, 332.089450, -11.471974},
    };
    constexpr double kDegrees = 1e-6;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.longitude);
        const SkyPoint p = eclipticToEquatorial(row.longitude);
        EXPECT_NEAR(p.lambda, row.lambda, kDegrees);
        EXPECT_NEAR(p.phi, row.phi, kDegrees);
    }
    // Ecliptic latitude +90° is the ecliptic north pole: 18h, 90° − ε.
    const SkyPoint pole = eclipticToEquatorial(0.0, 90.0);
    EXPECT_NEAR(pole.lambda, 270.0, kDegrees);
    EXPECT_NEAR(pole.phi, 90.0 - kObliquityDeg, kDegrees);
}

TEST(Ecliptic, CrossesTheEquatorAtZeroAndTwelveHours)
{
    const auto points = eclipticPoints(0.5);
    ASSERT_EQ(points.size(), 720u);
    std::vector<double> crossings;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const SkyPoint a = points[i], b = points[(i + 1) % points.size()];
        if ((a.phi >= 0.0) != (b.phi >= 0.0)) {
            const double step = std::remainder(b.lambda - a.lambda, 360.0);
            crossings.push_back(normalizedLongitude(a.lambda + step * a.phi / (a.phi - b.phi)));
        }
    }
    std::sort(crossings.begin(), crossings.end());
    ASSERT_EQ(crossings.size(), 2u);
    EXPECT_NEAR(crossings[0], 0.0, 1e-9);
    EXPECT_NEAR(crossings[1], 180.0, 1e-9);
}

TEST(Ecliptic, TicksEveryTenDegreesLabelsEveryThirty)
{
    const auto marks = eclipticMarks();
    ASSERT_EQ(marks.size(), 36u);
    int labelled = 0;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_DOUBLE_EQ(marks[i].longitudeDeg, 10.0 * static_cast<double>(i));
        EXPECT_EQ(marks[i].labelled, i % 3 == 0);
        labelled += marks[i].labelled;
    }
    EXPECT_EQ(labelled, 12);
    // A tick crosses the ecliptic at right angles: its ends lie 0.5° either side of the mark,
    // the northern one 89.5° from the ecliptic pole.
    const SkyCurve tick = eclipticTick(marks[3], 0.5);
    EXPECT_NEAR(angularDistance(tick.at(0.0), marks[3].position), 0.5, 1e-9);
    EXPECT_NEAR(angularDistance(tick.at(1.0), marks[3].position), 0.5, 1e-9);
    EXPECT_NEAR(angularDistance(tick.at(1.0), eclipticToEquatorial(0.0, 90.0)), 89.5, 1e-9);
}
