#pragma once

#include "gore/gore_parameters.h"
#include "gore/polar_plate.h"

#include <vector>

namespace gore {

/// Radius in centimetres of the dots of the equal-latitude line.
inline constexpr double kLineDotRadius = 0.01;

/// Steps of the line of equal latitude φL across gore k, every 0.01° of longitude from the
/// gore's first edge to its last (θ accumulated by repeated addition). Each step gives
/// dx = R·φL′ (cm along the meridian from the equator, epsilon-corrected when the correction
/// is on) and dy = R·tan(Δ)·cos φL (cm across from the centre line).
std::vector<scene::Point> equalLatitudeSteps(const GoreParameters& p);

} // namespace gore
