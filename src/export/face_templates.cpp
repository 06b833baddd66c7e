#include "export/face_templates.h"

#include "appdata/data_folder.h"
#include "export/ordered_work.h"
#include "export/vector_unit.h"
#include "polyhedron/face_command.h"
#include "polyhedron/face_number_rule.h"
#include "polyhedron/face_svg_document.h"
#include "stars/angles.h"
#include "canvas/drawing_canvas.h"
#include "kit/piece_scene.h"
#include "text/input_error.h"
#include "text/message_text.h"
#include "text/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <filesystem>
#include <utility>
#include <vector>

namespace exporter {

namespace {

const char* const kVerticesSuffix = "-vertices.csv";
const char* const kFacesSuffix = "-faces.csv";
/// cos 89.9°: a corner nearer the horizon of its face's map lies hundreds of radii out.
constexpr double kLeastCornerCosine = 1.7453e-3;
/// Narrowest width of a face, in sphere radii, below which its corners lie on one great circle.
constexpr double kLeastFaceWidth = 1e-9;

/// `typed` in double quotes, its control bytes escaped, for a message.
std::string inQuotes(const std::string& typed) { return "\"" + text::escapedForMessage(typed) + "\""; }

/// The option that stands for `input`, and its text as typed; "--stars" for none.
std::pair<std::string, std::string> optionOf(const FaceOptions& o, const std::string& face, text::Input input)
{
    using text::Input;
    switch (input) {
    case Input::FaceNumber:
    case Input::TangentPoint:
    case Input::TangentLatitude:
    case Input::TangentLongitude: return {"--face", face};
    case Input::FaceOutline:
    case Input::ModelFile:
        if (!o.faces.empty())
            return {"--faces", o.faces};
        return {"--model", o.model};
    default: break;
    }
    if (const polyhedron::FaceTextField* f = polyhedron::faceTextField(input))
        return {f->option, o.*f->text};
    return {"--stars", {}};
}

[[noreturn]] void refuse(const FaceOptions& o, const std::string& face, const text::InputError& e)
{
    const auto [option, typed] = optionOf(o, face, e.input());
    if (option == "--stars")
        throw text::InputError("option --stars: " + std::string(e.what()));
    refuseOption(option, typed, e);
}

} // namespace

std::vector<std::string> bundledModels()
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(appdata::bundledDataFolder() / "models", ec)) {
        const std::string file = entry.path().filename().string();
        const std::string suffix = kFacesSuffix;
        if (file.size() > suffix.size() && file.ends_with(suffix))
            names.push_back(file.substr(0, file.size() - suffix.size()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

ModelFiles modelFiles(const FaceOptions& o)
{
    ModelFiles files{o.vertices, o.faces};
    if (files.vertices.empty() != files.faces.empty())
        throw text::InputError(files.vertices.empty()
                                   ? "option --faces " + inQuotes(files.faces) + ": give the vertex file with --vertices too."
                                   : "option --vertices " + inQuotes(files.vertices)
                                         + ": give the face file with --faces too.");
    if (!files.vertices.empty())
        return files;
    const bool plain = !o.model.empty() && o.model.find_first_of("/\\") == std::string::npos && o.model != "."
                       && o.model != "..";
    // A bundled model's two files, when both are there.
    const auto bundled = [](const std::string& suffix) -> std::optional<std::string> {
        const std::filesystem::path file = appdata::bundledDataFolder() / "models" / suffix;
        std::error_code ec;
        return std::filesystem::is_regular_file(file, ec) ? std::optional(file.string()) : std::nullopt;
    };
    const auto vertices = plain ? bundled(o.model + kVerticesSuffix) : std::nullopt;
    const auto faces = plain ? bundled(o.model + kFacesSuffix) : std::nullopt;
    if (!vertices || !faces) {
        std::string known;
        for (const std::string& name : bundledModels())
            known += (known.empty() ? "" : ", ") + name;
        throw text::InputError("option --model " + inQuotes(o.model) + ": no bundled model has that name (bundled: "
                               + (known.empty() ? "none found" : known) + ").");
    }
    files.vertices = *vertices;
    files.faces = *faces;
    return files;
}

namespace {

/// Refuses a face whose corner names no vertex, or lies where the face's gnomonic map cannot
/// reach it (90° or more from the face's centre): its cut outline would run off to infinity.
void checkFaceCorners(const FaceOptions& o, const polyhedron::PolyhedronModel& model)
{
    const std::string option = o.faces.empty() ? "option --model " + inQuotes(o.model) : "option --faces " + inQuotes(o.faces);
    for (int f = 1; f <= model.FaceCount(); ++f) {
        const polyhedron::Face& face = model.faces[static_cast<std::size_t>(f)];
        const int corners = std::min<int>(face.CornerCount, polyhedron::kMaxCorners);
        for (int j = 1; j <= corners; ++j) {
            const int v = face.Corners[static_cast<std::size_t>(j - 1)];
            const std::string corner = "face " + std::to_string(f) + ", corner "
                                       + std::to_string(j);
            if (v < 1 || v > model.VertexCount())
                throw text::InputError(option + ": " + corner + " names vertex " + std::to_string(v)
                                       + ", but the vertex file numbers its vertices 1 to "
                                       + std::to_string(model.VertexCount()) + ".");
            const polyhedron::Vertex& at = model.vertices[static_cast<std::size_t>(v)];
            const double cosine = std::sin(face.Phi * stars::DegreeFactor) * std::sin(at.Phi * stars::DegreeFactor)
                                  + std::cos(face.Phi * stars::DegreeFactor) * std::cos(at.Phi * stars::DegreeFactor)
                                        * std::cos((at.Lambda - face.Lambda) * stars::DegreeFactor);
            if (!(cosine > kLeastCornerCosine))
                throw text::InputError(option + ": " + corner + " (vertex " + std::to_string(v)
                                       + ") lies 90° or more from the face's centre, where the face's map cannot "
                                         "reach it.");
        }
    }
}

} // namespace

polyhedron::PolyhedronModel loadModel(const FaceOptions& o)
{
    polyhedron::PolyhedronModel model;
    const ModelFiles files = modelFiles(o);
    try {
        model.loadVertexFile(files.vertices);
    } catch (const text::InputError& e) {
        throw text::InputError((o.vertices.empty() ? "option --model " + inQuotes(o.model)
                                                   : "option --vertices " + inQuotes(files.vertices))
                               + ": " + e.what());
    }
    try {
        model.loadFaceFile(files.faces);
    } catch (const text::InputError& e) {
        throw text::InputError((o.faces.empty() ? "option --model " + inQuotes(o.model) : "option --faces " + inQuotes(files.faces))
                               + ": " + e.what());
    }
    checkFaceCorners(o, model);
    return model;
}

polyhedron::FaceSpec faceSpecFor(const FaceOptions& o, const polyhedron::PolyhedronModel& model,
                                 const std::string& face)
{
    polyhedron::FaceSpec typed;
    static_cast<polyhedron::FaceTexts&>(typed) = o;
    typed.face = face;
    typed.centre = polyhedron::faceCentre(model, face);
    typed.insideView = o.inside ? 1 : 0;
    typed.outline = o.corners || o.edges;
    typed.corners = o.corners;
    typed.edges = o.edges;
    return typed; // the export writes its own SVG from the drawing
}

polyhedron::FaceParameters faceParametersFor(const FaceOptions& o, const polyhedron::PolyhedronModel& model,
                                             const std::string& face)
{
    try {
        return polyhedron::readFaceParameters(faceSpecFor(o, model, face));
    } catch (const text::InputError& e) {
        refuse(o, face, e);
    }
}

namespace {

/// The narrowest width of the convex polygon `corners`, cm: over its sides, the farthest
/// corner from each side's line, the least of those.
double narrowestWidth(const std::vector<scene::Point>& corners)
{
    double narrowest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const scene::Point& a = corners[i];
        const scene::Point& b = corners[(i + 1) % corners.size()];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (!(length > 0))
            continue;
        double farthest = 0;
        for (const scene::Point& c : corners)
            farthest = std::max(farthest, std::fabs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / length);
        narrowest = std::min(narrowest, farthest);
    }
    return narrowest;
}

} // namespace

void drawFaceTemplates(const FaceOptions& o, const stars::StarCatalogue& catalogue, const std::string& starFile,
                       const TemplateSink& sink, const KitFinish& finish, const KitOptions& kitOptions,
                       const sky::SkyRequest& sky, const DrawingWork& work)
{
    const polyhedron::PolyhedronModel model = loadModel(o);
    std::vector<std::string> faces;
    if (model.FaceCount() == 0)
        throw text::InputError("option --face " + inQuotes(o.face) + ": the face file holds no face.");
    if (o.face == "all") {
        for (int f = 1; f <= model.FaceCount(); ++f)
            faces.push_back(std::to_string(f));
    } else {
        // The window clamps the box to 1…32 and keeps the old tangent point for a face the
        // model lacks; a command line names a face that must exist.
        const std::string count = std::to_string(model.FaceCount());
        const text::Text range{"the model has faces 1 to " + count + " (or say all).",
                               "モデルの面は 1 から " + count + " までです（すべての面なら all）。"};
        const auto refuseFace = [&o](const text::Text& reason) {
            refuseOption("--face", o.face, text::InputError(text::Input::FaceNumber, o.face, reason, reason));
        };
        std::int32_t number = 0;
        try {
            number = text::toInt32(o.face, "");
        } catch (const text::InputError&) {
            refuseFace(text::Text{"not a face number; ", "面番号になりません。"} + range);
        }
        if (number < 1 || number > model.FaceCount())
            refuseFace(range);
        faces.push_back(o.face);
    }

    // Every face shares the faintest magnitude: the first one's parameters give it, refused
    // first as when that face is drawn.
    const stars::SkyIndex index = stars::skyIndex(catalogue, faceParametersFor(o, model, faces.front()).faintestMagnitude);
    const auto drawFace = [&](std::size_t i) {
        settleVectorUnit();
        const std::string& face = faces[i];
        const polyhedron::FaceParameters p = faceParametersFor(o, model, face);
        const polyhedron::FaceSpec entered = faceSpecFor(o, model, face);
        const int number = polyhedron::readFaceNumber(entered);
        std::optional<polyhedron::FaceOutline> outline;
        if (entered.outline)
            outline = polyhedron::FaceOutline{number, entered.corners, entered.edges};
        TemplateDrawing t;
        const float side = canvas::snapSide(polyhedron::canvasSide(p));
        std::vector<scene::Point> corners;
        try {
            if (finish.style.pieces)
                corners = polyhedron::faceCutOutline(p, model, number, side);
        } catch (const text::InputError& e) {
            refuse(o, face, e);
        }
        if (finish.style.pieces) {
            const double across = narrowestWidth(corners);
            // Corners on one great circle give a face of no width, whatever the radius.
            if (!(across > kLeastFaceWidth * p.sphereRadius) || !std::isfinite(across))
                throw text::InputError((o.faces.empty() ? "option --model " + inQuotes(o.model)
                                                        : "option --faces " + inQuotes(o.faces))
                                       + ": face " + face + " has no width: its corners lie on one great circle.");
            const std::string mm = text::formatGeneral(std::round(across * 100) / 10);
            checkTabWidth(finish, kitOptions, across,
                          text::Message(text::MessageId::TabsPiecesFace, {face, mm}),
                          text::Input::SphereRadius, "--radius", o.radius);
        }
        try {
            t.scene = polyhedron::buildFaceScene(p, outline, model, catalogue, index, starFile, side,
                                                 polyhedron::FaceKit{finish.style, number},
                                                 polyhedron::FaceSky{sky, number});
        } catch (const text::InputError& e) {
            refuse(o, face, e);
        }
        if (finish.style.pieces)
            kit::fitAroundPieces(t.scene, finish.bleed);
        t.name = polyhedron::faceFileStem(entered);
        // The window writes its own face SVG under faceSvgName; the export's print SVG is another
        // document, so it takes a name of its own.
        t.svgName = stripExtension(polyhedron::faceSvgName(entered, entered.insideView)) + "-print";
        t.caption = "face " + face + " of " + std::to_string(model.FaceCount()) + ", seen from "
                    + (o.inside ? "inside" : "outside");
        t.captionJa = "面 " + face + " / " + std::to_string(model.FaceCount()) + "・" + (o.inside ? "内側から" : "外側から");
        t.number = i + 1;
        t.count = faces.size();
        if (work.finish)
            work.finish(t);
        return t;
    };
    runInOrder<TemplateDrawing>(faces.size(), work.threads > 0 ? work.threads : coreCount(), drawFace, sink);
}

TemplateList drawFaceTemplates(const FaceOptions& o, const std::string& starFile, const KitFinish& finish,
                               const KitOptions& kitOptions, const sky::SkyRequest& sky,
                               const DrawingWork& work)
{
    const stars::StarCatalogue catalogue = readStarsOption(starFile);
    TemplateList out;
    drawFaceTemplates(
        o, catalogue, starFile, [&out](TemplateDrawing&& t) { out.push_back(std::move(t)); }, finish, kitOptions,
        sky, work);
    return out;
}

} // namespace exporter
