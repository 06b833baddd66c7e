#pragma once

#include "gore/gore_draw.h"
#include "scene/scene.h"
#include "sky/sky_piece.h"

#include <cstddef>

namespace gore {

/// The globe `plan` is one piece of, for the sky layers: gores 1…n of the northern half
/// (pieces 0…n−1, or the whole gores pole to pole when `whole`), gores 1…n of the southern half
/// (n…2n−1), the north plate (2n) and the south plate (2n+1) when the plan draws them. Each
/// piece carries the part of the sky its stars come from: a plate drawn takes the cap beyond B.
sky::SkyGlobe goreSkyGlobe(const GoreDrawPlan& plan, bool whole);

/// Gore `k` of the half `hemisphere` (1 north, 0 south), or pole to pole when `whole`, of
/// `plan`'s globe on a `width` × `height` cm template: the stars' projection and the piece's
/// cut outline (goreCutOutline).
sky::SkyPiece goreSkyPiece(const GoreDrawPlan& plan, int k, int hemisphere, double width, double height, bool whole);

/// The plate `which` (StarTarget::Plate or SouthPlate) of `plan` on a `width` × `height` cm
/// template: the plate's projection and its n-gon (plateCutOutline).
sky::SkyPiece plateSkyPiece(const GoreDrawPlan& plan, StarTarget which, double width, double height);

/// Adds the sky layers `plan.sky` asks for to the gore scene `gore` built from `plan` (pole to
/// pole when `whole`).
void addGoreSkyLayers(scene::Scene& gore, const GoreDrawPlan& plan, bool whole);

/// Adds the sky layers `plan.sky` asks for to the plate scene `plate` of `which`.
void addPlateSkyLayers(scene::Scene& plate, const GoreDrawPlan& plan, StarTarget which);

} // namespace gore
