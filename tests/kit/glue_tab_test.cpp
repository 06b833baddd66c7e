#include "kit/glue_tab.h"

#include "kit/convex_overlap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kit;
using testing_support::sharedArea;

namespace {

constexpr double kRounding = 1e-12; // cm or cm²

/// A regular polygon of `corners` corners `radius` cm round (10, 10), turning as `turn` says.
std::vector<OutlineEdge> regular(int corners, double radius, double turn)
{
    std::vector<Point> p;
    for (int j = 0; j < corners; ++j) {
        const double a = turn * 2 * std::numbers::pi * j / corners;
        p.push_back({10 + radius * std::cos(a), 10 + radius * std::sin(a)});
    }
    std::vector<OutlineEdge> edges;
    for (int j = 0; j < corners; ++j)
        edges.push_back({{p[j], p[(j + 1) % corners]}, true});
    return edges;
}

/// Distance of `p` from the line through a and b.
double offLine(Point a, Point b, Point p)
{
    return std::fabs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / std::hypot(b.x - a.x, b.y - a.y);
}

} // namespace

TEST(GlueTab, TaperedTrapezoidOrTriangleOutsideItsEdge)
{
    struct Row
    {
        double length, width, height; ///< the tab's height: its width, or half a short edge
        std::size_t corners;
    };
    for (const Row& r : {Row{5, 0.7, 0.7, 4}, Row{1.4, 0.7, 0.7, 3}, Row{1, 0.7, 0.5, 3}, Row{3, 0.6, 0.6, 4}})
        for (const double turn : {1.0, -1.0}) {
            SCOPED_TRACE(std::to_string(r.length) + " cm edge, " + std::to_string(r.width) + " cm tab, turn "
                         + std::to_string(turn));
            // A square with the edge under test first; only it has a tab.
            const Point a{0, 0}, b{r.length, 0}, c{r.length, turn * r.length}, d{0, turn * r.length};
            const TabbedOutline t = addGlueTabs({{{a, b}, true}, {{b, c}, false}, {{c, d}, false}, {{d, a}, false}},
                                                r.width);
            ASSERT_EQ(t.tabs.size(), 1u);
            ASSERT_EQ(t.tabs[0].size(), r.corners);
            EXPECT_EQ(t.folds[0], (std::vector<Point>{a, b}));
            for (std::size_t i = 2; i < t.tabs[0].size(); ++i) {
                const Point q = t.tabs[0][i];
                EXPECT_NEAR(offLine(a, b, q), r.height, kRounding);
                EXPECT_LT(q.y * turn, 0.0); // on the far side of the edge from the square
                // 45° ends: each outer corner stands as far along from its end as it stands off the edge.
                EXPECT_NEAR(std::min(q.x, r.length - q.x), r.height, kRounding);
            }
            EXPECT_EQ(t.cut.size(), 4 + r.corners - 2);
            EXPECT_NEAR(std::fabs(signedArea(t.cut)) - std::fabs(signedArea(t.piece)),
                        std::fabs(signedArea(t.tabs[0])), kRounding);
        }
}

TEST(GlueTab, NoTabOverlapsItsPiece)
{
    for (const int corners : {3, 4, 5, 6})
        for (const double radius : {0.8, 4.0})
            for (const double turn : {1.0, -1.0}) {
                SCOPED_TRACE(std::to_string(corners) + " corners, radius " + std::to_string(radius));
                const TabbedOutline t = addGlueTabs(regular(corners, radius, turn), 0.7);
                ASSERT_EQ(t.tabs.size(), static_cast<std::size_t>(corners));
                for (std::size_t i = 0; i < t.tabs.size(); ++i) {
                    EXPECT_LT(sharedArea(t.tabs[i], t.piece), kRounding) << "tab " << i;
                    EXPECT_LT(sharedArea(t.tabs[i], t.tabs[(i + 1) % t.tabs.size()]), kRounding) << "tab " << i;
                }
            }
}
