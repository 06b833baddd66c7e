#include "gore/gore_layout.h"
#include "gore/gore_projection.h"
#include "gore/polar_plate.h"
#include "stars/angles.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gore;
using stars::DegreeFactor;

namespace {
constexpr double kCm = 0.0005;  // half the last printed digit of the worked values in cm
constexpr double kDeg = 0.0005; // likewise for degrees
} // namespace

TEST(GoreLayout, DefaultsRequestTheWorkedCanvas)
{
    const GoreLayout g = makeGoreLayout(GoreParameters{});
    EXPECT_NEAR(g.requestedWidth, 22.42, 0.005);
    EXPECT_NEAR(g.requestedHeight, 12.77, 0.005);
    EXPECT_NEAR(g.fullWidth / 2, 5.385, kCm);
    EXPECT_DOUBLE_EQ(g.centralLongitude, 22.5);
}

TEST(GoreProjection, LongitudeWindowHasAThreeDegreeGraceAndNoWrapAround)
{
    const GoreLayout gore1 = makeGoreLayout(GoreParameters{});
    struct Row { double lambda; bool in; };
    for (const Row& r : {Row{47.9, true}, Row{48.0, false}, Row{-2.9, true}, Row{-3.0, false}, Row{359.0, false},
                         Row{22.5, true}, Row{0.0, true}}) {
        SCOPED_TRACE(r.lambda);
        EXPECT_EQ(inLongitudeWindow(gore1, r.lambda), r.in);
    }
    GoreParameters p;
    p.k = 0; // longitudes −45° … 0°
    const GoreLayout gore0 = makeGoreLayout(p);
    EXPECT_TRUE(inLongitudeWindow(gore0, 2.9));
    EXPECT_FALSE(inLongitudeWindow(gore0, 3.0));
    EXPECT_FALSE(inLongitudeWindow(gore0, 340.0));
}

TEST(GoreProjection, EpsilonCorrectionIsMirrored)
{
    struct Row { double phi, deltaLambda, epsilon; };
    for (const Row& r : {Row{30, 20, 1.519}, Row{-30, 20, -1.519}, Row{30, -20, 1.519}, Row{0, 20, 0},
                         Row{30, 0, 0}}) {
        SCOPED_TRACE(std::to_string(r.phi) + " / " + std::to_string(r.deltaLambda));
        EXPECT_NEAR(epsilonDegrees(r.phi, r.deltaLambda), r.epsilon, kDeg);
        EXPECT_NEAR(latitudeCoordinate(r.phi, r.deltaLambda, true), (r.phi + r.epsilon) * DegreeFactor,
                    kDeg * DegreeFactor);
        EXPECT_DOUBLE_EQ(latitudeCoordinate(r.phi, r.deltaLambda, false), r.phi * DegreeFactor);
    }
}

TEST(PolarPlate, WorkedOffsetsFromThePole)
{
    GoreParameters p; // R 13, B 70°
    const PlateLayout plate = makePlateLayout(p);
    struct Row { double lambda, dx, dy; };
    // 1.523 cm right and below at 315°, 2.154 cm straight right at 0°, up at 90°.
    for (const Row& r : {Row{315, 1.523, 1.523}, Row{0, 2.154, 0}, Row{90, 0, -2.154}}) {
        SCOPED_TRACE(r.lambda);
        const scene::Point o = plateOffset(plate, r.lambda, 80);
        EXPECT_NEAR(o.x, r.dx, kCm);
        EXPECT_NEAR(o.y, r.dy, kCm);
    }
    // Square round the n-gon: its corners lie R·cos B / cos(π/n) = 4.812599 cm from the pole.
    EXPECT_NEAR(plate.side, 2 * 4.812599 + 2, 1e-6);
    const scene::Point atBoundary = plateOffset(plate, 0, 70);
    EXPECT_NEAR(atBoundary.x, plate.boundaryRadius, 1e-12);
}

TEST(PolarPlate, BoundaryDotsCloseTheNgonWithoutGaps)
{
    const PlateLayout plate = makePlateLayout(GoreParameters{});
    const auto dots = plateBoundaryDots(plate);
    ASSERT_GE(dots.size(), 2u);
    const double r = 13 * std::cos(70 * DegreeFactor); // 4.446 cm
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const scene::Point& a = dots[i];
        const scene::Point& b = dots[(i + 1) % dots.size()];
        // On the octagon whose sides stand r from the pole, square to the central meridians
        // 22.5°, 67.5°, … (position angle λ points along (cos λ, −sin λ)).
        double farthest = -1e9;
        for (int k = 0; k < 8; ++k) {
            const double lambda = (45.0 * k + 22.5) * DegreeFactor;
            farthest = std::max(farthest, a.x * std::cos(lambda) - a.y * std::sin(lambda));
        }
        ASSERT_NEAR(farthest, r, 1e-9);
        ASSERT_LE(std::hypot(a.x - b.x, a.y - b.y), 0.0101);
    }
}

TEST(GoreProjection, InverseGivesThePointBack)
{
    constexpr double kBack = 1e-9; // degrees
    struct Row { int n; double lambda, phi; };
    // Over the gore k = 2 of n, from its central meridian out to its edges and the 3° grace, pole to pole.
    const Row rows[] = {{8, 67.5, 0}, {8, 45, 30}, {8, 90, -30}, {8, 87, 70}, {8, 48, -89.5},
                        {8, 67.5, 90}, {3, 180, 60}, {3, 123, -45}, {36, 15, 80}, {36, 10, -1e-7}};
    for (const Row& r : rows)
        for (const bool epsilon : {false, true}) {
            SCOPED_TRACE(testing::Message() << "n " << r.n << " λ " << r.lambda << " φ " << r.phi << " ε " << epsilon);
            GoreParameters p;
            p.n = static_cast<std::int16_t>(r.n);
            p.k = 2;
            const GoreLayout g = makeGoreLayout(p);
            const double dl = r.lambda - g.centralLongitude;
            const sky::SkyPoint back =
                goreSkyPoint(g, latitudeCoordinate(r.phi, dl, epsilon), acrossValue(r.phi, dl), epsilon);
            EXPECT_NEAR(back.phi, r.phi, kBack);
            if (std::fabs(r.phi) < 90) { // the pole has every longitude
                EXPECT_NEAR(back.lambda, r.lambda, kBack);
            }
        }
}

TEST(PolarPlate, InverseGivesThePointBack)
{
    constexpr double kBack = 1e-9; // degrees
    struct Row { double boundary, lambda, phi; };
    const Row rows[] = {{70, 0, 80}, {70, 315, 70}, {70, 170, 68.5}, {70, -100, 89.99}, {45, 200, 50}, {85, 22.5, 84.9}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "B " << r.boundary << " λ " << r.lambda << " φ " << r.phi);
        GoreParameters p;
        p.plateBoundary = r.boundary;
        const PlateLayout plate = makePlateLayout(p);
        const sky::SkyPoint north = plateSkyPoint(plate, plateOffset(plate, r.lambda, r.phi));
        const sky::SkyPoint south = southPlateSkyPoint(plate, southPlateOffset(plate, r.lambda, -r.phi));
        EXPECT_NEAR(north.phi, r.phi, kBack);
        EXPECT_NEAR(south.phi, -r.phi, kBack);
        EXPECT_NEAR(std::remainder(north.lambda - r.lambda, 360.0), 0.0, kBack);
        EXPECT_NEAR(std::remainder(south.lambda - r.lambda, 360.0), 0.0, kBack);
    }
    const sky::SkyPoint pole = plateSkyPoint(makePlateLayout(GoreParameters{}), {0, 0});
    EXPECT_NEAR(pole.phi, 90.0, kBack);
}
