#pragma once

#include "scene/scene.h"

namespace exporter {

/// A rectangle on a template, centimetres, y downward.
struct LabelBox
{
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    bool meets(const LabelBox& o) const { return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom; }
};

/// Room kept between a piece label and any other ink, centimetres.
inline constexpr double kLabelClearance = 0.04;
/// Farthest a piece label moves from where its piece put it, centimetres.
inline constexpr double kLabelReach = 3.0;

/// Where the letters of `t` may leave ink, centimetres: from its size, anchor and rotation, with
/// room for any sans-serif face (a narrow character 0.62 em, a wide one an em; 0.8 em above the
/// baseline, 0.25 em below).
LabelBox textBox(const scene::Text& t);

/// Moves each piece label (scene::Role::PieceLabel) of the piece `s` that touches another item
/// (a dot, a line, another text) or is not wholly inside its cut outline to the nearest spot,
/// within kLabelReach, that is inside the outline, on the same side of every cut and fold line
/// as where it was put (never onto a glue tab) and kLabelClearance clear of everything; with no
/// such spot, to the nearest that touches fewest items, when fewer than where it was. A label
/// of a template without a cut outline stays where it is.
void placePieceLabels(scene::Scene& s);

} // namespace exporter
