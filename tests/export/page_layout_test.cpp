#include "render/page_layout.h"

#include <gtest/gtest.h>

using namespace exporter;

TEST(PageLayout, WithoutPaperATemplateHasAPageOfItsOwnSize)
{
    const PageLayout l = layoutPages(22.42, 12.77, std::nullopt);
    EXPECT_FALSE(l.tiled);
    EXPECT_DOUBLE_EQ(l.pageWidth, 22.42);
    EXPECT_DOUBLE_EQ(l.pageHeight, 12.77);
    ASSERT_EQ(l.tiles.size(), 1u);
}

TEST(PageLayout, GoreOf80CmOnA4)
{
    // R = 80, n = 8: the canvas takes 4825 × 2580 px at 96 dpi, 127.661 × 68.263 cm.
    // A4 portrait leaves 19 × 22.1 cm (1 cm margins, 6.6 cm footer with the 5 cm square):
    // steps of 18 and 21.1 cm give ceil(126.661 / 18) = 8 columns and ceil(67.263 / 21.1) = 4
    // rows, 32 sheets; landscape (27.7 × 13.4, steps 26.7 and 12.4) 5 × 6 = 30.
    const PageLayout l = layoutPages(127.66146, 68.2625, paperNamed("a4"));
    EXPECT_TRUE(l.tiled);
    EXPECT_DOUBLE_EQ(l.pageWidth, 29.7);
    EXPECT_DOUBLE_EQ(l.pageHeight, 21.0);
    EXPECT_EQ(l.columns, 5);
    EXPECT_EQ(l.rows, 6);
    EXPECT_EQ(l.tiles.size(), 30u);
}

TEST(PageLayout, TilesOverlapByOneCentimetreAndCoverTheTemplate)
{
    const double w = 127.66146, h = 68.2625;
    const PageLayout l = layoutPages(w, h, paperNamed("a3"));
    for (const Tile& t : l.tiles) {
        SCOPED_TRACE(std::to_string(t.row) + "," + std::to_string(t.column));
        if (t.column > 0) {
            const Tile& left = l.tiles[t.row * l.columns + t.column - 1];
            EXPECT_NEAR(left.x + left.width - t.x, 1.0, 1e-12);
        }
        if (t.row > 0) {
            const Tile& above = l.tiles[(t.row - 1) * l.columns + t.column];
            EXPECT_NEAR(above.y + above.height - t.y, 1.0, 1e-12);
        }
    }
    const Tile& last = l.tiles.back();
    EXPECT_GE(last.x + last.width, w);
    EXPECT_GE(last.y + last.height, h);
    // One column fewer would not reach the right edge.
    EXPECT_LT((l.columns - 1) * (l.contentWidth - 1.0) + 1.0, w);
}

TEST(PageLayout, SmallTemplateFitsOneSheetTurnedAsNeeded)
{
    // 22.42 cm is wider than A4 portrait's 19 cm, but fits landscape's 27.7 × 13.4.
    const PageLayout l = layoutPages(22.42, 12.77, paperNamed("a4"));
    EXPECT_EQ(l.tiles.size(), 1u);
    EXPECT_DOUBLE_EQ(l.pageWidth, 29.7);
    EXPECT_DOUBLE_EQ(l.pageHeight, 21.0);
}

TEST(PageLayout, PaperNames)
{
    EXPECT_DOUBLE_EQ(paperNamed("a3")->height, 42.0);
    EXPECT_DOUBLE_EQ(paperNamed("letter")->height, 27.94);
}
