#include "polyhedron/face_command.h"

#include "polyhedron/face_svg_document.h"
#include "polyhedron/gnomonic.h"
#include "stars/angles.h"
#include "stars/star_catalogue.h"
#include "text/input_error.h"
#include "text/number_text.h"

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

/// A point relative to the drawing centre, cm: x = viewSign·(X·R), y = Y·R (north up).
struct Offset
{
    double x = 0.0, y = 0.0;
};

struct StarDot
{
    Offset at;
    double r = 0.0;
};

/// Everything one Draw will do, worked out before anything is touched.
struct FacePlan
{
    std::vector<StarDot> stars;
    std::optional<std::string> label38;
    bool outline = false;
    double markRadius = 0.0;
    std::vector<Offset> corners;
    std::vector<std::pair<int, int>> edges; ///< 1-based, in drawing order
    bool svg = false;
    std::optional<std::string> svgProblem;
    std::filesystem::path svgPath;
};

std::string faceName(int f) { return "face " + std::to_string(f); }

/// Checks the chosen face and projects its corners; only called when marks or edges are asked for.
void planOutline(const FaceInputs& in, const FaceParameters& p, int faceNumber, const PolyhedronModel& model,
                 FacePlan& plan)
{
    plan.markRadius = kCornerMarkRadius * (in.Check7 != 0 ? 1.0 : 0.0);
    if (model.FaceFileName.empty())
        throw InputError("頂点描画あり / 辺描画あり (corner marks / edges): no face file is loaded. Please load a "
                         "face file, or clear both boxes to draw the stars only.");
    if (faceNumber < 0 || faceNumber > model.FaceCount())
        throw InputError("面番号 (face number) \"" + in.Text16 + "\": the face file " + model.FaceFileName
                         + " holds " + std::to_string(model.FaceCount()) + " faces; please choose a face from 1 to "
                         + std::to_string(model.FaceCount()) + ".");
    const Face& face = model.faces[static_cast<std::size_t>(faceNumber)];
    if (face.CornerCount < 0 || face.CornerCount > kMaxCorners)
        throw InputError(model.FaceFileName + ": " + faceName(faceNumber) + " has "
                         + std::to_string(face.CornerCount) + " corners; a face has 0 to "
                         + std::to_string(kMaxCorners) + ".");
    const TangentPoint t = p.tangent();
    const int sign = viewSign(p.insideView);
    for (int j = 1; j <= face.CornerCount; ++j) {
        const int v = face.Corners[static_cast<std::size_t>(j - 1)];
        const std::string corner = "corner " + std::to_string(j) + " of " + faceName(faceNumber) + " in "
                                   + model.FaceFileName;
        if (v < 0 || v > model.VertexCount()) {
            if (model.VertexFileName.empty())
                throw InputError(corner + " is vertex " + std::to_string(v)
                                 + ", but no vertex file is loaded. Please load the vertex file first.");
            throw InputError(corner + " is vertex " + std::to_string(v) + ", but the vertex file "
                             + model.VertexFileName + " holds vertices 1 to " + std::to_string(model.VertexCount())
                             + ".");
        }
        const Vertex& vertex = model.vertices[static_cast<std::size_t>(v)];
        const PlanePoint q = project(t, vertex.Phi * DegreeFactor, vertex.Lambda * DegreeFactor);
        // The plane through the tangent point only shows the near half of the sphere.
        if (!(q.c > 0.0))
            throw InputError(corner + " (vertex " + std::to_string(v)
                             + ") lies 90 degrees or more from the tangent point 緯度φ0 " + in.Text9 + ", 経度λ0 "
                             + in.Text10 + " and cannot be projected onto its plane. Please check the tangent point.");
        plan.corners.push_back({sign * (q.x * p.sphereRadius), q.y * p.sphereRadius});
    }
    if (in.Check8 == 1)
        plan.edges = faceEdgeOrder(face.CornerCount);
}

FacePlan planFaceDraw(const FaceInputs& in, const FaceParameters& p, const std::string& starFileName,
                      const PolyhedronModel& model, const std::filesystem::path& svgDirectory)
{
    FacePlan plan;
    const int faceNumber = readFaceNumber(in);
    plan.outline = in.Check7 != 0 || in.Check8 != 0;
    if (plan.outline)
        planOutline(in, p, faceNumber, model, plan);

    const stars::StarCatalogue catalogue = stars::ReadStarFile(starFileName);
    const TangentPoint t = p.tangent();
    const int sign = viewSign(p.insideView);
    for (std::size_t i = 0; i < catalogue.stars.size(); ++i) {
        const stars::Star& star = catalogue.stars[i];
        const double phi = star.Phi * DegreeFactor, lambda = star.Lambda * DegreeFactor;
        // ArcCos gives 0 for the antipode too (cosine −1), which lies farthest away.
        const double c = angleCosine(t, phi, lambda);
        if (!(stars::ArcCos(c) < p.projectionRange) || !(c > -1.0))
            continue;
        const double M = p.faintestMagnitude - star.Vmag;
        if (!(M > 0.0))
            continue;
        const PlanePoint q = project(t, phi, lambda);
        const double r = faceDotRadius(M, p.commonRatio, p.magnification);
        if (!std::isfinite(r))
            throw InputError("公比 (common ratio) \"" + in.Text13 + "\": star " + std::to_string(i + 1) + " of "
                             + starFileName + " (magnitude " + formatGeneral(star.Vmag)
                             + ") gets a dot too large to compute. Please type a smaller ratio.");
        plan.stars.push_back({{q.x * p.sphereRadius * sign, q.y * p.sphereRadius}, r});
    }
    if (!plan.stars.empty())
        plan.label38 = magnitudeOneLabel(p, in.decimalSeparator);

    plan.svg = in.Check9 == 1;
    if (plan.svg) {
        const std::string name = faceSvgName(in);
        plan.svgProblem = fileNameProblem(name);
        plan.svgPath = svgDirectory / std::filesystem::path(name);
    }
    return plan;
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

std::optional<FaceMessage> runFaceDraw(const FaceInputs& inputs, const std::string& starFileName,
                                       const PolyhedronModel& model, FaceWindow& window,
                                       const std::filesystem::path& svgDirectory)
{
    FaceParameters p;
    FacePlan plan;
    try {
        p = readFaceParameters(inputs);
        plan = planFaceDraw(inputs, p, starFileName, model, svgDirectory);
    } catch (const InputError& e) {
        return FaceMessage{FaceMessage::Kind::Refused, e.what()};
    }

    canvas::DrawingCanvas& canvas = window.faceCanvas();
    const float side = canvasSide(p);
    canvas.setWidth(side);
    canvas.setHeight(side);
    const float W = canvas.width();
    window.showFaceWindow();
    canvas.Cls();

    const double half = static_cast<double>(W) / 2.0;
    std::optional<FaceSvgDocument> svg;
    if (plan.svg)
        svg.emplace(canvas.width(), canvas.height());

    for (const StarDot& dot : plan.stars) {
        const double cx = dot.at.x + half;
        const double cy = half - dot.at.y;
        canvas.Circle(static_cast<float>(cx), static_cast<float>(cy), static_cast<float>(dot.r));
        if (svg)
            svg->Ellipse(cx, cy, dot.r);
        if (plan.label38)
            window.setLabel38(*plan.label38);
    }

    if (plan.outline) {
        std::size_t nextEdge = 0;
        for (std::size_t j = 0; j < plan.corners.size(); ++j) {
            const double x = plan.corners[j].x + half;
            const double y = half - plan.corners[j].y;
            canvas.setFillColor(kRed);
            canvas.setForeColor(kRed);
            canvas.Circle(static_cast<float>(x), static_cast<float>(y), static_cast<float>(plan.markRadius));
            canvas.setFillColor(kBlack);
            canvas.setForeColor(kBlack);
            for (; nextEdge < plan.edges.size() && plan.edges[nextEdge].first == static_cast<int>(j) + 1; ++nextEdge) {
                const Offset& to = plan.corners[static_cast<std::size_t>(plan.edges[nextEdge].second - 1)];
                const double x2 = to.x + half;
                const double y2 = half - to.y;
                canvas.Line(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x2),
                            static_cast<float>(y2), kRed);
                if (svg)
                    svg->Line(x, y, x2, y2);
            }
        }
    }

    if (!svg)
        return std::nullopt;
    const std::string svgFailure = "The face is drawn, but its SVG file was not written: ";
    if (plan.svgProblem)
        return FaceMessage{FaceMessage::Kind::SvgNotWritten, svgFailure + *plan.svgProblem};
    try {
        writeTextFile(plan.svgPath, svg->End());
    } catch (const InputError& e) {
        return FaceMessage{FaceMessage::Kind::SvgNotWritten, svgFailure + e.what()};
    }
    return std::nullopt;
}

} // namespace polyhedron
