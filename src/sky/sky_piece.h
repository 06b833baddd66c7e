#pragma once

#include "sky/curve_sampling.h"
#include "scene/point.h"
#include "sky/polygon_clip.h"
#include "sky/sky_point.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace sky {

/// The sky within `radiusDeg` of `centre`; a radius of 180 or more is the whole sky.
struct SkyCap
{
    SkyPoint centre;
    double radiusDeg = 180.0;
};

/// The cap round `centre` that holds every one of `points`, grown by `marginDeg`.
SkyCap capAround(SkyPoint centre, const std::vector<SkyPoint>& points, double marginDeg);

/// A cap round the mean direction of `points` that holds them all, grown by `marginDeg`; the
/// whole sky when they spread over a hemisphere or more. Under a hemisphere, a cap also holds
/// every great-circle arc between points in it.
SkyCap capOf(const std::vector<SkyPoint>& points, double marginDeg);

/// Whether two caps share a point.
bool capsMeet(const SkyCap& a, const SkyCap& b);

/// One piece of a globe (a gore, a polar plate, a face) as the sky layers see it, in the
/// centimetres of its template.
struct SkyPiece
{
    Projection project;   ///< exactly the projection its stars take; no point far off the piece
    ClipOutline outline;  ///< where the piece is cut: lines end there, labels stay inside
    scene::Point centre;        ///< centroid of the outline, where a label that fits nowhere near its anchor moves
    double sphereRadius = 1.0; ///< R in cm, to turn arcs of the sphere into lengths on paper
    std::function<double(double magnitude)> dotRadius; ///< radius in cm of a star's dot; 0 when it has none
    SkyCap reach; ///< holds every point of the sky that lands within the outline: lines outside it are not followed
};

/// A piece from its projection, its cut outline (at least three corners, in order), R, the
/// star dot radius by magnitude and the part of the sky it can show.
SkyPiece makeSkyPiece(Projection project, std::vector<scene::Point> outline, double sphereRadius,
                      std::function<double(double)> dotRadius = {}, SkyCap reach = {});

/// How the sky is shared out among the pieces of one globe, so that each label goes on exactly
/// one of them, whichever templates are drawn: the piece that carries the label's anchor.
struct SkyGlobe
{
    std::size_t pieceCount = 0;
    std::function<std::size_t(SkyPoint)> ownerOf; ///< the piece carrying a sky point, below pieceCount
};

/// A globe of one piece that carries the whole sky (a drawing that is not part of a set).
SkyGlobe singlePieceGlobe();

} // namespace sky
