#pragma once

#include "gore/gore_parameters.h"
#include "gore/polar_plate.h"
#include "sky/sky_point.h"

#include <cstddef>

namespace gore {

/// How a gore kit shares out the sphere among its pieces, derived once per export. Gore k owns
/// the longitudes 360·(k−1)/n ≤ λ < 360·k/n (λ taken modulo 360), its northern half the latitudes
/// from the equator up to the plate cut, its southern half down to it; a plate owns the cap
/// beyond the cut. The cut is where a gore prints latitude coordinate φ′ = B: the circle of
/// latitude B without the ε correction; with it a curve that meets the seams at the corner
/// latitude and the central meridians at B. Without a plate the gore runs to the pole.
struct GoreTiling
{
    int n = 8;
    double R = 13.0;              ///< sphere radius, cm
    double boundary = 0.0;        ///< B, radians
    bool epsilon = true;          ///< the ε correction of latitudes, on gores and so on the cut
    bool whole = false;           ///< each gore one piece pole to pole
    bool northPlate = false, southPlate = false;
    double cornerLatitude = 0.0;  ///< φc, radians: where the cut meets the seams (B without ε)
    double apothem = 0.0;         ///< R·cos φc: the plate's n-gon from its pole to the middle of a side
    double scale = 0.0;           ///< R·sin B: the plate's gnomonic scale, as the window's plate has it
};

/// A piece of a gore kit.
struct KitPiece
{
    enum class Kind { Gore, NorthPlate, SouthPlate };
    Kind kind = Kind::Gore;
    int k = 1;         ///< the gore (1…n), or for a plate the gore whose sector holds the point
    int hemisphere = 1; ///< of a gore: 1 northern half, 0 southern half, −1 pole to pole
};

/// The tiling of the kit of `p` (n, R, B, ε, plates), its gores pole to pole when `whole`.
/// Plates need 0 < B < 90°.
GoreTiling makeGoreTiling(const GoreParameters& p, bool whole);

/// Longitude `lambda` (degrees, any value) brought into 0…360.
double wrappedLongitude(double lambda);

/// The gore (1…n) whose longitudes hold `lambda` (degrees, taken modulo 360).
int sectorOf(const GoreTiling& t, double lambda);

/// Central longitude of gore `k`, degrees: 360/n·(k−1) + 180/n.
double sectorCentre(const GoreTiling& t, int k);

/// Offset of `lambda` from gore `k`'s central meridian, degrees, in −180…180.
double sectorOffset(const GoreTiling& t, int k, double lambda);

/// The piece that owns the sky point (`lambda`, `phi`), degrees: decided in constant time from
/// the point's sector and its latitude coordinate there, exactly as the gore places a star.
KitPiece ownerOf(const GoreTiling& t, double lambda, double phi);

/// A sky point's owner with what decided it: its latitude coordinate φ′ (radians) in its sector
/// and its offset Δλ (degrees, −180/n…180/n) from that sector's central meridian.
struct Ownership
{
    KitPiece piece;
    double phiPrime = 0.0, deltaLambda = 0.0;
};

/// As ownerOf, with the point's φ′ and Δλ, which place it on its gore.
Ownership ownershipOf(const GoreTiling& t, double lambda, double phi);

/// Index of `piece` among the kit's pieces: northern halves (or whole gores) 0…n−1, southern
/// halves n…2n−1, the north plate 2n, the south plate 2n+1.
std::size_t pieceIndex(const GoreTiling& t, const KitPiece& piece);

/// Latitude φb (radians, ≥ 0) of the plate cut at offset `deltaLambda` (degrees) from a central
/// meridian: where the gore's latitude coordinate reaches B.
double cutLatitude(const GoreTiling& t, double deltaLambda);

/// Offset from the pole of the kit's plate (north, or `south`) of the sky point (`lambda`, `phi`),
/// degrees. Each sector of the cap maps onto the triangle of its side of the n-gon: the gnomonic
/// point g of the window's plate moved by u²·(b − g_b), where b is where the gore's top prints the
/// cut point of the same longitude, g_b that point's gnomonic place and u = tan φb / tan φ. So the
/// cut lands on the side exactly where the gore's straight top has it, the map is gnomonic to first
/// order at the pole (and along the central meridians without ε), and the seams run to the corners.
scene::Point kitPlateOffset(const GoreTiling& t, double lambda, double phi, bool south);

/// The sky point (λ, φ, degrees) that kitPlateOffset puts at `offset`: its inverse.
sky::SkyPoint kitPlateSkyPoint(const GoreTiling& t, scene::Point offset, bool south);

/// The kit plate's layout: the window's, with the n-gon's apothem R·cos φc so that each side is as
/// long as a gore's straight top.
PlateLayout kitPlateLayout(const GoreParameters& p, const GoreTiling& t);

} // namespace gore
