#include "gore/gore_sky.h"

#include "gore/gore_outline.h"
#include "gore/gore_projection.h"
#include "sky/sky_layers.h"
#include "stars/angles.h"
#include "stars/star_size_rule.h"
#include "text/input_error.h"

#include <algorithm>
#include <cmath>

namespace gore {

namespace {

using scene::Point;
using stars::DegreeFactor;
using stars::PiValue;

/// How far beyond its edges, in longitude, a gore still projects the sky: lines are followed
/// a little past the cut and clipped there.
constexpr double kProjectedBeyondEdgeDeg = 15.0;
/// Room left round the part of the sky a piece shows, degrees.
constexpr double kReachMarginDeg = 2.0;

bool hasPlate(const GoreDrawPlan& plan) { return plan.plate.boundary < PiValue / 2; }

std::vector<scene::Point> points(const std::vector<scene::Point>& outline)
{
    std::vector<scene::Point> out;
    out.reserve(outline.size());
    for (const scene::Point& p : outline)
        out.push_back({p.x, p.y});
    return out;
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

/// `plan`'s layout and parameters for gore `k` of the half `hemisphere`, without its stars.
GoreDrawPlan goreOf(const GoreDrawPlan& plan, int k, int hemisphere)
{
    GoreDrawPlan g;
    g.params = plan.params;
    g.params.k = static_cast<std::int16_t>(k);
    g.params.hemisphere = hemisphere;
    g.layout = makeGoreLayout(g.params);
    g.plate = plan.plate;
    g.tiling = plan.tiling;
    return g;
}

std::size_t plateIndex(const GoreParameters& p, StarTarget which)
{
    return 2 * static_cast<std::size_t>(p.n) + (which == StarTarget::Plate ? 0 : 1);
}

} // namespace

sky::SkyPiece goreSkyPiece(const GoreDrawPlan& plan, int k, int hemisphere, double width, double height, bool whole)
{
    const GoreDrawPlan one = goreOf(plan, k, hemisphere);
    const GorePiece piece = gorePiece(one, width, height, whole);
    const GoreLayout g = piece.layout;
    const double reach = std::min(80.0, 180.0 / one.params.n + kProjectedBeyondEdgeDeg);
    const bool epsilon = one.params.epsilonCorrection;
    // A half follows the sky a little past the equator; a whole gore all of it.
    const double southmost = whole || hemisphere == 0 ? -90.0 : -kProjectedBeyondEdgeDeg;
    const double northmost = whole || hemisphere == 1 ? 90.0 : kProjectedBeyondEdgeDeg;
    sky::Projection project = [g, reach, epsilon, southmost, northmost](double lambda,
                                                                        double phi) -> std::optional<scene::Point> {
        const double deltaLambda = std::remainder(lambda - g.centralLongitude, 360.0);
        if (std::fabs(deltaLambda) > reach || phi < southmost || phi > northmost)
            return std::nullopt;
        // As placeStar and buildGoreScene place a star, operation for operation.
        const double phiPrime = latitudeCoordinate(phi, deltaLambda, epsilon);
        const double a = acrossValue(phi, deltaLambda);
        return scene::Point{phiPrime * g.R + g.starEquatorX, a * g.R + g.H / 2};
    };
    // Within the outline |Δλ| is at most 180°/n and φ lies between the piece's ends (ε only moves
    // points away from the equator): a cap round that stretch of the gore holds what it shows.
    const double from = piece.south / DegreeFactor, to = piece.north / DegreeFactor;
    const double halfWidth = 180.0 / one.params.n;
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
    return sky::makeSkyPiece(std::move(project), points(goreCutOutline(one, width, height, whole)), g.R,
                             dotRadius(one.params), shown);
}

sky::SkyPiece plateSkyPiece(const GoreDrawPlan& plan, StarTarget which, double width, double height)
{
    const PlateLayout plate = plan.plate;
    const scene::Point centre = plateCentre(width, height);
    // The plate's projection divides by tan φ: it is followed down to 20° short of B.
    const double reach = std::max(0.5, plate.boundary / DegreeFactor - 20.0);
    const bool north = which == StarTarget::Plate;
    const std::optional<GoreTiling> tiling = plan.tiling;
    sky::Projection project = [plate, centre, reach, north, tiling](double lambda, double phi) -> std::optional<scene::Point> {
        if (!(north ? phi > reach : phi < -reach))
            return std::nullopt;
        const scene::Point o = tiling ? kitPlateOffset(*tiling, lambda, phi, !north)
                         : north ? plateOffset(plate, lambda, phi)
                                 : southPlateOffset(plate, lambda, phi);
        return centre + o;
    };
    std::vector<scene::Point> outline = points(plateCutOutline(plan, width, height));
    // A point d from the pole lies at φ = atan(R·sin B / d): the cut's farthest corner gives the
    // lowest latitude the plate shows.
    double farthest = 0.0;
    for (const scene::Point& c : outline)
        farthest = std::max(farthest, distance(centre, c));
    double lowest = std::atan2(plate.scale, farthest) / DegreeFactor;
    if (tiling) // the kit's plate reaches down to the corner latitude
        lowest = std::min(lowest, tiling->cornerLatitude / DegreeFactor);
    const sky::SkyCap shown{{0.0, north ? 90.0 : -90.0}, 90.0 - lowest + kReachMarginDeg};
    return sky::makeSkyPiece(std::move(project), std::move(outline), plate.R, dotRadius(plan.params), shown);
}

sky::SkyGlobe goreSkyGlobe(const GoreDrawPlan& plan, bool whole)
{
    const GoreParameters& p = plan.params;
    const PlateLayout plate = plan.plate;
    const int n = p.n;
    // Stars beyond B always leave the gores; the cap is a piece of its own where a plate is drawn.
    const bool northPlate = p.northPlate && hasPlate(plan), southPlate = p.southPlate == 1 && hasPlate(plan);
    sky::SkyGlobe globe;
    globe.pieceCount = 2 * static_cast<std::size_t>(n) + 2;
    if (plan.tiling) {
        globe.ownerOf = [t = *plan.tiling](sky::SkyPoint s) { return pieceIndex(t, ownerOf(t, s.lambda, s.phi)); };
        return globe;
    }
    globe.ownerOf = [n, plate, northPlate, southPlate, whole, epsilon = p.epsilonCorrection](sky::SkyPoint s) {
        const double lambda = sky::normalizedLongitude(s.lambda);
        const int k = std::clamp(static_cast<int>(std::floor(lambda / (360.0 / n))) + 1, 1, n);
        const double centre = 360.0 / n * (k - 1) + 180.0 / n;
        const double phiPrime = latitudeCoordinate(s.phi, lambda - centre, epsilon);
        const auto gores = static_cast<std::size_t>(n);
        if (northPlate && isOnPlate(plate, phiPrime))
            return 2 * gores;
        if (southPlate && isOnSouthPlate(plate, phiPrime))
            return 2 * gores + 1;
        return static_cast<std::size_t>(k - 1) + (phiPrime >= 0.0 || whole ? 0 : gores);
    };
    return globe;
}

void addGoreSkyLayers(scene::Scene& gore, const GoreDrawPlan& plan, bool whole)
{
    const GoreParameters& p = plan.params;
    if (!plan.sky.wanted() || (!whole && p.hemisphere != 0 && p.hemisphere != 1))
        return;
    const int hemisphere = whole ? 1 : p.hemisphere;
    const std::size_t index = static_cast<std::size_t>(p.k - 1) + (hemisphere == 1 ? 0 : static_cast<std::size_t>(p.n));
    sky::appendSkyLayers(gore, goreSkyPiece(plan, p.k, hemisphere, gore.width, gore.height, whole), index,
                         goreSkyGlobe(plan, whole), plan.sky);
}

void addPlateSkyLayers(scene::Scene& plate, const GoreDrawPlan& plan, StarTarget which)
{
    if (!plan.sky.wanted() || !hasPlate(plan))
        return;
    sky::appendSkyLayers(plate, plateSkyPiece(plan, which, plate.width, plate.height), plateIndex(plan.params, which),
                         goreSkyGlobe(plan, false), plan.sky);
}

} // namespace gore
