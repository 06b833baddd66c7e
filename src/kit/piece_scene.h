#pragma once

#include "kit/glue_tab.h"
#include "scene/scene.h"

#include <string>

namespace kit {

/// Colour of cut lines: pure red, the colour cutting machines take for "cut".
inline constexpr canvas::Rgb kCutColour{255, 0, 0};
/// Colour of fold lines: pure blue, for "score".
inline constexpr canvas::Rgb kScoreColour{0, 0, 255};
/// Colour of piece and edge labels: a light grey that stays legible.
inline constexpr canvas::Rgb kLabelColour{140, 140, 140};
/// Dash of fold lines, cm on and off.
inline constexpr double kScoreDash = 0.15;
/// Size of a piece label, points.
inline constexpr double kPieceLabelSize = 7.0;
/// Size of an edge label, points.
inline constexpr double kEdgeLabelSize = 5.5;

/// Adds `outline` to `s`: the cut line round the piece and its tabs as one closed red hairline
/// (layer cut), and each tab's fold line dashed in blue (layer score).
void addPiece(scene::Scene& s, const TabbedOutline& outline);

/// Leaves out of `s` the stars whose dots (at their printed size) lie wholly outside `piece`: they
/// belong to another piece. A dot that crosses the outline stays, clipped to it, so that its
/// part on the neighbouring piece meets it there.
void keepStarsOnPiece(scene::Scene& s, const Polygon& piece);

/// Adds `outline` to the clips of `s`: the index a scene::Dot::clip names it by.
std::int32_t addClip(scene::Scene& s, const Polygon& outline);

/// Radius a dot of `radius` cm prints at: never below scene::kMinPrintRadius.
double printedRadius(double radius);

/// Adds a piece label (layer labels): `text` with its baseline at `at`, placed there by `anchor`.
void addPieceLabel(scene::Scene& s, Point at, const std::string& text,
                   scene::Anchor anchor = scene::Anchor::Middle);

/// Adds an edge label (layer labels) inside the straight edge a→b of a piece that lies on the
/// side of `inside`: along the edge, upright, centred on its middle, clear of the edge.
void addEdgeLabel(scene::Scene& s, Point a, Point b, Point inside, const std::string& text);

/// Moves every item of `s` and grows it, where needed, so that each cut outline lies at
/// least `margin` cm inside its edges; a scene that holds them already is left as it is.
void fitAroundPieces(scene::Scene& s, double margin);

/// Every point of the cut outlines of `s`.
std::vector<Point> cutPoints(const scene::Scene& s);

} // namespace kit
