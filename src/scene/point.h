#pragma once

#include <cmath>

namespace scene {

/// A point, or the step between two, on a template in centimetres: origin top-left, x to the
/// right, y downward (a projection's own plane may use other axes, in its own units).
struct Point
{
    double x = 0.0, y = 0.0;
    friend bool operator==(const Point&, const Point&) = default;
};

/// `p` mirrored through the origin.
constexpr Point operator-(Point p) { return {-p.x, -p.y}; }
/// Sum of two points, coordinate by coordinate.
constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
/// Step from `b` to `a`.
constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
/// `p` scaled by `s`.
constexpr Point operator*(Point p, double s) { return {p.x * s, p.y * s}; }
/// `p` scaled by `s`.
constexpr Point operator*(double s, Point p) { return {s * p.x, s * p.y}; }
/// `p` divided by `s` (a division, not a product with 1/s, so that results keep their last digit).
constexpr Point operator/(Point p, double s) { return {p.x / s, p.y / s}; }
/// Dot product: a.x·b.x + a.y·b.y, summed in that order.
constexpr double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
/// Length of `p` from the origin, by hypot (no overflow, exact near 0).
inline double length(Point p) { return std::hypot(p.x, p.y); }
/// Distance between `a` and `b`, by hypot.
inline double distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

} // namespace scene
