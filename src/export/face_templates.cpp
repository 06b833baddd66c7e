#include "export/face_templates.h"

#include "appdata/data_folder.h"
#include "polyhedron/face_command.h"
#include "polyhedron/face_number_rule.h"
#include "polyhedron/face_svg_document.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

namespace exporter {

namespace {

/// The polyhedron window of one Draw, its canvas a recording.
class RecordingFaceWindow : public polyhedron::FaceWindow
{
public:
    canvas::DrawingCanvas& faceCanvas() override { return canvas; }
    void showFaceWindow() override {}
    void setLabel38(const std::string&) override {}

    canvas::RecordingCanvas canvas;
};

const char* const kVerticesSuffix = "-vertices.csv";
const char* const kFacesSuffix = "-faces.csv";

std::string stripExtension(const std::string& name)
{
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string valueOf(const FaceOptions& o, const std::string& option, const std::string& face)
{
    if (option == "--range")
        return o.range;
    if (option == "--radius")
        return o.radius;
    if (option == "--faintest")
        return o.faintest;
    if (option == "--ratio")
        return o.ratio;
    if (option == "--magnification")
        return o.magnification;
    if (option == "--face")
        return face;
    return {};
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

polyhedron::PolyhedronModel loadModel(const FaceOptions& o)
{
    polyhedron::PolyhedronModel model;
    std::string vertices = o.vertices, faces = o.faces;
    if (vertices.empty() != faces.empty())
        throw text::InputError(vertices.empty() ? "option --faces \"" + faces + "\": give the vertex file with --vertices too."
                                                : "option --vertices \"" + vertices
                                                      + "\": give the face file with --faces too.");
    if (vertices.empty()) {
        const bool plain = !o.model.empty() && o.model.find_first_of("/\\") == std::string::npos && o.model != "."
                           && o.model != "..";
        try {
            if (!plain)
                throw text::InputError("");
            vertices = appdata::bundledDataFile("models/" + o.model + kVerticesSuffix).string();
            faces = appdata::bundledDataFile("models/" + o.model + kFacesSuffix).string();
        } catch (const text::InputError&) {
            std::string known;
            for (const std::string& name : bundledModels())
                known += (known.empty() ? "" : ", ") + name;
            throw text::InputError("option --model \"" + o.model + "\": no bundled model has that name (bundled: "
                                   + (known.empty() ? "none found" : known) + ").");
        }
    }
    try {
        model.loadVertexFile(vertices);
    } catch (const text::InputError& e) {
        throw text::InputError((o.vertices.empty() ? "option --model \"" + o.model : "option --vertices \"" + vertices)
                               + "\": " + e.what());
    }
    try {
        model.loadFaceFile(faces);
    } catch (const text::InputError& e) {
        throw text::InputError((o.faces.empty() ? "option --model \"" + o.model : "option --faces \"" + faces) + "\": "
                               + e.what());
    }
    return model;
}

polyhedron::FaceInputs faceInputsFor(const FaceOptions& o, const polyhedron::PolyhedronModel& model,
                                     const std::string& face)
{
    polyhedron::FaceInputs in;
    in.Text11 = o.radius;
    in.Text12 = o.range;
    in.Text13 = o.ratio;
    in.Text14 = o.magnification;
    in.Text15 = o.faintest;
    in.Text16 = face;
    if (const auto centre = polyhedron::faceCentreTexts(model, face)) {
        in.Text9 = centre->Text9;
        in.Text10 = centre->Text10;
    }
    in.Check6 = o.inside ? 1 : 0;
    in.Check7 = o.corners ? 1 : 0;
    in.Check8 = o.edges ? 1 : 0;
    in.Check9 = 0; // the export writes its own SVG from the drawing
    return in;
}

std::string faceOptionOf(const std::string& message)
{
    static const std::vector<CaptionOption> boxes = {
        {"投影範囲", "--range"},   {"恒星球半径", "--radius"}, {"細微等級", "--faintest"},
        {"公比", "--ratio"},       {"倍率", "--magnification"}, {"面番号", "--face"},
        {"緯度φ0", "--face"},      {"経度λ0", "--face"},
    };
    return optionNamedIn(message, boxes, "--stars");
}

TemplateList drawFaceTemplates(const FaceOptions& o, const std::string& starFile, const DrawnFn& drawn)
{
    const polyhedron::PolyhedronModel model = loadModel(o);
    std::vector<std::string> faces;
    if (o.face == "all") {
        for (int f = 1; f <= model.FaceCount(); ++f)
            faces.push_back(std::to_string(f));
        if (faces.empty())
            throw text::InputError("option --face \"all\": the face file holds no face.");
    } else {
        // The window clamps the box to 1…32 and keeps the old tangent point for a face the
        // model lacks; a command line names a face that must exist.
        std::int32_t number = 0;
        try {
            number = text::toInt32(o.face, "面番号 (face number)");
        } catch (const text::InputError& e) {
            throw text::InputError("option --face \"" + o.face + "\": " + e.what());
        }
        if (number < 1 || number > model.FaceCount())
            throw text::InputError("option --face \"" + o.face + "\": the model has faces 1 to "
                                   + std::to_string(model.FaceCount()) + " (or say all).");
        faces.push_back(o.face);
    }

    TemplateList out;
    for (const std::string& face : faces) {
        const polyhedron::FaceInputs in = faceInputsFor(o, model, face);
        RecordingFaceWindow window;
        const auto message =
            polyhedron::runFaceDraw(in, starFile, model, window, std::filesystem::temp_directory_path());
        if (message && message->kind == polyhedron::FaceMessage::Kind::Refused) {
            const std::string option = faceOptionOf(message->text);
            if (option == "--stars")
                throw text::InputError("option --stars: " + message->text);
            throw text::InputError("option " + option + " \"" + valueOf(o, option, face) + "\": " + message->text);
        }
        TemplateDrawing t;
        t.name = stripExtension(polyhedron::faceBitmapName(in));
        t.svgName = stripExtension(polyhedron::faceSvgName(in));
        t.caption = "face " + face + " of " + std::to_string(model.FaceCount()) + ", seen from "
                    + (o.inside ? "inside" : "outside");
        t.drawing = std::move(window.canvas);
        if (drawn)
            drawn(t.caption);
        out.push_back(std::move(t));
    }
    return out;
}

} // namespace exporter
