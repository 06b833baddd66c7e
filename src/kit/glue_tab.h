#pragma once

#include "kit/polygon.h"

#include <vector>

namespace kit {

/// One stretch of a piece's outline, in outline order: a straight cut or a sampled curve.
/// Each stretch begins where the one before it ended; the last ends where the first begins.
struct OutlineEdge
{
    std::vector<Point> points; ///< at least two, in cm
    bool tab = false;          ///< a glue tab is folded along this stretch
};

/// A piece's outline finished with its glue tabs.
struct TabbedOutline
{
    Polygon piece;                          ///< the piece itself, without its tabs
    Polygon cut;                            ///< the piece with its tabs: the line to cut along
    std::vector<std::vector<Point>> folds;  ///< each tab's fold line (its stretch of the outline)
    std::vector<Polygon> tabs;              ///< each tab: its fold line, then its outer edge back
};

/// The piece that `edges` enclose, with a tab of `width` cm (above 0) outside every stretch
/// marked for one. A tab is a tapered strip: its outer edge runs `width` from the fold and its
/// ends slope at 45°, so it leaves each end of the stretch free and never reaches past a corner
/// of a convex piece; on a stretch shorter than twice `width` it is a triangle of half the length.
TabbedOutline addGlueTabs(const std::vector<OutlineEdge>& edges, double width);

/// The piece `edges` enclose, no tabs.
Polygon pieceOf(const std::vector<OutlineEdge>& edges);

} // namespace kit
