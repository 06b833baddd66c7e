#pragma once

#include "scene/scene.h"

#include <optional>
#include <vector>

namespace kit {

using scene::Point;

/// A closed outline: its corners in order, the last joined back to the first (not repeated).
using Polygon = std::vector<Point>;

/// Shoelace area of `polygon` in cm²: positive when its corners run from +x towards +y
/// (clockwise on paper, where y points down), negative the other way round.
double signedArea(const Polygon& polygon);

/// Whether `p` lies inside `polygon` (even-odd rule); a point on the outline may go either way.
bool contains(const Polygon& polygon, Point p);

/// Shortest distance in cm from `p` to the outline of `polygon`.
double distanceToOutline(const Polygon& polygon, Point p);

/// Whether some point of the outline of `polygon` lies closer to `p` than `distance` cm.
bool outlineWithin(const Polygon& polygon, Point p, double distance);

/// A cut at one of its points, as a piece has it: the point, the unit vector along the cut and the
/// unit vector square to it pointing out of the piece.
struct CutFrame
{
    Point at, along, outward;
};

/// The frame of a cut on a piece from three points of it: the cut's point `at`, a point a little
/// further along the cut `ahead`, and a point a little off it outside the piece `outside`; no value
/// where `ahead` is `at`.
std::optional<CutFrame> cutFrameThrough(Point at, Point ahead, Point outside);

/// The point `p` of the piece of `from` carried rigidly over the cut onto the neighbouring piece,
/// whose frame of the same point of the cut is `to` (its outward side towards `from`'s piece): as
/// far along the cut and as far from it as on `from`'s piece, on the far side.
Point carriedOver(Point p, const CutFrame& from, const CutFrame& to);

/// Smallest rectangle holding every point of `points`.
struct Box
{
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

/// The bounding box of `points`; an empty list gives an empty box at the origin.
Box boundingBox(const std::vector<Point>& points);

/// `box` grown by `margin` on every side.
Box grown(const Box& box, double margin);

} // namespace kit
