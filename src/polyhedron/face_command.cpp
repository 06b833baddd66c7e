#include "polyhedron/face_command.h"

#include "polyhedron/face_number_rule.h"
#include "polyhedron/face_seams.h"
#include "kit/outline_index.h"
#include "polyhedron/face_svg_document.h"
#include "kit/glue_tab.h"
#include "kit/piece_scene.h"
#include "scene/canvas_renderer.h"
#include "polyhedron/gnomonic.h"
#include "stars/angles.h"
#include "stars/star_catalogue.h"
#include "stars/star_file_cache.h"
#include "text/input_error.h"
#include "text/message_text.h"
#include "text/number_text.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace polyhedron {

namespace {

using canvas::kBlack;
using canvas::kRed;
using stars::DegreeFactor;
using text::formatGeneral;
using text::InputError;

/// Radius of a corner mark, centimetres, when marks are on.
constexpr double kCornerMarkRadius = 0.05;

std::string degrees(double radians) { return formatGeneral(radians / DegreeFactor); }

/// The chosen face's corners projected, as offsets from the drawing centre.
std::vector<scene::Point> projectCorners(const FaceParameters& p, const FaceOutline& o, const PolyhedronModel& model)
{
    using text::Message;
    using text::MessageId;
    if (model.FaceFileName.empty())
        text::refuse(text::Input::FaceOutline, "頂点描画あり / 辺描画あり", {}, Message(MessageId::NoFaceFileForOutline));
    const std::string faceFile = text::escapedForMessage(model.FaceFileName);
    if (o.faceNumber < 0 || o.faceNumber > model.FaceCount()) {
        const std::string count = std::to_string(model.FaceCount());
        text::refuse(text::Input::FaceNumber, "面番号", std::to_string(o.faceNumber),
                     Message(MessageId::FaceFileHoldsFaces, {faceFile, count}));
    }
    const Face& face = model.faces[static_cast<std::size_t>(o.faceNumber)];
    if (face.CornerCount < 0 || face.CornerCount > kMaxCorners) {
        const Message why(MessageId::FaceCornerCountOutside,
                          {Message(MessageId::FaceNumbered, {o.faceNumber}), face.CornerCount, kMaxCorners});
        throw InputError(text::Input::ModelFile, model.FaceFileName,
                         Message(MessageId::WhereReason, {faceFile, why}), why);
    }
    const TangentPoint t = p.tangent();
    const int sign = viewSign(p.insideView);
    std::vector<scene::Point> corners;
    for (int j = 1; j <= face.CornerCount; ++j) {
        const int v = face.Corners[static_cast<std::size_t>(j - 1)];
        const std::string vertexNumber = std::to_string(v);
        const Message corner(MessageId::CornerOfFace, {j, o.faceNumber, faceFile});
        if (v < 0 || v > model.VertexCount()) {
            const std::string vertexFile = text::escapedForMessage(model.VertexFileName);
            // The message begins with the corner; the reason, said of the face box, carries it inside.
            const auto tail = [&](const Message& which) {
                return model.VertexFileName.empty()
                           ? Message(MessageId::CornerNoVertexFile, {which, vertexNumber})
                           : Message(MessageId::CornerBeyondVertices, {which, vertexNumber, vertexFile, model.VertexCount()});
            };
            throw InputError(text::Input::ModelFile, model.FaceFileName,
                             tail(Message(MessageId::CornerOfFaceStart, {j, o.faceNumber, faceFile})), tail(corner));
        }
        const Vertex& vertex = model.vertices[static_cast<std::size_t>(v)];
        const PlanePoint q = project(t, vertex.Phi * DegreeFactor, vertex.Lambda * DegreeFactor);
        // The plane through the tangent point only shows the near half of the sphere.
        if (!(q.c > 0.0)) {
            const std::string phi0 = degrees(p.phi0), lambda0 = degrees(p.lambda0);
            text::refuse(text::Input::TangentPoint, "緯度φ0 / 経度λ0", phi0 + ", " + lambda0,
                         Message(MessageId::CornerBehindTangentPoint, {corner, vertexNumber, phi0, lambda0}));
        }
        corners.push_back({sign * (q.x * p.sphereRadius), q.y * p.sphereRadius});
    }
    return corners;
}

/// Which of the three inputs of the dot size makes radius `r` unusable.
[[noreturn]] void refuseDotSize(const FaceParameters& p, const stars::Star& star, std::size_t index,
                                const std::string& starFileName)
{
    using text::Message;
    using text::MessageId;
    const Message reason(MessageId::FaceStarDotTooLarge,
                         {std::to_string(index + 1), text::escapedForMessage(starFileName), formatGeneral(star.Vmag)});
    const double M = p.faintestMagnitude - star.Vmag;
    constexpr double kSkyMagnitudes = 30.0;
    const double unit = faceDotRadius(std::min(M, kSkyMagnitudes), p.commonRatio, 1.0);
    if (!std::isfinite(static_cast<float>(unit)))
        text::refuse(text::Input::CommonRatio, "公比", formatGeneral(p.commonRatio),
                     reason + Message(MessageId::PleaseSmallerRatio));
    if (M > kSkyMagnitudes && !std::isfinite(static_cast<float>(faceDotRadius(M, p.commonRatio, 1.0))))
        text::refuse(text::Input::FaintestMagnitude, "細微等級", formatGeneral(p.faintestMagnitude),
                     reason + Message(MessageId::PleaseFaintestInRange));
    text::refuse(text::Input::Magnification, "倍率", formatGeneral(p.magnification),
                 reason + Message(MessageId::PleaseSmallerMagnification));
}

/// The face scene from the stars whose catalogue places `visitPlaces` hands, in file order, to
/// the visitor it is given.
template <typename VisitPlaces>
scene::Scene faceSceneFrom(const FaceParameters& p, const std::optional<FaceOutline>& outline,
                           const PolyhedronModel& model, const stars::StarCatalogue& catalogue,
                           const std::string& starFileName, float side, const FaceSky& sky,
                           VisitPlaces&& visitPlaces)
{
    std::vector<scene::Point> corners;
    if (outline)
        corners = projectCorners(p, *outline, model);

    scene::Scene s;
    s.width = side;
    s.height = side;
    const double half = static_cast<double>(side) / 2.0;
    scene::Layer& stars = s.layer(scene::layers::kStars);
    const TangentPoint t = p.tangent();
    const int sign = viewSign(p.insideView);
    visitPlaces([&](std::size_t i) {
        const stars::Star& star = catalogue.stars[i];
        const double phi = star.Phi * DegreeFactor, lambda = star.Lambda * DegreeFactor;
        // ArcCos gives 0 for the antipode too (cosine −1), which lies farthest away.
        const double c = angleCosine(t, phi, lambda);
        if (!(stars::ArcCos(c) < p.projectionRange) || !(c > -1.0))
            return;
        const double M = p.faintestMagnitude - star.Vmag;
        if (!(M > 0.0))
            return;
        const PlanePoint q = project(t, phi, lambda);
        const double r = faceDotRadius(M, p.commonRatio, p.magnification);
        // The canvas takes single precision: a radius beyond it draws nothing at all.
        if (!std::isfinite(static_cast<float>(r)))
            refuseDotSize(p, star, i, starFileName);
        scene::Dot dot;
        dot.index = static_cast<std::int32_t>(i);
        dot.centre = {q.x * p.sphereRadius * sign + half, half - q.y * p.sphereRadius};
        dot.radius = r;
        stars.items.emplace_back(dot);
    });

    if (outline) {
        const double markRadius = kCornerMarkRadius * (outline->corners ? 1.0 : 0.0);
        const auto edges = outline->edges ? faceEdgeOrder(static_cast<int>(corners.size()))
                                          : std::vector<std::pair<int, int>>{};
        scene::Layer& marks = s.layer(scene::layers::kOutline);
        std::size_t nextEdge = 0;
        for (std::size_t j = 0; j < corners.size(); ++j) {
            const scene::Point at{corners[j].x + half, half - corners[j].y};
            scene::Dot mark;
            mark.role = scene::Role::FaceCorner;
            mark.index = static_cast<std::int64_t>(j);
            mark.centre = at;
            mark.radius = markRadius;
            mark.outline = kRed;
            mark.fill = kRed;
            marks.items.emplace_back(mark);
            for (; nextEdge < edges.size() && edges[nextEdge].first == static_cast<int>(j) + 1; ++nextEdge) {
                const scene::Point& to = corners[static_cast<std::size_t>(edges[nextEdge].second - 1)];
                scene::Path edge;
                edge.role = scene::Role::FaceEdge;
                edge.index = static_cast<std::int64_t>(nextEdge);
                edge.runs = {{at, {to.x + half, half - to.y}}};
                edge.stroke.color = kRed;
                marks.items.emplace_back(std::move(edge));
            }
        }
    }
    addFaceSkyLayers(s, p, model, sky);
    return s;
}

} // namespace

scene::Scene buildFaceScene(const FaceParameters& p, const std::optional<FaceOutline>& outline,
                            const PolyhedronModel& model, const stars::StarCatalogue& catalogue,
                            const std::string& starFileName, float side, const FaceSky& sky)
{
    return faceSceneFrom(p, outline, model, catalogue, starFileName, side, sky, [&](auto&& visit) {
        for (std::size_t i = 0; i < catalogue.stars.size(); ++i)
            visit(i);
    });
}

scene::Scene buildFaceScene(const FaceParameters& p, const std::optional<FaceOutline>& outline,
                            const PolyhedronModel& model, const stars::StarCatalogue& catalogue,
                            const stars::SkyIndex& index, const std::string& starFileName, float side,
                            const FaceSky& sky)
{
    assert((index.cells.faintestMagnitude == p.faintestMagnitude
            || (std::isnan(index.cells.faintestMagnitude) && std::isnan(p.faintestMagnitude)))
           && "index of another faintest magnitude");
    assert(index.cells.catalogueSize == catalogue.stars.size() && "index of another catalogue");
    const std::vector<std::uint32_t> near = stars::starsNear(index, p.phi0, p.lambda0, p.projectionRange);
    return faceSceneFrom(p, outline, model, catalogue, starFileName, side, sky, [&](auto&& visit) {
        for (const std::uint32_t i : near)
            visit(i);
    });
}

std::vector<scene::Point> faceCutOutline(const FaceParameters& p, const PolyhedronModel& model, int face, float side)
{
    const std::vector<scene::Point> corners = projectCorners(p, FaceOutline{face, false, false}, model);
    if (corners.size() < 3) {
        const text::Message why(text::MessageId::FaceTooFewCornersToCut,
                                {text::Message(text::MessageId::FaceNumbered, {face}), corners.size()});
        throw InputError(text::Input::ModelFile, model.FaceFileName,
                         text::Message(text::MessageId::WhereReason, {text::escapedForMessage(model.FaceFileName), why}),
                         why);
    }
    const double half = static_cast<double>(side) / 2.0;
    std::vector<scene::Point> at;
    for (const scene::Point& c : corners)
        at.push_back({c.x + half, half - c.y});
    return at;
}

namespace {

/// A face of the model as another face's kit sees it: its projection and its cut outline, in the
/// centimetres of a canvas of the same size (the centre at `half`, half).
struct FaceView
{
    int face = 0;
    FaceParameters p;
    TangentPoint t;
    double half = 0.0;
    kit::Polygon outline;

    /// Face `f` drawn as `base` says, round its own centre when `ownCentre` (as its template is drawn).
    FaceView(const FaceParameters& base, const PolyhedronModel& model, int f, float side, bool ownCentre)
        : face(f), p(base)
    {
        if (const auto centre = ownCentre ? faceCentre(model, f) : std::nullopt) {
            p.phi0 = centre->latitude * DegreeFactor;
            p.lambda0 = centre->longitude * DegreeFactor;
        }
        t = p.tangent();
        half = static_cast<double>(side) / 2.0;
        outline = faceCutOutline(p, model, f, side);
    }

    /// Where the face prints the sky point (φ, λ), radians; no value on the far hemisphere.
    std::optional<scene::Point> paperOf(double phi, double lambda) const
    {
        const PlanePoint q = project(t, phi, lambda);
        if (!(q.c > 0))
            return std::nullopt;
        return scene::Point{q.x * p.sphereRadius * viewSign(p.insideView) + half, half - q.y * p.sphereRadius};
    }

    /// The sky point (φ, λ), radians, that the face prints at `at`: the gnomonic projection undone.
    std::pair<double, double> skyOf(scene::Point at) const
    {
        const double x = (at.x - half) / (p.sphereRadius * viewSign(p.insideView)), y = (half - at.y) / p.sphereRadius;
        const double rho = std::hypot(x, y);
        if (!(rho > 0))
            return {t.phi0, t.lambda0};
        const double c = std::atan(rho);
        const double phi = std::asin(std::clamp(std::cos(c) * t.sinPhi0 + y * std::sin(c) * t.cosPhi0 / rho, -1.0, 1.0));
        const double lambda =
            t.lambda0 + std::atan2(x * std::sin(c), rho * t.cosPhi0 * std::cos(c) - y * t.sinPhi0 * std::sin(c));
        return {phi, lambda};
    }
};

/// Keeps on face `f`'s piece (outline `piece`) the stars whose dots lie on it. A star whose centre
/// the face holds stays, clipped where its dot crosses the cut. A star another face holds stays only
/// where its dot on that face crosses the edge the two faces share: carried across that edge rigidly
/// (as far along it and from it as on its own face), clipped, so that the two parts meet once glued.
void keepFaceStars(scene::Scene& s, const FaceParameters& p, const PolyhedronModel& model, int f, float side,
                   const kit::Polygon& piece)
{
    const kit::OutlineIndex mine(piece);
    const std::vector<std::optional<int>> across = faceNeighbours(model, f);
    std::vector<FaceView> others;
    for (const std::optional<int>& g : across)
        if (g)
            others.emplace_back(p, model, *g, side, true);
    const FaceView self(p, model, f, side, false);
    std::int32_t clip = -1;
    const auto clipped = [&]() {
        if (clip < 0)
            clip = kit::addClip(s, piece);
        return clip;
    };
    constexpr double kStep = 1e-4; // cm along and across an edge
    for (scene::Layer& layer : s.layers)
        std::erase_if(layer.items, [&](scene::Item& item) {
            auto* d = std::get_if<scene::Dot>(&item);
            if (!d || d->role != scene::Role::Star)
                return false;
            const double r = kit::printedRadius(d->radius);
            if (kit::contains(piece, d->centre)) {
                if (mine.within(d->centre, r))
                    d->clip = clipped();
                return false;
            }
            const auto [phi, lambda] = self.skyOf(d->centre);
            for (const FaceView& owner : others) {
                const std::optional<scene::Point> at = owner.paperOf(phi, lambda);
                if (!at || !kit::contains(owner.outline, *at))
                    continue;
                // The edge of the owner's outline that this face shares.
                const std::vector<std::optional<int>> theirs = faceNeighbours(model, owner.face);
                const std::size_t n = owner.outline.size();
                for (std::size_t j = 0; j < n && j < theirs.size(); ++j) {
                    if (theirs[j] != f)
                        continue;
                    const scene::Point a = owner.outline[j], b = owner.outline[(j + 1) % n];
                    const double length = distance(a, b);
                    if (!(length > 0))
                        return true;
                    const scene::Point along = (b - a) / length;
                    const double u = std::clamp(dot(*at - a, along), 0.0, length);
                    const scene::Point e = a + u * along;
                    scene::Point outward{along.y, -along.x};
                    if (kit::signedArea(owner.outline) < 0)
                        outward = {-outward.x, -outward.y};
                    const double inward = -((at->x - e.x) * outward.x + (at->y - e.y) * outward.y);
                    if (!(inward < r))
                        return true; // whole on its own face
                    const auto seam = owner.skyOf(e);
                    const auto ahead = owner.skyOf({e.x + kStep * along.x, e.y + kStep * along.y});
                    const auto behind = owner.skyOf({e.x - kStep * outward.x, e.y - kStep * outward.y});
                    const auto e2 = self.paperOf(seam.first, seam.second);
                    const auto a2 = self.paperOf(ahead.first, ahead.second);
                    const auto b2 = self.paperOf(behind.first, behind.second);
                    const std::optional<kit::CutFrame> here =
                        e2 && a2 && b2 ? kit::cutFrameThrough(*e2, *a2, *b2) : std::nullopt;
                    if (!here)
                        return true;
                    d->centre = kit::carriedOver(*at, {e, along, outward}, *here);
                    if (!mine.within(d->centre, r))
                        return true;
                    d->clip = clipped();
                    return false;
                }
                return true;
            }
            return true; // a face farther off holds it
        });
}

/// The face drawing `draw()` makes, finished as `kit` says (see buildFaceScene with a FaceKit).
template <typename Draw>
scene::Scene finishedAsKit(const FaceParameters& p, const PolyhedronModel& model, float side, const FaceKit& kit,
                           const FaceSky& sky, Draw&& draw)
{
    if (!kit.style.pieces)
        return draw(sky);
    const std::vector<scene::Point> at = faceCutOutline(p, model, kit.faceNumber, side);
    scene::Scene s = draw(FaceSky{});
    scene::Point middle;
    for (const scene::Point& c : at)
        middle = middle + c / static_cast<double>(at.size());
    const std::vector<std::optional<int>> across = faceNeighbours(model, kit.faceNumber);
    std::vector<kit::OutlineEdge> edges;
    for (std::size_t j = 0; j < at.size(); ++j) {
        const scene::Point& a = at[j];
        const scene::Point& b = at[(j + 1) % at.size()];
        edges.push_back({{a, b}, across[j] && kit.faceNumber < *across[j]});
        if (across[j])
            kit::addEdgeLabel(s, a, b, middle, seamLabel(kit.faceNumber, *across[j]));
    }
    kit::addPieceLabel(s, middle, std::to_string(kit.faceNumber));
    const kit::TabbedOutline piece = kit.style.tabWidth > 0
                                         ? kit::addGlueTabs(edges, kit.style.tabWidth)
                                         : kit::TabbedOutline{kit::pieceOf(edges), kit::pieceOf(edges), {}, {}};
    keepFaceStars(s, p, model, kit.faceNumber, side, piece.piece);
    kit::addPiece(s, piece);
    addFaceSkyLayers(s, p, model, sky); // last, so that its labels keep clear of the piece's
    return s;
}

} // namespace

scene::Scene buildFaceScene(const FaceParameters& p, const std::optional<FaceOutline>& outline,
                            const PolyhedronModel& model, const stars::StarCatalogue& catalogue,
                            const std::string& starFileName, float side, const FaceKit& kit, const FaceSky& sky)
{
    return finishedAsKit(p, model, side, kit, sky, [&](const FaceSky& drawn) {
        return buildFaceScene(p, outline, model, catalogue, starFileName, side, drawn);
    });
}

scene::Scene buildFaceScene(const FaceParameters& p, const std::optional<FaceOutline>& outline,
                            const PolyhedronModel& model, const stars::StarCatalogue& catalogue,
                            const stars::SkyIndex& index, const std::string& starFileName, float side,
                            const FaceKit& kit, const FaceSky& sky)
{
    return finishedAsKit(p, model, side, kit, sky, [&](const FaceSky& drawn) {
        return buildFaceScene(p, outline, model, catalogue, index, starFileName, side, drawn);
    });
}

namespace {

/// The face SVG document of a drawing: its stars as ellipses, its edges as lines.
std::string faceSvg(const scene::Scene& s)
{
    FaceSvgDocument svg(static_cast<float>(s.width), static_cast<float>(s.height));
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items) {
            if (const auto* dot = std::get_if<scene::Dot>(&item); dot && dot->role == scene::Role::Star)
                svg.Ellipse(dot->centre.x, dot->centre.y, dot->radius);
            else if (const auto* edge = scene::itemIf<scene::Path>(&item); edge && edge->role == scene::Role::FaceEdge)
                svg.Line(edge->runs[0][0].x, edge->runs[0][0].y, edge->runs[0][1].x, edge->runs[0][1].y);
        }
    return svg.End();
}

} // namespace

std::vector<std::pair<int, int>> faceEdgeOrder(int n)
{
    std::vector<std::pair<int, int>> edges;
    for (int j = 2; j <= n; ++j) {
        if (j == n)
            edges.emplace_back(j, 1);
        edges.emplace_back(j, j - 1);
    }
    return edges;
}

std::optional<FaceMessage> runFaceDraw(const FaceSpec& entered, const std::string& starFileName,
                                       const PolyhedronModel& model, FaceWindow& window,
                                       const std::filesystem::path& svgDirectory)
{
    FaceParameters p;
    scene::Scene drawing;
    std::optional<FaceOutline> outline;
    FaceSky sky;
    std::shared_ptr<const stars::StarCatalogue> catalogue; // a file drawn again unchanged is not read again
    std::optional<std::string> magnitudeOneRadius;
    std::optional<text::Message> svgProblem;
    std::filesystem::path svgPath;
    const bool svg = entered.svg;
    try {
        p = readFaceParameters(entered);
        const int faceNumber = readFaceNumber(entered);
        if (entered.outline)
            outline = FaceOutline{faceNumber, entered.corners, entered.edges};
        if (outline)
            projectCorners(p, *outline, model); // the face is checked before the star file is read
        catalogue = stars::ReadStarFileCached(starFileName);
        sky = FaceSky{window.skyLayers(), faceNumber};
        drawing = buildFaceScene(p, outline, model, *catalogue, starFileName, canvas::snapSide(canvasSide(p)), sky);
        if (drawing.count(scene::Role::Star) > 0)
            magnitudeOneRadius = magnitudeOneLabel(p, entered.decimalSeparator);
        if (svg) {
            const std::string name = faceSvgName(entered, entered.insideView);
            svgProblem = fileNameProblem(name);
            svgPath = svgDirectory / std::filesystem::path(name);
        }
    } catch (const InputError& e) {
        return FaceMessage{FaceMessage::Kind::Refused, e.what(), kFaceMessageTitle, e};
    }

    canvas::DrawingCanvas& canvas = window.faceCanvas();
    const float side = canvasSide(p);
    canvas.setWidth(side);
    canvas.setHeight(side);
    window.showFaceWindow();
    canvas.Cls();
    // The drawing was laid out on the side a canvas snaps to; one that snapped otherwise gets its own.
    if (canvas.width() != static_cast<float>(drawing.width))
        drawing = buildFaceScene(p, outline, model, *catalogue, starFileName, canvas.width(), sky);

    scene::drawScene(drawing, canvas);
    // The label is set again for every star drawn, as the drawing loop always did.
    if (magnitudeOneRadius)
        for (std::size_t i = drawing.count(scene::Role::Star); i > 0; --i)
            window.setMagnitudeOneRadius(*magnitudeOneRadius);

    if (!svg)
        return std::nullopt;
    const auto notWritten = [](const InputError& e) {
        return FaceMessage{FaceMessage::Kind::SvgNotWritten,
                           std::string("The face is drawn, but its SVG file was not written: ") + e.what(),
                           kFaceMessageTitle, e};
    };
    if (svgProblem)
        return notWritten(InputError(*svgProblem));
    try {
        writeTextFile(svgPath, faceSvg(drawing));
    } catch (const InputError& e) {
        return notWritten(e);
    }
    return std::nullopt;
}

} // namespace polyhedron
