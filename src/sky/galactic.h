#pragma once

#include "sky/sky_curve.h"
#include "sky/sky_point.h"

namespace sky {

/// The north galactic pole (J2000), degrees: right ascension and declination.
inline constexpr double kGalacticPoleLambdaDeg = 192.85948, kGalacticPolePhiDeg = 27.12825;
/// Galactic longitude of the north celestial pole (J2000), degrees: where galactic longitude counts from.
inline constexpr double kCelestialPoleGalacticLongitudeDeg = 122.93192;

/// Equatorial direction (J2000) of galactic longitude and latitude in degrees.
SkyPoint galacticToEquatorial(double longitudeDeg, double latitudeDeg = 0.0);

/// The whole galactic equator as a curve, galactic longitude 360·t degrees.
SkyCurve galacticEquatorCurve();

} // namespace sky
