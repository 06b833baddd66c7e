#pragma once

#include "gore/gore_parameters.h"
#include "scene/point.h"
#include "sky/sky_point.h"

#include <vector>

namespace gore {

/// Fixed values of the north polar cap plate, derived once per Draw. The plate shows the
/// cap beyond the boundary latitude B as seen from the sphere's centre on the plane of the
/// boundary circle; offsets are taken from the pole, which sits at the plate canvas's centre.
/// Its cutting line is the regular n-gon that the tops of the n gores form at B: each gore is
/// a strip of a cylinder touching the sphere along its central meridian, so its straight cut at
/// B lies R·cos B from the axis, square to that meridian, and as wide as one side of the n-gon.
struct PlateLayout
{
    double R = 0.0;              ///< sphere radius, cm
    double boundary = 0.0;       ///< B·DF, radians
    double scale = 0.0;          ///< R·sin B, the distance from the pole of a star at 45° latitude
    double boundaryRadius = 0.0; ///< R·cos B, from the pole to the middle of each side of the n-gon
    int n = 8;                   ///< sides of the n-gon, one a gore
    double cornerRadius = 0.0;   ///< R·cos B / cos(π/n), from the pole to each corner
    double side = 0.0;           ///< 2·|R·cos B / cos(π/n)| + 2, the square plate canvas's side when prepared
};

/// Radius in centimetres of the dots that make cutting lines (gore edges, plate boundary).
inline constexpr double kCuttingDotRadius = 1.0 / 300.0;

/// The plate layout of `p` (uses R and the plate boundary).
PlateLayout makePlateLayout(const GoreParameters& p);

/// Whether a star of latitude coordinate `phiPrime` (radians, corrected when the correction
/// is on) belongs on the plate: strictly beyond the boundary; a star at B stays on the gore.
bool isOnPlate(const PlateLayout& plate, double phiPrime);

/// Offset from the pole of a star at longitude `lambda` and latitude `phi` (degrees, uncorrected):
/// distance R·sin B / tan φ at position angle λ, so larger longitudes turn upwards.
scene::Point plateOffset(const PlateLayout& plate, double lambda, double phi);

/// The point (λ, φ, degrees) the north plate shows `offset` cm from its pole: the inverse of plateOffset.
sky::SkyPoint plateSkyPoint(const PlateLayout& plate, scene::Point offset);

/// Whether a star of latitude coordinate `phiPrime` (radians) belongs on the southern plate:
/// strictly beyond −B; a star at −B stays on the gore.
bool isOnSouthPlate(const PlateLayout& plate, double phiPrime);

/// Offset from the south pole of a star at longitude `lambda` and latitude `phi` (degrees,
/// uncorrected): distance R·sin B / |tan φ| at position angle −λ, the southern cap seen from
/// outside the sphere, so a star at (λ, −φ) mirrors the northern plate's star at (λ, φ).
scene::Point southPlateOffset(const PlateLayout& plate, double lambda, double phi);

/// The point (λ, φ, degrees) the southern plate shows `offset` cm from its pole: the inverse of southPlateOffset.
sky::SkyPoint southPlateSkyPoint(const PlateLayout& plate, scene::Point offset);

/// Corners of the plate's cutting line as offsets from the pole: corner j at position angle
/// 360·j/n, j = 0 … n − 1, where gores j and j + 1 meet, so that side k (from corner k − 1 to
/// corner k) is square to gore k's central meridian. North and south plates share it, since
/// the southern plate turns the other way round and the corners lie symmetric about λ = 0.
std::vector<scene::Point> plateCorners(const PlateLayout& plate);

/// Centres, as offsets from the pole, of the dots that draw the cutting line: a closed chain
/// round the n-gon spaced at most 0.01 cm apart, starting at corner 0.
std::vector<scene::Point> plateBoundaryDots(const PlateLayout& plate);

/// Where the pole sits on a plate canvas of `width` × `height` cm: its centre.
scene::Point plateCentre(double width, double height);

} // namespace gore
