#include "polyhedron/face_sky.h"

#include "polyhedron/face_command.h"
#include "polyhedron/gnomonic.h"
#include "sky/polygon_clip.h"
#include "sky/sky_layers.h"
#include "stars/angles.h"

#include <cmath>
#include <optional>

namespace polyhedron {

namespace {

using scene::Point;
using stars::DegreeFactor;

/// Nearest to its tangent point's horizon that a face still projects the sky: cosine of 87°.
constexpr double kProjectedCosine = 0.05;
/// Corners of the disc a drawing without a face is cut at.
constexpr int kDiscCorners = 720;
/// Room left round the part of the sky a face shows, degrees.
constexpr double kReachMarginDeg = 2.0;

/// Whether face `f` of `model` has corners enough, all on loaded vertices.
bool usableFace(const PolyhedronModel& model, int f)
{
    if (f < 1 || f > model.FaceCount())
        return false;
    const Face& face = model.faces[static_cast<std::size_t>(f)];
    if (face.CornerCount < 3 || face.CornerCount > kMaxCorners)
        return false;
    for (int j = 0; j < face.CornerCount; ++j) {
        const int v = face.Corners[static_cast<std::size_t>(j)];
        if (v < 1 || v > model.VertexCount())
            return false;
    }
    return true;
}

/// The corners of face `f` on the tangent plane of `t`, in sphere radii; none when one lies
/// on or beyond the plane's horizon.
std::optional<std::vector<scene::Point>> planeCorners(const TangentPoint& t, const PolyhedronModel& model, int f)
{
    const Face& face = model.faces[static_cast<std::size_t>(f)];
    std::vector<scene::Point> corners;
    for (int j = 0; j < face.CornerCount; ++j) {
        const Vertex& v = model.vertices[static_cast<std::size_t>(face.Corners[static_cast<std::size_t>(j)])];
        const PlanePoint q = project(t, v.Phi * DegreeFactor, v.Lambda * DegreeFactor);
        if (!(q.c > kProjectedCosine))
            return std::nullopt;
        corners.push_back({q.x, q.y});
    }
    return corners;
}

/// `p` tangent at the centre of face `f`.
FaceParameters atFaceCentre(FaceParameters p, const PolyhedronModel& model, int f)
{
    const Face& face = model.faces[static_cast<std::size_t>(f)];
    p.phi0 = face.Phi * DegreeFactor;
    p.lambda0 = face.Lambda * DegreeFactor;
    return p;
}

} // namespace

sky::SkyPiece faceSkyPiece(const FaceParameters& p, const PolyhedronModel& model, int faceNumber, float side)
{
    const TangentPoint t = p.tangent();
    const double sign = viewSign(p.insideView);
    const double half = static_cast<double>(side) / 2.0;
    const double R = p.sphereRadius;
    // As buildFaceScene places a star, operation for operation.
    sky::Projection projection = [t, sign, half, R](double lambda, double phi) -> std::optional<scene::Point> {
        const double ph = phi * DegreeFactor, la = lambda * DegreeFactor;
        if (!(angleCosine(t, ph, la) > kProjectedCosine))
            return std::nullopt;
        const PlanePoint q = project(t, ph, la);
        return scene::Point{q.x * R * sign + half, half - q.y * R};
    };
    std::vector<scene::Point> outline;
    const sky::SkyPoint centre{p.lambda0 / DegreeFactor, p.phi0 / DegreeFactor};
    // The corners' cap holds the face, its edges being great circles; the disc's is the range.
    sky::SkyCap reach{centre, p.projectionRange / DegreeFactor + kReachMarginDeg};
    if (usableFace(model, faceNumber) && planeCorners(t, model, faceNumber)) {
        for (const scene::Point& c : faceCutOutline(p, model, faceNumber, side))
            outline.push_back({c.x, c.y});
        std::vector<sky::SkyPoint> vertices;
        const Face& face = model.faces[static_cast<std::size_t>(faceNumber)];
        for (int j = 0; j < face.CornerCount; ++j) {
            const Vertex& v = model.vertices[static_cast<std::size_t>(face.Corners[static_cast<std::size_t>(j)])];
            vertices.push_back({v.Lambda, v.Phi});
        }
        reach = sky::capAround(centre, vertices, kReachMarginDeg);
    } else {
        const double r = R * std::tan(p.projectionRange);
        for (int i = 0; i < kDiscCorners; ++i) {
            const double a = 2.0 * sky::kPi * i / kDiscCorners;
            outline.push_back({half + r * std::cos(a), half + r * std::sin(a)});
        }
    }
    const double faintest = p.faintestMagnitude, ratio = p.commonRatio, magnification = p.magnification;
    const auto dotRadius = [faintest, ratio, magnification](double magnitude) {
        const double M = faintest - magnitude;
        const double r = M > 0.0 ? faceDotRadius(M, ratio, magnification) : 0.0;
        return std::isfinite(r) ? r : 0.0;
    };
    return sky::makeSkyPiece(std::move(projection), std::move(outline), R, dotRadius, reach);
}

sky::SkyGlobe faceSkyGlobe(const FaceParameters& p, const PolyhedronModel& model)
{
    struct FaceRegion
    {
        int face = 0;
        TangentPoint tangent;
        std::vector<scene::Point> corners; ///< on the tangent plane, sphere radii
    };
    std::vector<FaceRegion> regions;
    for (int f = 1; f <= model.FaceCount(); ++f) {
        if (!usableFace(model, f))
            continue;
        const TangentPoint t = atFaceCentre(p, model, f).tangent();
        if (auto corners = planeCorners(t, model, f))
            regions.push_back({f, t, std::move(*corners)});
    }
    sky::SkyGlobe globe;
    globe.pieceCount = static_cast<std::size_t>(model.FaceCount());
    globe.ownerOf = [regions](sky::SkyPoint s) -> std::size_t {
        const double phi = s.phi * DegreeFactor, lambda = s.lambda * DegreeFactor;
        std::size_t nearest = 0;
        double nearestCosine = -2.0;
        for (const FaceRegion& r : regions) {
            const PlanePoint q = project(r.tangent, phi, lambda);
            if (q.c > 0.0 && sky::pointInPolygon(r.corners, {q.x, q.y}))
                return static_cast<std::size_t>(r.face - 1);
            if (q.c > nearestCosine) {
                nearestCosine = q.c;
                nearest = static_cast<std::size_t>(r.face - 1);
            }
        }
        return nearest; // a gap between the faces of a model that does not close
    };
    return globe;
}

void addFaceSkyLayers(scene::Scene& face, const FaceParameters& p, const PolyhedronModel& model, const FaceSky& sky)
{
    if (!sky.request.wanted())
        return;
    const auto side = static_cast<float>(face.width);
    const sky::SkyPiece here = faceSkyPiece(p, model, sky.faceNumber, side);
    if (usableFace(model, sky.faceNumber) && planeCorners(p.tangent(), model, sky.faceNumber))
        sky::appendSkyLayers(face, here, static_cast<std::size_t>(sky.faceNumber - 1), faceSkyGlobe(p, model),
                             sky.request);
    else
        sky::appendSkyLayers(face, here, 0, sky::singlePieceGlobe(), sky.request);
}

} // namespace polyhedron
