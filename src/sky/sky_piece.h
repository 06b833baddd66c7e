#pragma once

#include "sky/curve_sampling.h"
#include "sky/point2.h"
#include "sky/polygon_clip.h"
#include "sky/sky_point.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace sky {

/// One piece of a globe (a gore, a polar plate, a face) as the sky layers see it, in the
/// centimetres of its template.
struct SkyPiece
{
    Projection project;   ///< exactly the projection its stars take; no point far off the piece
    ClipOutline outline;  ///< where the piece is cut: lines end there, labels stay inside
    Point2 centre;        ///< centroid of the outline, where a label that fits nowhere near its anchor moves
    double sphereRadius = 1.0; ///< R in cm, to turn arcs of the sphere into lengths on paper
    std::function<double(double magnitude)> dotRadius; ///< radius in cm of a star's dot; 0 when it has none
};

/// A piece from its projection, its cut outline (at least three corners, in order) and R.
SkyPiece makeSkyPiece(Projection project, std::vector<Point2> outline, double sphereRadius,
                      std::function<double(double)> dotRadius = {});

/// Every piece of one globe, so that each label goes on exactly one of them, whichever
/// templates are drawn: the piece that carries the label's anchor.
struct SkyGlobe
{
    std::size_t pieceCount = 0;
    std::function<std::size_t(SkyPoint)> ownerOf; ///< the piece carrying a sky point, below pieceCount
    std::function<SkyPiece(std::size_t)> piece;    ///< piece i as its own template draws it
};

/// A globe of one piece that carries the whole sky (a drawing that is not part of a set).
SkyGlobe singlePieceGlobe(const SkyPiece& piece);

} // namespace sky
