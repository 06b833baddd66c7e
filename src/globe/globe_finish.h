#pragma once

#include "globe/globe_model.h"
#include "stars/star_catalogue.h"

namespace globe {

/// How the printed pieces look, for the preview to show them so.
struct GlobeFinish
{
    bool colourStars = false; ///< star dots tinted by their B−V
    bool dark = false;        ///< pieces printed white on dark blue
};

/// Gives `model`, built from `catalogue`, the look of its printed pieces: the ground, and each
/// star's B−V when `finish` tints the stars. The model's stars are `catalogue`'s in its order,
/// some left out; each is paired with the next catalogue star of its direction and magnitude.
void finishGlobe(GlobeModel& model, const stars::StarCatalogue& catalogue, const GlobeFinish& finish);

} // namespace globe
