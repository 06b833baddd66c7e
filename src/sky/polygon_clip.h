#pragma once

#include "sky/curve_sampling.h"
#include "scene/point.h"

#include <cstddef>
#include <vector>

namespace sky {

/// A closed outline prepared for clipping: a simple polygon (convex or not, either turning
/// direction), its corners in order, the last joined back to the first. Edges are indexed in
/// horizontal bands so that tests against a dense outline (a gore's curved edges) stay cheap.
struct ClipOutline
{
    std::vector<scene::Point> corners;
    double minY = 0.0;
    double bandHeight = 1.0;
    std::vector<std::vector<std::size_t>> bands; ///< per band, the edges (by first corner) that reach into it
};

/// Prepares `corners` (at least three; a last corner repeating the first is dropped) for clipping.
ClipOutline makeClipOutline(std::vector<scene::Point> corners);

/// True when `p` lies inside the outline (even-odd rule); a point on the outline itself may go either way.
bool contains(const ClipOutline& outline, scene::Point p);

/// Point-in-polygon test on a plain corner list, as `contains` without the index.
bool pointInPolygon(const std::vector<scene::Point>& corners, scene::Point p);

/// The parts of `polyline` inside the outline, in order along it. Where the line crosses the
/// outline the piece ends (or starts) at the crossing, computed on the outline's edge, so it
/// lies on the outline to rounding. A stretch running exactly along the outline may go either way.
std::vector<Polyline> clipPolyline(const ClipOutline& outline, const Polyline& polyline);

} // namespace sky
