#pragma once

namespace polyhedron {

/// Fixed values of one projection centre, computed once per Draw.
struct TangentPoint
{
    TangentPoint() = default;
    /// The tangent point at latitude `phi0` and longitude `lambda0`, radians.
    TangentPoint(double phi0, double lambda0);

    double phi0 = 0.0;    ///< latitude of the tangent point, radians
    double lambda0 = 0.0; ///< longitude of the tangent point, radians
    double cosPhi0 = 1.0; ///< cos(phi0)
    double sinPhi0 = 0.0; ///< sin(phi0)
};

/// A point of the sphere carried onto the tangent plane.
struct PlanePoint
{
    double c = 0.0; ///< cosine of the angle to the tangent point, as computed from the angles
    double d = 0.0; ///< angle to the tangent point, radians: ArcCos(c)
    double x = 0.0; ///< towards larger longitude, in sphere radii
    double y = 0.0; ///< towards the north, in sphere radii
};

/// Cosine of the angle between (phi, lambda) and the tangent point, radians in.
double angleCosine(const TangentPoint& t, double phi, double lambda);

/// Angle in radians between (phi, lambda) and the tangent point, by ArcCos
/// (0 also for the antipode, where the cosine is −1).
double angularDistance(const TangentPoint& t, double phi, double lambda);

/// Gnomonic image of (phi, lambda) in radians: X = cos φ·sin(λ − λ0) / cos d,
/// Y = (cos φ0·sin φ − cos φ·sin φ0·cos(λ − λ0)) / cos d, the divisor being the cosine
/// of the angle ArcCos returned. Meaningful only on the near hemisphere (c > 0).
PlanePoint project(const TangentPoint& t, double phi, double lambda);

} // namespace polyhedron
