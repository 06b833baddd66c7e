#pragma once

namespace stars {

/// The program's π: the double nearest 3.14159265358979 (7 ulp below the true π).
/// Every formula that names π uses this value, so results agree to the last digit.
inline constexpr double PiValue = 3.14159265358979;

/// Degrees-to-radians factor, PiValue / 180.
inline constexpr double DegreeFactor = PiValue / 180.0;

/// Arc cosine in radians, computed as atan(−x / √(1 − x²)) + 2·atan(1).
/// Returns 0 for |x| ≥ 1 (also for −1, where the true value would be π).
double ArcCos(double x);

} // namespace stars
