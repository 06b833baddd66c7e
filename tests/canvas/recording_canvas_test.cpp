#include "canvas/recording_canvas.h"

#include <gtest/gtest.h>

#include <limits>

using namespace canvas;
using Kind = CanvasCall::Kind;

TEST(RecordingCanvas, KeepsCallsInOrderWithTheirArguments)
{
    RecordingCanvas c;
    c.setWidth(13.547005f);
    c.setHeight(13.547005f);
    c.Cls();
    c.setFillColor(kRed);
    c.Circle(1.5f, 2.5f, 0.05f);
    c.Line(1, 2, 3, 4, kRed);
    c.Line(5, 6, 7, 8);
    const auto& calls = c.calls();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0].kind, Kind::SetWidth);
    EXPECT_EQ(calls[0].a, 13.547005f);
    EXPECT_EQ(calls[2].kind, Kind::Cls);
    EXPECT_EQ(calls[3].color, kRed);
    EXPECT_EQ(calls[4].kind, Kind::Circle);
    EXPECT_EQ(calls[4].c, 0.05f);
    EXPECT_EQ(calls[5].color, kRed);
    EXPECT_FALSE(calls[6].color.has_value());
    EXPECT_EQ(c.callsOf(Kind::Line).size(), 2u);
}

TEST(RecordingCanvas, SnapsItsSizeToWholePixelsAt96Dpi)
{
    RecordingCanvas c;
    c.setWidth(22.4203522f);
    c.setHeight(12.7695f);
    // 847 × 483 pixels at 96 dpi.
    EXPECT_FLOAT_EQ(c.width(), static_cast<float>(847 * 2.54 / 96));
    EXPECT_FLOAT_EQ(c.height(), static_cast<float>(483 * 2.54 / 96));
    c.setWidth(-3.0f);
    EXPECT_EQ(c.width(), 0.0f);
}

TEST(CanvasGeometry, PixelsOfASide)
{
    EXPECT_EQ(sidePixels(2.54f), 96);
    EXPECT_EQ(sidePixels(13.547005f), 512);
    EXPECT_EQ(sidePixels(9.763f), 369);
    EXPECT_EQ(sidePixels(0.0f), 0);
    EXPECT_EQ(sidePixels(-5.0f), 0);
    // Far beyond any drawing, yet still a count of pixels, never a negative one.
    EXPECT_EQ(sidePixels(1e30f), std::numeric_limits<int>::max());
    EXPECT_EQ(sidePixels(std::numeric_limits<float>::infinity()), std::numeric_limits<int>::max());
    EXPECT_EQ(sidePixels(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_NEAR(centimetresToPixels(1.0), 37.795, 1e-3);
}
