#pragma once

#include "gore/gore_draw.h"
#include "scene/scene.h"
#include "sky/sky_piece.h"

#include <cstddef>

namespace gore {

/// The globe `plan` is one piece of, for the sky layers: gores 1…n of the northern half
/// (pieces 0…n−1), gores 1…n of the southern half (n…2n−1), the north plate (2n, the cap
/// where φ′ > B) and, when the plan moves stars onto it, the south plate (2n+1). Each piece
/// carries the part of the sky its stars come from.
sky::SkyGlobe goreSkyGlobe(const GoreDrawPlan& plan);

/// Gore `k` of the half `hemisphere` (1 north, 0 south) of `plan`'s globe on a `width` × `height`
/// cm canvas: the stars' projection, and the half gore between the equator and the plate's
/// boundary (or the pole) as its cut outline.
sky::SkyPiece goreSkyPiece(const GoreDrawPlan& plan, int k, int hemisphere, double width, double height);

/// The plate `which` (StarTarget::Plate or SouthPlate) of `plan` on a `width` × `height` cm canvas.
sky::SkyPiece plateSkyPiece(const GoreDrawPlan& plan, StarTarget which, double width, double height);

/// Adds the sky layers `plan.sky` asks for to the gore scene `gore` built from `plan`.
void addGoreSkyLayers(scene::Scene& gore, const GoreDrawPlan& plan);

/// Adds the sky layers `plan.sky` asks for to the plate scene `plate` of `which`.
void addPlateSkyLayers(scene::Scene& plate, const GoreDrawPlan& plan, StarTarget which);

} // namespace gore
