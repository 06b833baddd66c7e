#pragma once

namespace sky {

/// π to full double precision, for the sky geometry (which has no formula to match digit for digit).
inline constexpr double kPi = 3.141592653589793238462643383279502884;
/// Degrees to radians.
inline constexpr double kRadiansPerDegree = kPi / 180.0;

/// A direction on the celestial sphere, J2000, degrees: λ = right ascension 0…360, φ = declination −90…90.
struct SkyPoint
{
    double lambda = 0.0; ///< right ascension, degrees
    double phi = 0.0;    ///< declination, degrees
};

/// A vector in the equatorial frame: x towards λ 0° on the equator, y towards λ 90°, z to the north pole.
struct Vector3
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

/// The unit vector of `p`.
Vector3 toVector(SkyPoint p);
/// The direction of a non-zero vector: λ in [0, 360), φ in [−90, 90]; λ is 0 at the poles.
SkyPoint toSkyPoint(const Vector3& v);
/// Angle between two directions in degrees, 0…180 (atan2 form: exact near 0° and 180° too).
double angularDistance(SkyPoint a, SkyPoint b);
/// `lambdaDeg` brought into [0, 360).
double normalizedLongitude(double lambdaDeg);

/// Scalar product.
double dot(const Vector3& a, const Vector3& b);
/// Vector product a × b.
Vector3 cross(const Vector3& a, const Vector3& b);
/// Length.
double norm(const Vector3& a);

} // namespace sky
