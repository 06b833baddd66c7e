// The orthographic projection of the globe preview, checked against hand-computed picture points.

#include "globe/globe_projection.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace globe;

namespace {

constexpr double kPixelTolerance = 1e-9;
constexpr double kDegreeTolerance = 1e-9;

/// An 800 × 800 picture at zoom 1: centre (400, 400), sphere radius 0.92 · 400 = 368 px.
constexpr double kSide = 800.0, kCentre = 400.0, kRadius = 368.0;

struct ProjectionRow
{
    const char* what;
    GlobeOrientation view;
    sky::SkyPoint star; // λ, φ in degrees
    double x, y;
    bool facing;
};

// sin 30° · 368 = 184; sin 60° · 368 = 318.6973… (368 · √3 / 2).
const double kSin60 = kRadius * std::sqrt(3.0) / 2.0;

const ProjectionRow kRows[] = {
    {"0h 0° at the centre", {0, 0, 1, false}, {0, 0}, kCentre, kCentre, true},
    {"+60° straight above it", {0, 0, 1, false}, {0, 60}, kCentre, kCentre - kSin60, true},
    {"2h east, to the right from outside", {0, 0, 1, false}, {30, 0}, kCentre + 184.0, kCentre, true},
    {"2h east, to the left from inside", {0, 0, 1, true}, {30, 0}, kCentre - 184.0, kCentre, true},
    {"−60° below it from inside too", {0, 0, 1, true}, {0, -60}, kCentre, kCentre + kSin60, true},
    {"turned to 12h, 0h 0° is behind", {180, 0, 1, false}, {0, 0}, kCentre, kCentre, false},
    {"turned to 12h, +60° behind, still above", {180, 0, 1, false}, {0, 60}, kCentre, kCentre - kSin60, false},
    {"turned to 12h, 14h to the right", {180, 0, 1, false}, {210, 0}, kCentre + 184.0, kCentre, true},
    {"tilted to +60°, +60° at the centre", {0, 60, 1, false}, {0, 60}, kCentre, kCentre, true},
    {"tilted to +60°, 0h 0° below", {0, 60, 1, false}, {0, 0}, kCentre, kCentre + kSin60, true},
    {"tilted to −60°, +60° on the far side", {0, -60, 1, false}, {0, 60}, kCentre, kCentre - kSin60, false},
    {"zoom 2 doubles the distance", {0, 0, 2, false}, {30, 0}, kCentre + 368.0, kCentre, true},
    {"yaw 360 is yaw 0", {360, 0, 1, false}, {30, 0}, kCentre + 184.0, kCentre, true},
};

} // namespace

TEST(GlobeProjection, KnownStarsLandOnHandComputedPoints)
{
    for (const ProjectionRow& row : kRows) {
        SCOPED_TRACE(row.what);
        const ScreenPoint s = project(makeGlobeProjection(row.view, kSide, kSide), sky::toVector(row.star));
        EXPECT_NEAR(s.x, row.x, kPixelTolerance);
        EXPECT_NEAR(s.y, row.y, kPixelTolerance);
        EXPECT_EQ(s.facing, row.facing);
    }
}

TEST(GlobeProjection, DiscFitsTheSmallerSideOfAWidePicture)
{
    const GlobeProjection p = makeGlobeProjection({}, 1000.0, 600.0);
    EXPECT_DOUBLE_EQ(p.centreX, 500.0);
    EXPECT_DOUBLE_EQ(p.centreY, 300.0);
    EXPECT_DOUBLE_EQ(p.scale, kDiscFill * 300.0);
}

TEST(GlobeProjection, InsideIsTheOutsideMirroredLeftToRight)
{
    const GlobeOrientation views[] = {{0, 0, 1, false}, {75, 20, 1, false}, {-140, -55, 2.5, false}, {300, 90, 1, false}};
    const sky::SkyPoint stars[] = {{0, 0}, {88.79, 7.41}, {101.29, -16.72}, {250, 80}, {10, -89}, {200, 45}};
    for (const GlobeOrientation& view : views)
        for (const sky::SkyPoint& star : stars) {
            SCOPED_TRACE(testing::Message() << "yaw " << view.yawDeg << " pitch " << view.pitchDeg << ", star "
                                            << star.lambda << " " << star.phi);
            GlobeOrientation in = view;
            in.inside = true;
            const ScreenPoint a = project(makeGlobeProjection(view, kSide, kSide), sky::toVector(star));
            const ScreenPoint b = project(makeGlobeProjection(in, kSide, kSide), sky::toVector(star));
            EXPECT_NEAR(b.x, kSide - a.x, kPixelTolerance);
            EXPECT_NEAR(b.y, a.y, kPixelTolerance);
            EXPECT_EQ(b.facing, a.facing);
        }
}

TEST(GlobeProjection, DragMovesThePointUnderThePointer)
{
    struct Row
    {
        const char* what;
        GlobeOrientation view;
        double dxDeg, dyDeg; // the drag in degrees of arc at the centre
        double yaw, pitch;
    };
    const Row rows[] = {
        {"right from outside brings the west in", {40, 0, 1, false}, 10, 0, 30, 0},
        {"right from inside brings the east in", {40, 0, 1, true}, 10, 0, 50, 0},
        {"down brings the north in", {40, 10, 1, false}, 0, 20, 40, 30},
        {"pitch stops at the pole", {40, 80, 1, false}, 0, 30, 40, 90},
        {"pitch stops at the south pole", {40, -80, 1, true}, 0, -30, 40, -90},
        {"yaw stays within ±180", {175, 0, 1, true}, 10, 0, -175, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const double scale = 368.0, perDegree = scale * sky::kRadiansPerDegree;
        const GlobeOrientation v = dragged(row.view, row.dxDeg * perDegree, row.dyDeg * perDegree, scale);
        EXPECT_NEAR(v.yawDeg, row.yaw, kDegreeTolerance);
        EXPECT_NEAR(v.pitchDeg, row.pitch, kDegreeTolerance);
        EXPECT_EQ(v.inside, row.view.inside);
    }
}

TEST(GlobeProjection, ZoomStaysWithinItsRange)
{
    EXPECT_DOUBLE_EQ(zoomed({0, 0, 2, false}, 1.5).zoom, 3.0);
    EXPECT_DOUBLE_EQ(zoomed({0, 0, 1, false}, 1e-3).zoom, kMinZoom);
    EXPECT_DOUBLE_EQ(zoomed({0, 0, 1, false}, 1e3).zoom, kMaxZoom);
}
