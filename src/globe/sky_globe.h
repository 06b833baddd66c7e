#pragma once

#include "globe/globe_model.h"
#include "sky/sky_data.h"

namespace globe {

/// Adds to `model` the sky layers `request` asks for, as lines on the unit sphere: the grid's
/// meridians and parallels, the ecliptic, the galactic equator, the constellation boundaries, the stick figures (as
/// great-circle arcs between their stars), then the constellation names and the names of the
/// stars at or above the request's limit as labels, in the request's language. Nothing when the
/// request wants nothing.
void appendSkyLines(GlobeModel& model, const sky::SkyRequest& request);

} // namespace globe
