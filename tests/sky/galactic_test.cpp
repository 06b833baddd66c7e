#include "sky/galactic.h"

#include <gtest/gtest.h>

using namespace sky;

TEST(Galactic, KnownPlacesOfTheGalaxy)
{
    // The galactic centre (l 0°, b 0°) lies at 17h45m37.2s −28°56′10″ J2000; the galactic
    // anticentre opposite it; b +90° is the pole itself; l 122.93192°, b 27.12825° is the celestial pole
    // (its right ascension undefined, so only the declination is checked there).
    struct Row { const char* name; double l, b, lambda, phi; bool checkLambda; };
    const Row rows[] = {
        {"centre", 0.0, 0.0, 266.405, -28.936, true},
        {"anticentre", 180.0, 0.0, 86.405, 28.936, true},
        {"north galactic pole", 0.0, 90.0, 192.85948, 27.12825, true},
        {"south galactic pole", 0.0, -90.0, 12.85948, -27.12825, true},
        {"north celestial pole", 122.93192, 27.12825, 0.0, 90.0, false},
    };
    constexpr double kDegrees = 2e-3;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SkyPoint p = galacticToEquatorial(row.l, row.b);
        if (row.checkLambda) {
            EXPECT_NEAR(p.lambda, row.lambda, kDegrees);
        }
        EXPECT_NEAR(p.phi, row.phi, kDegrees);
    }
}

TEST(Galactic, EquatorKeepsNinetyDegreesFromThePole)
{
    const SkyCurve curve = galacticEquatorCurve();
    const SkyPoint pole{kGalacticPoleLambdaDeg, kGalacticPolePhiDeg};
    for (double t = 0.0; t < 1.0; t += 0.05) {
        SCOPED_TRACE(t);
        EXPECT_NEAR(angularDistance(curve.at(t), pole), 90.0, 1e-9);
    }
}
