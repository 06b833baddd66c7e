#pragma once

#include "scene/point.h"
#include "sky/sky_curve.h"

#include <functional>
#include <optional>
#include <vector>

namespace sky {

/// The plane position, in cm, of the sky direction (λ, φ) in degrees, or none where the
/// projection has no point (behind a gnomonic face, say). λ comes in [0, 360): the projection
/// must treat λ and λ ± 360 alike.
using Projection = std::function<std::optional<scene::Point>(double lambdaDeg, double phiDeg)>;

/// A drawn line: points in order, at least two.
using Polyline = std::vector<scene::Point>;

/// How far a drawn line may depart from the projected true curve: 0.05 mm.
inline constexpr double kLineToleranceCm = 0.005;

/// The projected `curve` as polylines whose every point of the true projected curve lies within
/// `toleranceCm` of the line: each step of the curve is halved until the projections of its
/// quarter points lie that close to the chord. A new polyline starts where the projection has
/// no point and where the projected curve jumps (a seam); the ends found by bisection to 1e-12
/// of t. A stretch without a point at both ends of a step (under about 1°) is not looked for.
std::vector<Polyline> sampleCurve(const SkyCurve& curve, const Projection& project,
                                  double toleranceCm = kLineToleranceCm);

/// `sampleCurve` over curves drawn end to end: a polyline runs on from one curve into the next
/// when the next starts where the last ended (as boundary edges of one outline do).
std::vector<Polyline> sampleCurves(const std::vector<SkyCurve>& curves, const Projection& project,
                                   double toleranceCm = kLineToleranceCm);

/// A constellation figure polyline: great-circle arcs between consecutive `vertices`,
/// sampled as `sampleCurves` does; each vertex projects exactly onto a point of the result.
std::vector<Polyline> samplePath(const std::vector<SkyPoint>& vertices, const Projection& project,
                                 double toleranceCm = kLineToleranceCm);

/// Distance in the plane from `p` to the segment from `a` to `b`.
double distanceToSegment(scene::Point p, scene::Point a, scene::Point b);

} // namespace sky
