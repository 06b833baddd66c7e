#include "export/display_list.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace exporter;
using canvas::RecordingCanvas;

namespace {

RecordingCanvas sized(float w, float h)
{
    RecordingCanvas c;
    c.setWidth(w);
    c.setHeight(h);
    c.Cls();
    return c;
}

template <class T> std::vector<T> itemsOf(const DisplayList& l)
{
    std::vector<T> out;
    for (const Item& i : l.items)
        if (const T* t = std::get_if<T>(&i))
            out.push_back(*t);
    return out;
}

} // namespace

TEST(DisplayList, KeepsOnlyWhatFollowsTheLastCls)
{
    RecordingCanvas c = sized(10, 10);
    c.Circle(1, 1, 0.5f);
    c.Cls();
    c.Circle(2, 3, 0.25f);
    c.Line(0, 0, 5, 5);
    const DisplayList l = makeDisplayList(c);
    ASSERT_EQ(l.items.size(), 2u);
    const Dot d = std::get<Dot>(l.items[0]);
    EXPECT_EQ(d.centre.x, 2.0);
    EXPECT_EQ(d.centre.y, 3.0);
    EXPECT_EQ(d.radius, 0.25);
    EXPECT_EQ(std::get<Segment>(l.items[1]).to.x, 5.0);
}

TEST(DisplayList, ColoursFollowTheCalls)
{
    RecordingCanvas c = sized(10, 10);
    c.Circle(1, 1, 0.1f);
    c.setFillColor(canvas::kRed);
    c.setForeColor(canvas::kRed);
    c.Circle(2, 2, 0.05f);
    c.Line(2, 2, 3, 3, canvas::kRed);
    c.setFillColor(canvas::kBlack);
    c.setForeColor(canvas::kBlack);
    c.Line(1, 1, 4, 4);
    const auto dots = itemsOf<Dot>(makeDisplayList(c));
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0].fill, canvas::kBlack);
    EXPECT_EQ(dots[1].fill, canvas::kRed);
    EXPECT_EQ(dots[1].fore, canvas::kRed);
    const auto lines = itemsOf<Segment>(makeDisplayList(c));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].color, canvas::kRed);
    EXPECT_EQ(lines[1].color, canvas::kBlack);
}

TEST(DisplayList, DotsWhollyOffTheCanvasAreLeftOut)
{
    RecordingCanvas c = sized(10, 10);
    c.Circle(-0.5f, 5, 0.4f);  // off the left edge
    c.Circle(-0.5f, 5, 0.6f);  // reaches onto it
    c.Circle(5, 10.3f, 0.2f);  // below
    c.Circle(5, 5, 0.0f);      // a zero-radius corner mark stays
    const auto dots = itemsOf<Dot>(makeDisplayList(c));
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0].radius, 0.6f);
    EXPECT_EQ(dots[1].radius, 0.0);
}

TEST(DisplayList, TwoEdgesDrawnADotOfEachPerStepBecomeTwoPolylines)
{
    // As the gore outline: at each step one dot above and one below the centre line.
    RecordingCanvas c = sized(20, 10);
    const float r = 1.0f / 300.0f;
    for (int i = 0; i <= 1000; ++i) {
        const double t = i * 0.003;
        const double dy = 4 * std::sin(t);
        c.Circle(static_cast<float>(1 + 5 * t), static_cast<float>(5 + dy), r);
        c.Circle(static_cast<float>(1 + 5 * t), static_cast<float>(5 - dy), r);
    }
    const DisplayList l = makeDisplayList(c);
    EXPECT_TRUE(itemsOf<Dot>(l).empty());
    const auto lines = itemsOf<Polyline>(l);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points.size(), 1001u);
    EXPECT_FLOAT_EQ(lines[0].points[500].y, static_cast<float>(5 + 4 * std::sin(1.5)));
    EXPECT_FLOAT_EQ(lines[1].points[500].y, static_cast<float>(5 - 4 * std::sin(1.5)));
}

TEST(DisplayList, ACircleOfDotsBecomesOneClosedPolyline)
{
    RecordingCanvas c = sized(10, 10);
    const int count = 628;
    for (int i = 0; i < count; ++i) {
        const double a = 2 * M_PI * i / count;
        c.Circle(static_cast<float>(5 + std::cos(a)), static_cast<float>(5 - std::sin(a)), 1.0f / 300.0f);
    }
    const auto lines = itemsOf<Polyline>(makeDisplayList(c));
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].points.size(), count + 1u);
    EXPECT_EQ(lines[0].points.front().x, lines[0].points.back().x);
    EXPECT_EQ(lines[0].points.front().y, lines[0].points.back().y);
}

TEST(DisplayList, ChainsAreCutWhereTheyLeaveTheCanvas)
{
    // A straight chain from x = -5 to x = 15 across a 10 cm canvas keeps the part within
    // half a centimetre of it.
    RecordingCanvas c = sized(10, 10);
    for (int i = 0; i <= 2000; ++i)
        c.Circle(static_cast<float>(-5 + i * 0.01), 5.0f, 0.01f);
    const auto lines = itemsOf<Polyline>(makeDisplayList(c));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].points.front().x, -0.5, 1e-5);
    EXPECT_NEAR(lines[0].points.back().x, 10.5, 1e-5);
}

TEST(DisplayList, ShortRunsOfSmallDotsStayDots)
{
    // Faint stars of one size one after another are stars, not a line.
    RecordingCanvas c = sized(10, 10);
    for (int i = 0; i < 50; ++i)
        c.Circle(static_cast<float>(0.1 * i), 1.0f, 0.005f);
    const DisplayList l = makeDisplayList(c);
    EXPECT_EQ(itemsOf<Dot>(l).size(), 50u);
    EXPECT_TRUE(itemsOf<Polyline>(l).empty());
}
