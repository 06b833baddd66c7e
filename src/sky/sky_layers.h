#pragma once

#include "scene/scene.h"
#include "sky/sky_data.h"
#include "sky/sky_piece.h"

#include <cstddef>

namespace sky {

/// Adds the sky layers `request` asks for to `scene`, the template of piece `index` of
/// `globe`, drawn through `here` (that piece in the scene's own coordinates). Lines are
/// sampled to kLineToleranceCm and clipped at the piece's cut outline. A label goes on the
/// piece carrying its anchor only: upright with north up, kLabelClearanceCm inside the cut and
/// clear of the scene's own texts and of the labels placed before it (names first, then hours,
/// star names, ecliptic longitudes, galactic longitudes, declinations), moved, made smaller or (a name) put by one of its figure's stars
/// on this piece until it fits; one that fits nowhere is left out. The layers go in front of
/// the scene's others (under the stars), in the order grid, ecliptic, galactic equator, boundaries, constellation
/// lines, constellation names, star names; layers with nothing on this piece are left out.
void appendSkyLayers(scene::Scene& scene, const SkyPiece& here, std::size_t index, const SkyGlobe& globe,
                     const SkyRequest& request);

/// Clearance in cm every label keeps from the cut outline.
inline constexpr double kLabelClearanceCm = 0.05;

} // namespace sky
