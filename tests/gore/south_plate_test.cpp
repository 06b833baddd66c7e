#include "fake_gore_windows.h"
#include "gore/gore_command.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gore;
using canvas::CanvasCall;
using Kind = canvas::CanvasCall::Kind;
using testing_support::FakeGoreWindows;

namespace {

constexpr double kCm = 0.0005;             // half the last printed digit of the worked values
constexpr float kCuttingDot = 1.0f / 300.0f;

/// Star dots (not the cutting circle's) drawn on `c` since it was last cleared.
std::vector<CanvasCall> stars(const canvas::RecordingCanvas& c)
{
    std::vector<CanvasCall> out;
    for (const auto& call : c.callsOf(Kind::Circle))
        if (call.c != kCuttingDot)
            out.push_back(call);
    return out;
}

class SouthPlate : public ::testing::Test
{
protected:
    testing_support::TempDir dir;
    FakeGoreWindows windows;
    GoreSpec inputs;

    void draw(const std::string& starFileContent)
    {
        ASSERT_FALSE(runGoreDraw(inputs, dir.write("stars.csv", starFileContent), windows).has_value());
    }
};

} // namespace

TEST_F(SouthPlate, ClearBoxLeavesTheSouthernCapOnTheGore)
{
    inputs.k = "8"; // longitudes 315° to 360°
    inputs.hemisphere = 0; // southern half
    draw("315,-80,1\n");
    EXPECT_EQ(stars(windows.gore).size(), 1u);
    EXPECT_TRUE(windows.southPlate.calls().empty());
    EXPECT_FALSE(windows.logged("showSouthPlate", 0));
}

TEST_F(SouthPlate, TickedBoxMovesTheCapToAPlateOfItsOwn)
{
    inputs.k = "8";
    inputs.hemisphere = 0;
    inputs.southPlate = 1;
    draw("315,-80,1\n315,-60,1\n");
    // The star at -60° stays on the gore; the one at -80° goes to the southern plate only.
    EXPECT_EQ(stars(windows.gore).size(), 1u);
    EXPECT_TRUE(stars(windows.plate).empty());
    ASSERT_EQ(stars(windows.southPlate).size(), 1u);
    EXPECT_TRUE(windows.logged("showSouthPlate", 2)); // after sizing, before clearing
    const auto calls = windows.southPlate.calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[2].kind, Kind::Cls);
    // Its side is that of the northern plate: 2·13·cos 70° / cos 22.5° + 2 = 11.625 cm (snapped to pixels).
    EXPECT_NEAR(windows.southPlate.width(), 11.625, 0.02);
}

TEST_F(SouthPlate, AStarAndItsMirrorLandMirroredOnTheTwoPlates)
{
    // R = 13, B = 70°: a star at φ 80°, λ 315° lies 1.523 cm right of and 1.523 cm below the
    // northern pole (13·sin 70°/tan 80° = 2.154 cm at position angle 315°). Its mirror at
    // φ −80° lies at position angle −315° = 45° on the southern plate: 1.523 cm right, 1.523 cm above.
    inputs.k = "8";
    inputs.northPlate = true;
    inputs.southPlate = 1;
    draw("315,80,1\n315,-80,1\n");
    const auto north = stars(windows.plate), south = stars(windows.southPlate);
    ASSERT_EQ(north.size(), 1u);
    ASSERT_EQ(south.size(), 1u);
    const double nx = windows.plate.width() / 2.0, ny = windows.plate.height() / 2.0;
    const double sx = windows.southPlate.width() / 2.0, sy = windows.southPlate.height() / 2.0;
    EXPECT_NEAR(north[0].a - nx, 1.523, kCm);
    EXPECT_NEAR(north[0].b - ny, 1.523, kCm);
    EXPECT_NEAR(south[0].a - sx, 1.523, kCm);
    EXPECT_NEAR(south[0].b - sy, -1.523, kCm);
    EXPECT_EQ(north[0].c, south[0].c);

    // Longitudes run the other way round: a star at λ 0° lies straight right of both poles.
    windows = FakeGoreWindows{};
    inputs.k = "1";
    draw("0,80,1\n0,-80,1\n");
    ASSERT_EQ(stars(windows.plate).size(), 1u);
    ASSERT_EQ(stars(windows.southPlate).size(), 1u);
    EXPECT_NEAR(stars(windows.plate)[0].a - nx, 2.154, kCm);
    EXPECT_NEAR(stars(windows.southPlate)[0].a - sx, 2.154, kCm);
    EXPECT_NEAR(stars(windows.southPlate)[0].b - sy, 0.0, kCm);
}

TEST_F(SouthPlate, AStarExactlyAtTheBoundaryStaysOnTheGore)
{
    // On gore 1's central meridian (λ 22.5°) the correction is 0, so φ′ is exactly -70°.
    inputs.hemisphere = 0;
    inputs.southPlate = 1;
    draw("22.5,-70,1\n");
    EXPECT_EQ(stars(windows.gore).size(), 1u);
    EXPECT_TRUE(stars(windows.southPlate).empty());
}
