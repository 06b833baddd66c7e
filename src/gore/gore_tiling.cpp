#include "gore/gore_tiling.h"

#include "gore/gore_projection.h"
#include "stars/angles.h"

#include <algorithm>
#include <cmath>

namespace gore {

using stars::DegreeFactor;
using stars::PiValue;

namespace {

/// What the plate map of a sector takes from a longitude: `dl` the offset from the sector's
/// central meridian in degrees, `phiB` the cut's latitude there in radians.
struct SectorLongitude
{
    double c, s;  ///< cos and sin of dl
    double tanB;  ///< tan of the cut's latitude
    double by;    ///< where the gore's straight top prints the cut point of this longitude, across
};

SectorLongitude sectorLongitude(const GoreTiling& t, double dl, double phiB)
{
    // Where the gore's straight top prints the cut point of this longitude: on the side, as far
    // from its middle as on the gore.
    return {std::cos(dl * DegreeFactor), std::sin(dl * DegreeFactor), std::tan(phiB),
            t.R * std::tan(dl * DegreeFactor) * std::cos(phiB)};
}

/// The plate map in the frame of a sector: x along its central meridian, y towards larger
/// longitudes; the longitude as `at` has it, `tanPhi` the tangent of the latitude towards the pole.
scene::Point sectorPlatePoint(const GoreTiling& t, const SectorLongitude& at, double tanPhi)
{
    const double rho = t.scale / tanPhi, rhoB = t.scale / at.tanB;
    const double u = at.tanB / tanPhi;
    const double bx = t.apothem;
    return {rho * at.c + u * u * (bx - rhoB * at.c), rho * at.s + u * u * (at.by - rhoB * at.s)};
}

scene::Point sectorPlatePoint(const GoreTiling& t, double dl, double phi)
{
    return sectorPlatePoint(t, sectorLongitude(t, dl, cutLatitude(t, dl)), std::tan(phi * DegreeFactor));
}

} // namespace

GoreTiling makeGoreTiling(const GoreParameters& p, bool whole)
{
    GoreTiling t;
    t.n = p.n;
    t.R = p.sphereRadius;
    t.boundary = p.plateBoundary * DegreeFactor;
    t.epsilon = p.epsilonCorrection;
    t.whole = whole;
    t.northPlate = p.northPlate;
    t.southPlate = p.southPlate == 1;
    t.cornerLatitude = cutLatitude(t, 180.0 / t.n);
    t.apothem = t.R * std::cos(t.cornerLatitude);
    t.scale = t.R * std::sin(t.boundary);
    return t;
}

double wrappedLongitude(double lambda) { return sky::normalizedLongitude(lambda); }

int sectorOf(const GoreTiling& t, double lambda)
{
    const double wedge = 360.0 / t.n;
    const double k = std::floor(wrappedLongitude(lambda) / wedge) + 1;
    return static_cast<int>(std::clamp(k, 1.0, static_cast<double>(t.n)));
}

double sectorCentre(const GoreTiling& t, int k) { return 360.0 / t.n * (k - 1) + 180.0 / t.n; }

double sectorOffset(const GoreTiling& t, int k, double lambda)
{
    return std::remainder(wrappedLongitude(lambda) - sectorCentre(t, k), 360.0);
}

Ownership ownershipOf(const GoreTiling& t, double lambda, double phi)
{
    const int k = sectorOf(t, lambda);
    const double dl = wrappedLongitude(lambda) - sectorCentre(t, k);
    const double phiPrime = latitudeCoordinate(phi, dl, t.epsilon);
    if (t.northPlate && phiPrime > t.boundary)
        return {{KitPiece::Kind::NorthPlate, k, 1}, phiPrime, dl};
    if (t.southPlate && phiPrime < -t.boundary)
        return {{KitPiece::Kind::SouthPlate, k, 0}, phiPrime, dl};
    return {{KitPiece::Kind::Gore, k, t.whole ? -1 : phiPrime >= 0.0 ? 1 : 0}, phiPrime, dl};
}

KitPiece ownerOf(const GoreTiling& t, double lambda, double phi) { return ownershipOf(t, lambda, phi).piece; }

std::size_t pieceIndex(const GoreTiling& t, const KitPiece& piece)
{
    const auto n = static_cast<std::size_t>(t.n);
    switch (piece.kind) {
    case KitPiece::Kind::NorthPlate: return 2 * n;
    case KitPiece::Kind::SouthPlate: return 2 * n + 1;
    case KitPiece::Kind::Gore: break;
    }
    return static_cast<std::size_t>(piece.k - 1) + (piece.hemisphere == 0 ? n : 0);
}

double cutLatitude(const GoreTiling& t, double deltaLambda)
{
    const double B = t.boundary;
    if (!t.epsilon || !(B > 0.0) || !(B < PiValue / 2))
        return B;
    const double c = std::fabs(std::cos(deltaLambda * DegreeFactor));
    if (c == 1.0)
        return B; // on the central meridian ε is 0
    // φ′ = 2φ − atan(c·tan φ) = B is, with T = tan φ and b = tan B (2φ − B stays within ±90°),
    // the cubic c·T³ + b(1 − 2c)·T² + (2 − c)·T − b = 0, which is b(1 − c)(b² + 1) ≥ 0 at T = b
    // and rising and convex from its root up to b: Newton's steps from T = b fall monotonically
    // onto the root, with no transcendental function on the way, and stop where they no longer fall.
    const double b = std::tan(B), q = b * (1 - 2 * c), r = 2 - c;
    double T = b;
    for (int i = 0; i < 64; ++i) {
        const double p = ((c * T + q) * T + r) * T - b;
        const double slope = (3 * c * T + 2 * q) * T + r;
        const double next = T - p / slope;
        if (!(next < T))
            break;
        T = next;
    }
    return std::atan(T);
}

scene::Point kitPlateOffset(const GoreTiling& t, double lambda, double phi, bool south)
{
    const int k = sectorOf(t, lambda);
    const double dl = wrappedLongitude(lambda) - sectorCentre(t, k);
    const scene::Point p = sectorPlatePoint(t, dl, south ? -phi : phi);
    const double a = sectorCentre(t, k) * DegreeFactor;
    const double x = p.x * std::cos(a) - p.y * std::sin(a), y = p.x * std::sin(a) + p.y * std::cos(a);
    // Larger longitudes turn upwards on the northern plate, downwards on the southern one (seen from outside).
    return {x, south ? y : -y};
}

sky::SkyPoint kitPlateSkyPoint(const GoreTiling& t, scene::Point offset, bool south)
{
    const double x = offset.x, y = south ? offset.y : -offset.y;
    const double pole = south ? -90.0 : 90.0;
    if (std::hypot(x, y) == 0.0)
        return {0.0, pole};
    const int k = sectorOf(t, std::atan2(y, x) / DegreeFactor);
    const double a = sectorCentre(t, k) * DegreeFactor;
    const scene::Point target{x * std::cos(a) + y * std::sin(a), -x * std::sin(a) + y * std::cos(a)};
    // From the gnomonic inverse, Newton's steps on the sector's map (a smooth map of the two angles).
    double dl = std::atan2(target.y, target.x) / DegreeFactor;
    double phi = std::atan2(t.scale, std::hypot(target.x, target.y)) / DegreeFactor;
    constexpr double h = 1e-7;
    for (int i = 0; i < 50; ++i) {
        // The steps along the longitude and the latitude share with the point what they can.
        const SectorLongitude at = sectorLongitude(t, dl, cutLatitude(t, dl));
        const double tanPhi = std::tan(phi * DegreeFactor);
        const scene::Point p = sectorPlatePoint(t, at, tanPhi);
        const double ex = p.x - target.x, ey = p.y - target.y;
        if (std::hypot(ex, ey) < 1e-13 * std::max(1.0, t.R))
            break;
        const scene::Point pl = sectorPlatePoint(t, sectorLongitude(t, dl + h, cutLatitude(t, dl + h)), tanPhi);
        const scene::Point pp = sectorPlatePoint(t, at, std::tan((phi - h) * DegreeFactor));
        const double j11 = (pl.x - p.x) / h, j21 = (pl.y - p.y) / h;
        const double j12 = -(pp.x - p.x) / h, j22 = -(pp.y - p.y) / h;
        const double det = j11 * j22 - j12 * j21;
        if (!(std::fabs(det) > 0))
            break;
        dl -= (ex * j22 - ey * j12) / det;
        phi = std::clamp(phi - (j11 * ey - j21 * ex) / det, 1e-9, 90.0);
    }
    const double lambda = wrappedLongitude(sectorCentre(t, k) + dl);
    return {lambda, south ? -phi : phi};
}

PlateLayout kitPlateLayout(const GoreParameters& p, const GoreTiling& t)
{
    PlateLayout plate = makePlateLayout(p);
    plate.boundaryRadius = t.apothem;
    plate.cornerRadius = t.apothem / std::cos(PiValue / p.n);
    plate.side = 2 * std::fabs(plate.cornerRadius) + 2;
    return plate;
}

} // namespace gore
