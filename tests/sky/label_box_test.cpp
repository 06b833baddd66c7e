#include "sky/label_box.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sky;

namespace {

using Box = std::array<scene::Point, 4>;

/// A w × h rectangle centred on (x, y), turned by `degrees`.
Box rectangle(double x, double y, double w, double h, double degrees)
{
    const double a = degrees * kRadiansPerDegree, c = std::cos(a), s = std::sin(a);
    Box b;
    const double corners[4][2] = {{-w / 2, -h / 2}, {w / 2, -h / 2}, {w / 2, h / 2}, {-w / 2, h / 2}};
    for (int i = 0; i < 4; ++i)
        b[static_cast<std::size_t>(i)] = {x + c * corners[i][0] - s * corners[i][1], y + s * corners[i][0] + c * corners[i][1]};
    return b;
}

} // namespace

TEST(LabelBox, BoxesMeetOnlyWhenTheyShareAPoint)
{
    const struct { const char* name; Box a, b; bool meet; } rows[] = {
        {"side by side, apart", rectangle(0, 0, 2, 1, 0), rectangle(2.1, 0, 2, 1, 0), false},
        {"side by side, overlapping", rectangle(0, 0, 2, 1, 0), rectangle(1.9, 0, 2, 1, 0), true},
        {"one inside the other", rectangle(0, 0, 4, 4, 0), rectangle(0.5, 0.5, 1, 1, 30), true},
        // A diamond by a square's corner (1, 1): its near side lies on x + y = 2c − √½, so at c = 1.6
        // it misses the corner though the upright boxes round the two overlap; at c = 1.3 it covers it.
        {"diamond by a corner", rectangle(0, 0, 2, 2, 0), rectangle(1.6, 1.6, 1, 1, 45), false},
        {"diamond over a corner", rectangle(0, 0, 2, 2, 0), rectangle(1.3, 1.3, 1, 1, 45), true},
        {"crossed bars", rectangle(0, 0, 6, 0.2, 30), rectangle(0, 0, 6, 0.2, -30), true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(boxesOverlap(r.a, r.b), r.meet);
        EXPECT_EQ(boxesOverlap(r.b, r.a), r.meet);
    }
}

TEST(LabelBox, BoxInsideNeedsEverySideClearOfTheOutline)
{
    // A U: its notch x 1…2 reaches down to y = 1 between the arms.
    const ClipOutline u = makeClipOutline({{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}});
    const struct { const char* name; Box box; bool inside; } rows[] = {
        {"in the base", rectangle(1.5, 0.5, 2, 0.5, 0), true},
        {"in an arm", rectangle(0.5, 2, 0.5, 1.5, 0), true},
        {"corners in both arms, across the notch", rectangle(1.5, 2, 2, 0.5, 0), false},
        {"over the outer edge", rectangle(2.9, 0.5, 0.5, 0.5, 0), false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(boxInside(u, r.box), r.inside);
    }
}

TEST(LabelBox, TextBoxFollowsAnchorAndRotation)
{
    scene::Text t;
    t.at = {5, 5};
    t.sizePt = 72.0 / 2.54; // 1 cm
    t.text = "ab";
    const double w = estimatedTextWidth(t.text, t.sizePt);
    const struct { scene::Anchor anchor; double rotation; scene::Point start, end; } rows[] = {
        {scene::Anchor::Start, 0, {5, 5}, {5 + w, 5}},
        {scene::Anchor::End, 0, {5 - w, 5}, {5, 5}},
        {scene::Anchor::Middle, 90, {5, 5 - w / 2}, {5, 5 + w / 2}}, // clockwise: reads downward
    };
    for (const auto& r : rows) {
        t.anchor = r.anchor;
        t.rotationDeg = r.rotation;
        const Box b = labelBox(t);
        // Corner 0 is the start of the baseline moved down by the descent, corner 1 its end.
        const scene::Point down{-std::sin(r.rotation * kRadiansPerDegree) * kDescentEm, std::cos(r.rotation * kRadiansPerDegree) * kDescentEm};
        EXPECT_NEAR(b[0].x, r.start.x + down.x, 1e-12);
        EXPECT_NEAR(b[0].y, r.start.y + down.y, 1e-12);
        EXPECT_NEAR(b[1].x, r.end.x + down.x, 1e-12);
        EXPECT_NEAR(b[1].y, r.end.y + down.y, 1e-12);
    }
}
