#pragma once

#include "gore/gore_draw.h"
#include "scene/scene.h"

namespace gore {

/// Gore k of `plan` as a scene on a canvas of `width` × `height` cm (the size the canvas took):
/// layer stars (the gore's stars in file order), cut (its two edges, pole to pole), guides
/// (the equator, then the equal-latitude line when asked for).
scene::Scene buildGoreScene(const GoreDrawPlan& plan, double width, double height);

/// The stars `plan` puts on the plate `which` (StarTarget::Plate or SouthPlate), around the pole
/// at the centre of a `width` × `height` cm canvas; with `outline` its cutting circle first
/// (layer cut), then the stars (layer stars).
scene::Scene buildPlateScene(const GoreDrawPlan& plan, StarTarget which, double width, double height,
                             bool outline);

/// Adds a plate star at `offset` from the pole to `plate` (layer stars), as buildPlateScene does.
void addPlateStar(scene::Scene& plate, const StarPlacement& star);

} // namespace gore
