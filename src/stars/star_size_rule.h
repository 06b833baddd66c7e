#pragma once

#include <optional>

namespace stars {

/// Dot radius in centimetres of a star of magnitude `Vmag` on a gore:
/// d = mf − Vmag; no radius when d ≤ 0; otherwise (g / 10)·(√(q^d) / 80).
/// Throws text::InputError when q^d has no real finite value (a negative common
/// ratio with a fractional d, or an overflowing power), naming the common ratio, the faintest
/// magnitude or, for a star brighter than magnitude −30, the star file.
std::optional<double> StarSizeRule(double faintestMagnitude, double commonRatio, double magnification,
                                   double Vmag);

} // namespace stars
