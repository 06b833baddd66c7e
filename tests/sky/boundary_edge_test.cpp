#include "sky/boundary_edge.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sky;

TEST(BoundaryEdge, PrecessionGivesTheIauRoundB1875Values)
{
    // Delporte's boundaries (IAU 1930) run along whole minutes of right ascension and whole
    // arcminutes of declination of B1875.0; these J2000 corners come from the bundled file.
    struct Row { const char* name; SkyPoint j2000; double hours, minutes, degrees; };
    const Row rows[] = {
        {"Crux NW", {179.0708, -55.6958}, 11, 50, -55.0},
        {"Crux SE", {194.4384, -64.677}, 12, 50, -64.0},
        {"Orion on the equator", {70.8524, 0.2375}, 4, 37, 0.0},
        {"Octans", {50.0917, -82.0645}, 3, 30, -82.5},
        {"Ursa Minor", {195.8206, 76.3289}, 13, 0, 77.0},
    };
    constexpr double kRoundingDeg = 0.002; // the file's 4 decimals, stretched near the poles
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const SkyPoint b = precessToB1875(row.j2000);
        EXPECT_NEAR(b.lambda, 15.0 * (row.hours + row.minutes / 60.0), kRoundingDeg / std::cos(b.phi * kRadiansPerDegree));
        EXPECT_NEAR(b.phi, row.degrees, kRoundingDeg);
        const SkyPoint back = precessFromB1875(b);
        EXPECT_NEAR(back.lambda, row.j2000.lambda, 1e-9);
        EXPECT_NEAR(back.phi, row.j2000.phi, 1e-9);
    }
}

TEST(BoundaryEdge, FollowsTheB1875ParallelNotTheGreatCircle)
{
    // Octans / Chamaeleon: the B1875 parallel −82.5° from 7h40m to 13h40m.
    const SkyPoint a{111.6521, -82.7759}, b{209.1111, -83.1201};
    const SkyCurve edge = boundaryEdge(a, b);
    EXPECT_EQ(edge.at(0.0).lambda, a.lambda);
    EXPECT_EQ(edge.at(1.0).phi, b.phi);
    for (double t : {0.25, 0.5, 0.75}) {
        SCOPED_TRACE(t);
        const SkyPoint p = precessToB1875(edge.at(t));
        EXPECT_NEAR(p.phi, -82.5, 0.002);
        EXPECT_NEAR(p.lambda, 115.0 + t * 90.0, 0.02);
    }
    // The great circle between the corners passes more than a degree nearer the pole.
    EXPECT_GT(angularDistance(edge.at(0.5), greatCircleArc(a, b).at(0.5)), 1.0);
    // Hour-circle edges follow B1875 right ascension: Crux's west side at 11h50m.
    const SkyCurve west = boundaryEdge({179.0708, -55.6958}, {179.0574, -64.6958});
    EXPECT_NEAR(precessToB1875(west.at(0.5)).lambda, 177.5, 0.002);
}
