#include "gore/gore_sky.h"

#include "gore/gore_projection.h"
#include "sky/sky_layers.h"
#include "stars/angles.h"
#include "stars/star_size_rule.h"
#include "text/input_error.h"

#include <algorithm>
#include <cmath>

namespace gore {

namespace {

using sky::Point2;
using stars::DegreeFactor;
using stars::PiValue;

/// How far beyond its edges, in longitude, a gore still projects the sky: lines are followed
/// a little past the cut and clipped there.
constexpr double kProjectedBeyondEdgeDeg = 15.0;
/// Room left round the part of the sky a piece shows, degrees.
constexpr double kReachMarginDeg = 2.0;

/// The plate boundary B as a latitude coordinate, radians: the cap beyond it is the plate's.
double plateLimit(const GoreDrawPlan& plan) { return std::min(plan.plate.boundary, PiValue / 2); }

bool hasPlate(const GoreDrawPlan& plan) { return plan.plate.boundary < PiValue / 2; }

/// The part of gore `g` between the latitude coordinates `from` and `to` (radians): its edges as
/// drawn (x = x0 + t·R, half width ½·fullWidth·sin t with t = φ′ + π/2), closed straight across.
std::vector<Point2> goreSkyOutline(const GoreLayout& g, double from, double to)
{
    constexpr double kStep = 0.001; // the drawn edge's step of t
    const double t0 = from + PiValue / 2, t1 = to + PiValue / 2;
    const int steps = std::max(1, static_cast<int>(std::ceil((t1 - t0) / kStep)));
    std::vector<Point2> lower, upper;
    for (int i = 0; i <= steps; ++i) {
        const double t = t0 + (t1 - t0) * i / steps;
        const double x = g.outlineStartX + t * g.R, halfWidth = g.fullWidth * 0.5 * std::sin(t);
        lower.push_back({x, 0.5 * g.H + halfWidth});
        upper.push_back({x, 0.5 * g.H - halfWidth});
    }
    std::vector<Point2> outline = lower;
    outline.insert(outline.end(), upper.rbegin(), upper.rend());
    // Where the gore ends in a point (a pole), its two edges meet in one corner.
    outline.erase(std::unique(outline.begin(), outline.end(),
                              [](Point2 a, Point2 b) { return a.x == b.x && a.y == b.y; }),
                  outline.end());
    return outline;
}

/// The cutting circle of the plate around its pole, as drawn.
std::vector<Point2> plateSkyOutline(const PlateLayout& plate, Offset pole)
{
    std::vector<Point2> outline;
    for (const Offset& dot : plateBoundaryDots(plate))
        outline.push_back({pole.dx + dot.dx, pole.dy + dot.dy});
    return outline;
}

/// The dot radius the plan gives a star of `magnitude`, 0 when it gives none.
std::function<double(double)> dotRadius(const GoreParameters& p)
{
    return [p](double magnitude) {
        try {
            return stars::StarSizeRule(p.faintestMagnitude, p.commonRatio, p.magnification, magnitude).value_or(0.0);
        } catch (const text::InputError&) {
            return 0.0;
        }
    };
}

std::size_t northPlateIndex(const GoreParameters& p) { return 2 * static_cast<std::size_t>(p.n); }

std::size_t goreIndex(const GoreParameters& p, int k, int hemisphere)
{
    return static_cast<std::size_t>(k - 1) + (hemisphere == 1 ? 0 : static_cast<std::size_t>(p.n));
}

} // namespace

sky::SkyPiece goreSkyPiece(const GoreDrawPlan& plan, int k, int hemisphere, double width, double height)
{
    GoreParameters p = plan.params;
    p.k = static_cast<std::int16_t>(k);
    const GoreLayout g = placeOnCanvas(makeGoreLayout(p), hemisphere, width, height);
    const double reach = std::min(80.0, 180.0 / p.n + kProjectedBeyondEdgeDeg);
    const bool epsilon = p.epsilonCorrection;
    sky::Projection project = [g, reach, epsilon, hemisphere](double lambda, double phi) -> std::optional<Point2> {
        const double deltaLambda = std::remainder(lambda - g.centralLongitude, 360.0);
        if (std::fabs(deltaLambda) > reach || (hemisphere == 1 ? phi < -kProjectedBeyondEdgeDeg : phi > kProjectedBeyondEdgeDeg))
            return std::nullopt;
        // As placeStar and buildGoreScene place a star, operation for operation.
        const double phiPrime = latitudeCoordinate(phi, deltaLambda, epsilon);
        const double a = acrossValue(phi, deltaLambda);
        return Point2{phiPrime * g.R + g.starEquatorX, a * g.R + g.H / 2};
    };
    const double north = plateLimit(plan);
    const double south = p.southPlate == 1 ? plateLimit(plan) : PiValue / 2;
    std::vector<Point2> outline = hemisphere == 1 ? goreSkyOutline(g, 0.0, north) : goreSkyOutline(g, -south, 0.0);
    // Within the outline |Δλ| is at most 180°/n and φ lies between the piece's ends (ε only moves
    // points away from the equator): a cap round that stretch of the gore holds what it shows.
    const double from = hemisphere == 1 ? 0.0 : -south / DegreeFactor, to = hemisphere == 1 ? north / DegreeFactor : 0.0;
    const double halfWidth = 180.0 / p.n;
    std::vector<sky::SkyPoint> rim;
    for (double phi = from;; phi = std::min(to, phi + 1.0)) {
        rim.push_back({sky::normalizedLongitude(g.centralLongitude - halfWidth), phi});
        rim.push_back({sky::normalizedLongitude(g.centralLongitude + halfWidth), phi});
        if (phi == to)
            break;
    }
    for (double d = -halfWidth;; d = std::min(halfWidth, d + 1.0)) {
        rim.push_back({sky::normalizedLongitude(g.centralLongitude + d), from});
        rim.push_back({sky::normalizedLongitude(g.centralLongitude + d), to});
        if (d == halfWidth)
            break;
    }
    const sky::SkyCap shown = sky::capAround({g.centralLongitude, 0.5 * (from + to)}, rim, kReachMarginDeg);
    return sky::makeSkyPiece(std::move(project), std::move(outline), g.R, dotRadius(p), shown);
}

sky::SkyPiece plateSkyPiece(const GoreDrawPlan& plan, StarTarget which, double width, double height)
{
    const PlateLayout plate = plan.plate;
    const Offset centre = plateCentre(width, height);
    // The plate's projection divides by tan φ: it is followed down to 20° short of B.
    const double reach = std::max(0.5, plate.boundary / DegreeFactor - 20.0);
    sky::Projection project;
    if (which == StarTarget::Plate)
        project = [plate, centre, reach](double lambda, double phi) -> std::optional<Point2> {
            if (!(phi > reach))
                return std::nullopt;
            const Offset o = plateOffset(plate, lambda, phi);
            return Point2{centre.dx + o.dx, centre.dy + o.dy};
        };
    else
        project = [plate, centre, reach](double lambda, double phi) -> std::optional<Point2> {
            if (!(phi < -reach))
                return std::nullopt;
            const Offset o = southPlateOffset(plate, lambda, phi);
            return Point2{centre.dx + o.dx, centre.dy + o.dy};
        };
    // Within the cutting circle φ lies beyond B.
    const double pole = which == StarTarget::Plate ? 90.0 : -90.0;
    const sky::SkyCap cap{{0.0, pole}, 90.0 - plate.boundary / DegreeFactor + kReachMarginDeg};
    return sky::makeSkyPiece(std::move(project), plateSkyOutline(plate, centre), plate.R, dotRadius(plan.params), cap);
}

sky::SkyGlobe goreSkyGlobe(const GoreDrawPlan& plan)
{
    const GoreParameters& p = plan.params;
    const PlateLayout plate = plan.plate;
    const int n = p.n;
    const bool southPlate = p.southPlate == 1;
    sky::SkyGlobe globe;
    globe.pieceCount = northPlateIndex(p) + (southPlate ? 2 : 1);
    globe.ownerOf = [n, plate, southPlate, epsilon = p.epsilonCorrection](sky::SkyPoint s) -> std::size_t {
        const double lambda = sky::normalizedLongitude(s.lambda);
        const int k = std::clamp(static_cast<int>(std::floor(lambda / (360.0 / n))) + 1, 1, n);
        const double centre = 360.0 / n * (k - 1) + 180.0 / n;
        const double phiPrime = latitudeCoordinate(s.phi, lambda - centre, epsilon);
        const auto gores = static_cast<std::size_t>(n);
        if (isOnPlate(plate, phiPrime))
            return 2 * gores;
        if (southPlate && isOnSouthPlate(plate, phiPrime))
            return 2 * gores + 1;
        return static_cast<std::size_t>(k - 1) + (phiPrime >= 0.0 ? 0 : gores);
    };
    return globe;
}

void addGoreSkyLayers(scene::Scene& gore, const GoreDrawPlan& plan)
{
    const int hemisphere = plan.params.hemisphere;
    if (!plan.sky.wanted() || (hemisphere != 0 && hemisphere != 1))
        return;
    sky::appendSkyLayers(gore, goreSkyPiece(plan, plan.params.k, hemisphere, gore.width, gore.height),
                         goreIndex(plan.params, plan.params.k, hemisphere), goreSkyGlobe(plan), plan.sky);
}

void addPlateSkyLayers(scene::Scene& plate, const GoreDrawPlan& plan, StarTarget which)
{
    if (!plan.sky.wanted() || !hasPlate(plan) || (which == StarTarget::SouthPlate && plan.params.southPlate != 1))
        return;
    const std::size_t index = northPlateIndex(plan.params) + (which == StarTarget::Plate ? 0 : 1);
    sky::appendSkyLayers(plate, plateSkyPiece(plan, which, plate.width, plate.height), index, goreSkyGlobe(plan),
                         plan.sky);
}

} // namespace gore
