#include "render/page_layout.h"

#include <cmath>

namespace exporter {

std::optional<PaperSize> paperNamed(const std::string& name)
{
    if (name == "a4")
        return PaperSize{"A4", 21.0, 29.7};
    if (name == "a3")
        return PaperSize{"A3", 29.7, 42.0};
    if (name == "letter")
        return PaperSize{"Letter", 21.59, 27.94};
    return std::nullopt;
}

namespace {

/// Tiles of `step` = `content` − overlap needed to cover `length`.
int tilesAlong(double length, double content)
{
    if (length <= content)
        return 1;
    return static_cast<int>(std::ceil((length - kTileOverlap) / (content - kTileOverlap) - 1e-9));
}

PageLayout tiledOn(double width, double height, double pageWidth, double pageHeight)
{
    PageLayout l;
    l.tiled = true;
    l.pageWidth = pageWidth;
    l.pageHeight = pageHeight;
    l.contentLeft = kPageMargin;
    l.contentTop = kPageMargin;
    l.contentWidth = pageWidth - 2 * kPageMargin;
    l.contentHeight = pageHeight - kPageMargin - kPageFooter;
    l.columns = tilesAlong(width, l.contentWidth);
    l.rows = tilesAlong(height, l.contentHeight);
    return l;
}

} // namespace

PageLayout layoutPages(double width, double height, const std::optional<PaperSize>& paper)
{
    PageLayout l;
    if (!paper) {
        l.pageWidth = width;
        l.pageHeight = height;
        l.contentWidth = width;
        l.contentHeight = height;
        l.tiles.push_back({0, 0, 0.0, 0.0, width, height});
        return l;
    }
    const PageLayout portrait = tiledOn(width, height, paper->width, paper->height);
    const PageLayout landscape = tiledOn(width, height, paper->height, paper->width);
    l = landscape.rows * landscape.columns < portrait.rows * portrait.columns ? landscape : portrait;
    for (int r = 0; r < l.rows; ++r)
        for (int c = 0; c < l.columns; ++c)
            l.tiles.push_back({r, c, c * (l.contentWidth - kTileOverlap), r * (l.contentHeight - kTileOverlap),
                               l.contentWidth, l.contentHeight});
    return l;
}

} // namespace exporter
