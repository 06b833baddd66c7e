#pragma once

#include "gore/gore_draw.h"
#include "kit/kit_style.h"
#include "scene/scene.h"

namespace gore {

/// How an exported gore is finished as a piece of a kit.
struct GoreKit
{
    kit::KitStyle style;
    bool whole = false;      ///< the gore pole to pole in one piece, its halves joined at the equator
    bool equatorTab = false; ///< a northern half carries the tab its southern half is glued to
};

/// Gore k of `plan` as a scene on a canvas of `width` × `height` cm (the size the canvas took):
/// layer stars (the gore's stars in file order), cut (its two edges, pole to pole), guides
/// (the equator, then the equal-latitude line when asked for).
scene::Scene buildGoreScene(const GoreDrawPlan& plan, double width, double height);

/// Gore k of `plan` finished as `kit` says, on a `width` × `height` cm template (see gorePiece;
/// a whole gore takes wholeGoreWidth): layers stars (only those on the piece), guides, labels
/// ("k/n N 3h45m"), cut (the piece and its tabs as one closed path), score (the tabs' folds).
/// The piece ends at ±B where that plate is drawn and carries a tab there to hold the plate, one
/// along its edge at larger longitudes and, when asked, one on a northern half's equator.
/// Without `kit.style.pieces` it is the window's scene above.
scene::Scene buildGoreScene(const GoreDrawPlan& plan, double width, double height, const GoreKit& kit);

/// The stars `plan` puts on the plate `which` (StarTarget::Plate or SouthPlate), around the pole
/// at the centre of a `width` × `height` cm canvas; with `outline` its cutting line first as a
/// chain of dots round the n-gon (layer cut), then the stars (layer stars).
scene::Scene buildPlateScene(const GoreDrawPlan& plan, StarTarget which, double width, double height,
                             bool outline);

/// The plate `which` as a piece of a kit: layers stars, labels ("N" or "S", and inside each side
/// the number of the gore glued to it), cut (the n-gon as one closed path; the gores carry the tabs). Stars gathered onto it later go through
/// kit::keepStarsOnPiece with plateCutOutline, as its own stars have.
scene::Scene buildPlatePiece(const GoreDrawPlan& plan, StarTarget which, double width, double height);

/// Adds a plate star at `offset` from the pole to `plate` (layer stars), as buildPlateScene does.
void addPlateStar(scene::Scene& plate, const StarPlacement& star);

} // namespace gore
