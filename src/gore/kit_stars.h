#pragma once

#include "gore/gore_draw.h"
#include "gore/gore_tiling.h"
#include "kit/polygon.h"

#include <string>
#include <vector>

namespace gore {

/// The stars of a gore kit piece by piece, indexed by pieceIndex (2n + 2 lists), each in file
/// order: every star brighter than the faintest magnitude goes on the piece whose sky holds it,
/// whole while its dot (at its printed size) stays inside that piece's cut; a dot that crosses the
/// cut is printed clipped there and on every other piece it reaches, placed by that piece's own
/// projection, so that its parts meet on the glued globe. Gore offsets are φ′·R, a·R from the
/// equator and the centre line; plate offsets from the pole, by kitPlateOffset.
using KitStars = std::vector<std::vector<StarPlacement>>;

/// Shares out the stars of `catalogue` among the pieces of the kit of `p` tiled by `t`. Throws
/// text::InputError naming `starFileName` and the star, as planGoreDraw does, for a star it
/// cannot size or place (the first such star in the file). Up to `threads` threads share the
/// catalogue; the result is the same for any number of them.
KitStars distributeKitStars(const GoreParameters& p, const GoreTiling& t, const stars::StarCatalogue& catalogue,
                            const std::string& starFileName, unsigned threads = 1);

/// The cut outline of the gore `hemisphere` (1 north, 0 south, −1 pole to pole) of a kit, with
/// its equator at x = 0 and its central meridian at y = 0, as a star's offset counts.
kit::Polygon kitGoreOutline(const GoreParameters& p, const GoreTiling& t, int hemisphere);

/// The kit plate's n-gon round its pole at (0, 0).
kit::Polygon kitPlateOutline(const GoreParameters& p, const GoreTiling& t);

} // namespace gore
