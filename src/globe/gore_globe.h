#pragma once

#include "globe/globe_model.h"
#include "gore/gore_parameters.h"
#include "sky/sky_data.h"
#include "stars/star_catalogue.h"

namespace globe {

/// How the gore templates were cut, besides what the gore tab says.
struct GoreCut
{
    bool wholeGores = false; ///< each gore printed pole to pole in one piece: no seam along the equator
};

/// The globe the gore templates of `p` make: the stars of `catalogue` the gores print (dot radius
/// by the star size rule over R); each piece's cut outline where it lands once glued, mapped back
/// through its own projection (with the ε correction when `p` asks for it): the n gores, halved at
/// the equator unless `cut` asks for whole gores, ending at +B with the north plate and at −B with
/// the southern one (else at the pole), then each plate's n-gon; and the sky layers of `sky`.
/// Throws text::InputError (naming the box) for the parameters no Draw accepts and for a size rule
/// with no real value.
GlobeModel goreGlobe(const stars::StarCatalogue& catalogue, const gore::GoreParameters& p, const GoreCut& cut = {},
                     const sky::SkyRequest& sky = {});

} // namespace globe
