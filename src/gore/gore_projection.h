#pragma once

#include "gore/gore_layout.h"
#include "sky/sky_point.h"

namespace gore {

/// Degrees by which a gore's longitude window reaches beyond its edges on either side.
inline constexpr double kLongitudeGrace = 3.0;

/// Whether longitude `lambda` (degrees, taken literally, no wrap-around) reaches gore k:
/// 360/n·(k−1) < λ + 3 and 360/n·k > λ − 3, a grace of 3° either side.
bool inLongitudeWindow(const GoreLayout& layout, double lambda);

/// Epsilon correction ε in degrees of a point at latitude `phi` and longitude offset
/// `deltaLambda` from the central meridian (degrees): φ − (180/π)·atan(|cos Δλ|·tan φ).
/// It is 0 on the central meridian and on the equator and has the sign of φ.
double epsilonDegrees(double phi, double deltaLambda);

/// Latitude coordinate φ′ in radians along the meridian: φ·DF, or (ε + φ)·DF with the correction.
double latitudeCoordinate(double phi, double deltaLambda, bool epsilonCorrection);

/// Across value a = tan(Δλ)·cos(φ), in sphere radii, with the uncorrected latitude.
double acrossValue(double phi, double deltaLambda);

/// The point (λ, φ, degrees) gore `layout` prints at φ′ `phiPrime` (rad) and `a` (radii): latitudeCoordinate, acrossValue undone.
sky::SkyPoint goreSkyPoint(const GoreLayout& layout, double phiPrime, double a, bool epsilonCorrection);

} // namespace gore
