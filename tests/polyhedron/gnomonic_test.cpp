#include "polyhedron/gnomonic.h"

#include "stars/angles.h"

#include <gtest/gtest.h>

#include <cmath>

using polyhedron::angularDistance;
using polyhedron::project;
using polyhedron::TangentPoint;
using stars::DegreeFactor;

namespace {

constexpr double kPlaneTolerance = 1e-6;

TEST(Gnomonic, WorkedExample)
{
    const TangentPoint t{0.0, 90.0 * DegreeFactor};
    const auto p = project(t, 10.0 * DegreeFactor, 100.0 * DegreeFactor);
    EXPECT_NEAR(p.d / DegreeFactor, 14.106, 5e-4);
    EXPECT_NEAR(p.x, 0.176327, kPlaneTolerance);
    EXPECT_NEAR(p.y, 0.179047, kPlaneTolerance);
}

TEST(Gnomonic, HandComputedPoints)
{
    struct Row
    {
        const char* name;
        double phi0, lambda0, phi, lambda; // degrees
        double d, x, y;                    // degrees, sphere radii
    };
    const double t30 = std::tan(30.0 * DegreeFactor);
    const Row rows[] = {
        {"tangent point itself", 20, 40, 20, 40, 0, 0, 0},
        {"north of an equatorial tangent point", 0, 0, 45, 0, 45, 0, 1},
        {"east along the equator", 0, 0, 0, 30, 30, t30, 0},
        {"west along the equator", 0, 0, 0, -30, 30, -t30, 0},
        {"from the north pole towards longitude 90", 90, 0, 60, 90, 30, t30, 0},
        {"from the north pole towards longitude 180", 90, 0, 60, 180, 30, 0, t30}, // "up" is away from λ0
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const TangentPoint t{r.phi0 * DegreeFactor, r.lambda0 * DegreeFactor};
        const auto p = project(t, r.phi * DegreeFactor, r.lambda * DegreeFactor);
        EXPECT_NEAR(p.d / DegreeFactor, r.d, 1e-9);
        EXPECT_NEAR(angularDistance(t, r.phi * DegreeFactor, r.lambda * DegreeFactor), p.d, 1e-15);
        EXPECT_NEAR(p.x, r.x, 1e-12);
        EXPECT_NEAR(p.y, r.y, 1e-12);
    }
}

} // namespace
