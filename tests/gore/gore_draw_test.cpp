#include "fake_gore_windows.h"
#include "gore/gore_command.h"
#include "stars/angles.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace gore;
using canvas::CanvasCall;
using Kind = canvas::CanvasCall::Kind;
using stars::DegreeFactor;
using testing_support::FakeGoreWindows;

namespace {

constexpr double kCm = 0.0005;          // half the last printed digit of the worked values
constexpr float kCuttingDot = 1.0f / 300.0f;
constexpr float kLineDot = 0.01f;
constexpr double kRadiusVmag1 = 0.388;  // default size rule, Vmag 1.0 (d = 7.5)
constexpr double kQuarter = 13 * 3.14159265358979 / 2; // 20.42 cm, equator to pole at R = 13

class GoreDraw : public ::testing::Test
{
protected:
    testing_support::TempDir dir;
    FakeGoreWindows windows;
    GoreSpec inputs;

    std::optional<GoreMessage> draw(const std::string& starFileContent)
    {
        return runGoreDraw(inputs, dir.write("stars.csv", starFileContent), windows);
    }

    static std::vector<CanvasCall> circlesOfRadius(const canvas::RecordingCanvas& c, float radius)
    {
        std::vector<CanvasCall> out;
        for (const auto& call : c.callsOf(Kind::Circle))
            if (call.c == radius)
                out.push_back(call);
        return out;
    }

    /// Circles that are neither edge nor line dots: the stars.
    static std::vector<CanvasCall> starCircles(const canvas::RecordingCanvas& c)
    {
        std::vector<CanvasCall> out;
        for (const auto& call : c.callsOf(Kind::Circle))
            if (call.c != kCuttingDot && call.c != kLineDot)
                out.push_back(call);
        return out;
    }
};

} // namespace

TEST_F(GoreDraw, SequenceWithTheWorkedStar)
{
    inputs.epsilon = false; // epsilon correction off
    ASSERT_FALSE(draw("42.5,30,1\n"));

    const auto& calls = windows.gore.calls();
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(calls[0].kind, Kind::SetWidth);
    EXPECT_NEAR(calls[0].a, 22.42, 0.005);
    EXPECT_EQ(calls[1].kind, Kind::SetHeight);
    EXPECT_NEAR(calls[1].a, 12.77, 0.005);
    EXPECT_EQ(calls[2].kind, Kind::Cls);
    EXPECT_EQ(calls[3].kind, Kind::SetWidth);
    EXPECT_EQ(calls[3].a, calls[0].a);
    EXPECT_EQ(calls[4].kind, Kind::SetHeight);
    EXPECT_EQ(calls[4].a, calls[1].a);

    // Labels after the first sizing, then the window is shown, then cleared.
    const std::vector<std::string> expectedEvents{"goreCanvas@0", "labels@2", "showGore@2"};
    EXPECT_EQ(windows.events, expectedEvents);
    ASSERT_EQ(windows.labels.size(), 1u);
    EXPECT_EQ(windows.labels[0].gores, "n = 8");
    EXPECT_EQ(windows.labels[0].position, "k = 1");
    EXPECT_EQ(windows.labels[0].faintest, "最微等級 = 8.5");
    EXPECT_EQ(windows.labels[0].hemisphere, "北");
    EXPECT_EQ(windows.labels[0].starSize, "恒星サイズ：公比=2.5 ,倍率=10");

    // The star first, at x = 2 + 13·30° = 8.807 and 13·tan 20°·cos 30° = 4.098 below the
    // centre line of the canvas as it reports its size (12.770 cm before pixel snapping).
    const double H = windows.gore.height();
    EXPECT_NEAR(H, 12.77, 0.02);
    EXPECT_EQ(calls[5].kind, Kind::Circle);
    EXPECT_NEAR(calls[5].a, 8.807, kCm);
    EXPECT_NEAR(calls[5].b, H / 2 + 4.098, kCm);
    EXPECT_NEAR(calls[5].c, kRadiusVmag1, kCm);

    // Then the edges, two dots per position, then the equator line, and nothing else.
    EXPECT_EQ(circlesOfRadius(windows.gore, kCuttingDot).size(), 6284u);
    EXPECT_EQ(windows.gore.callsOf(Kind::Circle).size(), 6285u);
    ASSERT_EQ(calls.size(), 5u + 6285u + 1u);
    const CanvasCall& line = calls.back();
    EXPECT_EQ(line.kind, Kind::Line);
    EXPECT_FALSE(line.color);
    EXPECT_NEAR(line.a, 2, 1e-5);
    EXPECT_NEAR(line.c, 2, 1e-5);
    EXPECT_NEAR(line.b, H / 2 + 5.385, kCm);
    EXPECT_NEAR(line.d, H / 2 - 5.385, kCm);

    EXPECT_TRUE(windows.plate.calls().empty());
}

TEST_F(GoreDraw, OutlineFollowsTheGoreEdges)
{
    ASSERT_FALSE(draw(""));
    const auto dots = circlesOfRadius(windows.gore, kCuttingDot);
    ASSERT_EQ(dots.size(), 6284u);
    const double H = windows.gore.height();
    const double x0 = 2 - kQuarter;
    // South pole (t = 0): both dots on the centre line; t = 3.141 last.
    EXPECT_NEAR(dots[0].a, x0, 1e-5);
    EXPECT_NEAR(dots[0].b, H / 2, 1e-5);
    EXPECT_NEAR(dots[1].b, H / 2, 1e-5);
    EXPECT_NEAR(dots.back().a, x0 + 3.141 * 13, 1e-4);
    // Widest at the equator (t = π/2 ≈ 1.571, position 1571), 5.385 cm either side.
    EXPECT_NEAR(dots[2 * 1571].a, x0 + 1.571 * 13, 1e-4);
    EXPECT_NEAR(dots[2 * 1571].b - H / 2, 5.385, kCm);
    EXPECT_NEAR(dots[2 * 1571 + 1].b - H / 2, -5.385, kCm);
    EXPECT_EQ(windows.gore.callsOf(Kind::Line).size(), 1u);
}

TEST_F(GoreDraw, EpsilonCorrectionMovesStarsTowardsThePoles)
{
    // ε = 1.519° at φ = ±30°, Δλ = 20°: x = 2 ± 13·31.519°.
    ASSERT_FALSE(draw("42.5,30,1\n42.5,-30,1\n22.5,30,1\n"));
    const auto stars = starCircles(windows.gore);
    ASSERT_EQ(stars.size(), 3u);
    EXPECT_NEAR(stars[0].a, 2 + 13 * 31.519 * DegreeFactor, kCm);
    EXPECT_NEAR(stars[1].a, 2 - 13 * 31.519 * DegreeFactor, kCm);
    EXPECT_NEAR(stars[2].a, 2 + 13 * 30 * DegreeFactor, kCm); // central meridian: ε = 0
    EXPECT_NEAR(stars[1].b, stars[0].b, 1e-5);                  // across value uses the plain φ
}

TEST_F(GoreDraw, LongitudeWindowAndMagnitudeDecideWhichStarsAreDrawn)
{
    inputs.epsilon = false;
    ASSERT_FALSE(draw("47.9,10,1\n48.0,10,2\n-3,10,3\n359,10,4\n20,10,8.5\n20,10,8.4\n"));
    const auto stars = starCircles(windows.gore);
    ASSERT_EQ(stars.size(), 2u);
    EXPECT_NEAR(stars[0].c, kRadiusVmag1, kCm); // 47.9°
    EXPECT_NEAR(stars[1].c, 10.0 / 10 * std::sqrt(std::pow(2.5, 0.1)) / 80, 1e-6); // Vmag 8.4
}

TEST_F(GoreDraw, SouthernHalfCountsFromTheRightEquator)
{
    inputs.hemisphere = 0;
    inputs.epsilon = false;
    ASSERT_FALSE(draw("42.5,-30,1\n"));
    EXPECT_EQ(windows.labels.at(0).hemisphere, "南");
    const double W = windows.gore.width();
    const auto stars = starCircles(windows.gore);
    ASSERT_EQ(stars.size(), 1u);
    EXPECT_NEAR(stars[0].a, W - 2 - 6.807, kCm);
    const auto line = windows.gore.callsOf(Kind::Line).at(0);
    EXPECT_NEAR(line.a, W - 2, 1e-5);
}

TEST_F(GoreDraw, GrayedHemisphereDrawsNoStars)
{
    inputs.hemisphere = 2;
    ASSERT_FALSE(draw("42.5,30,1\n10,-20,0\n"));
    EXPECT_EQ(windows.labels.at(0).hemisphere, "ﾁｪｯｸﾎﾞｯｸｽ誤作動");
    EXPECT_TRUE(starCircles(windows.gore).empty());
    const auto dots = circlesOfRadius(windows.gore, kCuttingDot);
    ASSERT_EQ(dots.size(), 6284u);
    EXPECT_NEAR(dots.front().a, 0, 1e-6);
    EXPECT_NEAR(dots.back().a, 3.141 * 13, 1e-4);
    EXPECT_NEAR(windows.gore.callsOf(Kind::Line).at(0).a, kQuarter, 1e-5);
}

TEST_F(GoreDraw, EqualLatitudeLineWithoutCorrectionIsStraight)
{
    inputs.epsilon = false;
    inputs.line = true;
    ASSERT_FALSE(draw(""));
    const auto dots = circlesOfRadius(windows.gore, kLineDot);
    ASSERT_EQ(dots.size(), 9002u); // 2 · 100 · 45 + 2
    // The line comes last, after the equator line; pairs at +φL then −φL.
    EXPECT_EQ(windows.gore.calls().back().kind, Kind::Circle);
    const double H = windows.gore.height();
    for (std::size_t i = 0; i < dots.size(); i += 2) {
        ASSERT_NEAR(dots[i].a, 2 + 13 * 70 * DegreeFactor, kCm);     // 17.882
        ASSERT_NEAR(dots[i + 1].a, 2 - 13 * 70 * DegreeFactor, kCm);
        ASSERT_EQ(dots[i].b, dots[i + 1].b);
    }
    EXPECT_NEAR(dots.front().b, H / 2 - 1.842, kCm); // 13·tan 22.5°·cos 70°
    EXPECT_NEAR(dots.back().b, H / 2 + 1.842, kCm);
}

TEST_F(GoreDraw, EqualLatitudeLineWithCorrectionBowsTowardsThePole)
{
    inputs.line = true;
    ASSERT_FALSE(draw(""));
    const auto dots = circlesOfRadius(windows.gore, kLineDot);
    ASSERT_EQ(dots.size(), 9002u);
    // εL = 1.50° at the edges, 0 on the central meridian (θ = 22.5°, position 2250).
    EXPECT_NEAR(dots.front().a, 2 + 13 * 71.502 * DegreeFactor, kCm);
    EXPECT_NEAR(dots[dots.size() - 2].a, 2 + 13 * 71.502 * DegreeFactor, kCm);
    EXPECT_NEAR(dots[2 * 2250].a, 2 + 13 * 70 * DegreeFactor, kCm);
    const auto [lo, hi] = std::minmax_element(dots.begin(), dots.end(),
                                              [](const CanvasCall& a, const CanvasCall& b) { return a.a < b.a; });
    EXPECT_GE(lo->a, 2 - 13 * 71.51 * DegreeFactor);
    EXPECT_LE(hi->a, 2 + 13 * 71.51 * DegreeFactor);
}

TEST_F(GoreDraw, NorthPlateIsPreparedAndTakesTheCapStars)
{
    inputs.northPlate = true;
    inputs.k = "8"; // longitudes 315° … 360°
    ASSERT_FALSE(draw("315,80,1\n330,60,1\n"));

    const auto& plate = windows.plate.calls();
    ASSERT_GE(plate.size(), 4u);
    const double side = 2 * 13 * std::cos(70 * DegreeFactor) / std::cos(22.5 * DegreeFactor) + 2; // 11.625 cm
    EXPECT_EQ(plate[0].kind, Kind::SetWidth);
    EXPECT_NEAR(plate[0].a, side, 1e-5);
    EXPECT_EQ(plate[1].kind, Kind::SetHeight);
    EXPECT_NEAR(plate[1].a, side, 1e-5);
    EXPECT_EQ(plate[2].kind, Kind::Cls);
    EXPECT_TRUE(windows.logged("showPlate", 2));
    // The plate is prepared after the gore canvas has been sized twice and cleared.
    const auto prepared = std::find(windows.events.begin(), windows.events.end(), "plateCanvas@0");
    ASSERT_NE(prepared, windows.events.end());
    EXPECT_LT(std::find(windows.events.begin(), windows.events.end(), "showGore@2"), prepared);

    // The cutting line: tiny dots round the pole at the canvas centre, on the octagon whose
    // sides stand R·cos 70° = 4.446 cm from it, square to the gores' central meridians.
    const double cx = windows.plate.width() / 2, cy = windows.plate.height() / 2;
    const auto boundary = circlesOfRadius(windows.plate, kCuttingDot);
    ASSERT_FALSE(boundary.empty());
    for (const auto& dot : boundary) {
        double farthest = -1e9;
        for (double lambda = 22.5; lambda < 360; lambda += 45)
            farthest = std::max(farthest, (dot.a - cx) * std::cos(lambda * DegreeFactor)
                                              - (dot.b - cy) * std::sin(lambda * DegreeFactor));
        ASSERT_NEAR(farthest, 4.446, kCm);
    }

    // The cap star, 1.523 cm right of and below the pole, drawn after the boundary.
    const auto stars = starCircles(windows.plate);
    ASSERT_EQ(stars.size(), 1u);
    EXPECT_EQ(plate.back().kind, Kind::Circle);
    EXPECT_EQ(plate.back().c, stars[0].c);
    EXPECT_NEAR(stars[0].a, cx + 1.523, kCm);
    EXPECT_NEAR(stars[0].b, cy + 1.523, kCm);
    EXPECT_NEAR(stars[0].c, kRadiusVmag1, kCm);
    // Only the star at 60° stays on the gore.
    EXPECT_EQ(starCircles(windows.gore).size(), 1u);
}

TEST_F(GoreDraw, PlateStarsPileUpWhileThePlateBoxIsClear)
{
    windows.plate.setWidth(18.547f);
    windows.plate.setHeight(18.018f);
    windows.plate.clearCalls();
    const double cx = windows.plate.width() / 2, cy = windows.plate.height() / 2;

    ASSERT_FALSE(draw("0,80,1\n"));
    ASSERT_FALSE(draw("0,80,1\n"));
    // Neither sized, shown nor cleared: only the two stars, 2.154 cm right of the centre.
    const auto& plate = windows.plate.calls();
    ASSERT_EQ(plate.size(), 2u);
    for (const auto& c : plate) {
        EXPECT_EQ(c.kind, Kind::Circle);
        EXPECT_NEAR(c.a, cx + 2.154, kCm);
        EXPECT_NEAR(c.b, cy, kCm);
    }
    EXPECT_EQ(std::count(windows.events.begin(), windows.events.end(), "showPlate@0"), 0);

    // The next Draw with the box ticked clears them.
    inputs.northPlate = true;
    ASSERT_FALSE(draw("0,80,1\n"));
    EXPECT_EQ(windows.plate.calls()[2].kind, Kind::SetWidth);
    EXPECT_EQ(windows.plate.calls()[4].kind, Kind::Cls);
}

TEST_F(GoreDraw, AStarExactlyAtTheBoundaryStaysOnTheGore)
{
    inputs.epsilon = false;
    ASSERT_FALSE(draw("22.5,70,1\n22.5,70.001,1\n"));
    const auto gore = starCircles(windows.gore);
    ASSERT_EQ(gore.size(), 1u);
    EXPECT_NEAR(gore[0].a, 2 + 13 * 70 * DegreeFactor, kCm);
    EXPECT_EQ(starCircles(windows.plate).size(), 1u);
}

TEST_F(GoreDraw, SouthernHalfStillHandsNorthernCapStarsToThePlate)
{
    inputs.hemisphere = 0;
    ASSERT_FALSE(draw("20,75,1\n20,-75,1\n"));
    EXPECT_EQ(starCircles(windows.gore).size(), 1u); // −75° stays: there is no southern test
    EXPECT_EQ(starCircles(windows.plate).size(), 1u);
}

TEST_F(GoreDraw, NegativeRatioWithWholeExponentsDraws)
{
    inputs.ratio = "-2";
    ASSERT_FALSE(draw("20,10,0.5\n")); // d = 8: (−2)^8 = 256
    const auto stars = starCircles(windows.gore);
    ASSERT_EQ(stars.size(), 1u);
    EXPECT_NEAR(stars[0].c, 16.0 / 80, 1e-6);
}

TEST_F(GoreDraw, RefusalsTouchNothing)
{
    struct Row { const char* what; GoreSpec in; const char* stars; const char* expected; };
    GoreSpec base;
    auto with = [&](auto change) { GoreSpec in = base; change(in); return in; };
    const Row rows[] = {
        {"n below 1", with([](auto& in) { in.n = "0"; }), "", "負または零の分割数nは定義できません。"},
        {"n below k", with([](auto& in) { in.k = "9"; }), "", " n < k です。"},
        {"n check first", with([](auto& in) { in.n = "-3"; in.k = "9"; }), "",
         "負または零の分割数nは定義できません。"},
        {"text not a number", with([](auto& in) { in.radius = "abc"; }), "", "恒星球半径"},
        {"reading before validation", with([](auto& in) { in.n = "0"; in.boundary = "x"; }), "", "境界緯度"},
        {"two gores", with([](auto& in) { in.n = "2"; }), "", "分割数 n"},
        {"zero radius", with([](auto& in) { in.radius = "0"; }), "", "恒星球半径"},
        {"huge radius", with([](auto& in) { in.radius = "500"; }), "", "300 cm"},
        {"boundary 0", with([](auto& in) { in.boundary = "0"; }), "", "境界緯度"},
        {"bad star file", base, "20,10,1\n21,x,2\n", "line 2"},
        {"star file cut short", base, "20,10,1\n21,11\n", "stars.csv"},
        {"negative ratio, fractional exponent", with([](auto& in) { in.ratio = "-2.5"; }), "20,10,1\n", "公比"},
        {"star beyond any canvas", base, "20,10,1\n20,-1e300,1\n", "star 2"},
        {"line beyond any canvas", with([](auto& in) { in.line = true; in.lineLatitude = "1e300"; }), "", "等緯度線"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        FakeGoreWindows fresh;
        const auto message = runGoreDraw(r.in, dir.write("stars.csv", r.stars), fresh);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->title, "Tessel");
        EXPECT_NE(message->prompt.find(r.expected), std::string::npos) << message->prompt;
        EXPECT_TRUE(fresh.untouched());
    }
}

TEST_F(GoreDraw, MissingStarFileTouchesNothing)
{
    const auto message = runGoreDraw(inputs, (dir.path() / "gone.csv").string(), windows);
    ASSERT_TRUE(message);
    EXPECT_NE(message->prompt.find("gone.csv"), std::string::npos);
    EXPECT_TRUE(windows.untouched());
}
