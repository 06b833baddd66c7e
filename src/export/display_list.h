#pragma once

#include "canvas/drawing_canvas.h"
#include "canvas/recording_canvas.h"

#include <variant>
#include <vector>

namespace exporter {

/// A point in centimetres on a template, origin top-left, y downward.
struct Point
{
    double x = 0.0, y = 0.0;
};

/// A star or corner mark: a filled circle, outline in `fore`, interior in `fill`.
struct Dot
{
    Point centre;
    double radius = 0.0; ///< centimetres, as the drawing asked for it
    canvas::Rgb fore, fill;
};

/// A straight line in its own colour.
struct Segment
{
    Point from, to;
    canvas::Rgb color;
};

/// A chain of tiny dots (a gore edge, the equal-latitude line, a plate's cutting circle)
/// joined into one line.
struct Polyline
{
    std::vector<Point> points;
    canvas::Rgb color;
};

using Item = std::variant<Dot, Segment, Polyline>;

/// One template as vector graphics: its size and what lies on it, in drawing order.
struct DisplayList
{
    double width = 0.0, height = 0.0; ///< centimetres, as the canvas took them
    std::vector<Item> items;
};

/// Dots this small or smaller, drawn one after another in long runs of equal radius,
/// are the program's way of drawing a line; they become polylines.
inline constexpr double kChainDotRadius = 0.01;
/// Shortest run of equal tiny dots taken as a chain.
inline constexpr std::size_t kMinChainDots = 100;
/// A step longer than this between successive dots of a chain starts a new polyline.
inline constexpr double kChainBreak = 0.5;

/// A single-strand chain whose ends lie closer than this is a closed curve.
inline constexpr double kChainClose = 0.05;

/// The drawing left on `canvas` since its last Cls, in the colours the calls set,
/// starting from `fore` and `fill`. Chains of tiny dots become polylines, split and
/// trimmed where they leave the canvas; dots wholly outside the canvas are dropped.
DisplayList makeDisplayList(const canvas::RecordingCanvas& canvas, canvas::Rgb fore = canvas::kBlack,
                            canvas::Rgb fill = canvas::kBlack);

/// Replays every call recorded on `from` onto `to`, in order (saves excepted).
void replay(const canvas::RecordingCanvas& from, canvas::DrawingCanvas& to);

} // namespace exporter
