#include "export/gore_templates.h"

#include "gore/gore_parameters.h"
#include "gore/polar_plate.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <array>
#include <set>
#include <utility>
#include <vector>

namespace exporter {

namespace {

using canvas::CanvasCall;
using canvas::RecordingCanvas;

/// The gore windows of one Draw, each canvas a recording.
class RecordingGoreWindows : public gore::GoreWindows
{
public:
    canvas::DrawingCanvas& goreCanvas() override { return gore; }
    void setGoreLabels(const gore::GoreLabels& l) override { labels = l; }
    void showGoreWindow() override {}
    canvas::DrawingCanvas& plateCanvas() override { return plate; }
    void showPlateWindow() override {}
    canvas::DrawingCanvas& southPlateCanvas() override { return southPlate; }
    void showSouthPlateWindow() override {}

    RecordingCanvas gore, plate, southPlate;
    gore::GoreLabels labels;
};

/// Adds what `run` drew since its last Cls to `plate`, leaving out its cutting circle,
/// which the first run already put there.
void gatherPlateStars(const RecordingCanvas& run, RecordingCanvas& plate)
{
    const auto& calls = run.calls();
    std::size_t start = 0;
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].kind == CanvasCall::Kind::Cls)
            start = i + 1;
    // A star within the 3° grace of a gore's edge reaches the plate from both gores, at the
    // very same place: it is drawn once.
    std::set<std::array<float, 3>> onPlate;
    for (const CanvasCall& c : plate.calls())
        if (c.kind == CanvasCall::Kind::Circle)
            onPlate.insert({c.a, c.b, c.c});
    const float cuttingDot = static_cast<float>(gore::kCuttingDotRadius);
    for (std::size_t i = start; i < calls.size(); ++i) {
        const CanvasCall& c = calls[i];
        if (c.kind == CanvasCall::Kind::Circle && c.c != cuttingDot && onPlate.insert({c.a, c.b, c.c}).second)
            plate.Circle(c.a, c.b, c.c);
    }
}

std::string stripExtension(const std::string& name)
{
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string plateName(const GoreOptions& o, const std::string& k, char pole)
{
    return "N" + o.n + "_K" + k + "_Plate" + pole + "_Vb" + o.faintest + "_Sr" + o.ratio + "_Ss" + o.magnification
           + "_" + o.radius + "cm";
}

[[noreturn]] void refuse(const GoreOptions& o, const std::string& k, const std::string& message)
{
    const std::string option = goreOptionOf(message);
    std::string value;
    if (option == "--n")
        value = o.n;
    else if (option == "--k")
        value = k;
    else if (option == "--faintest")
        value = o.faintest;
    else if (option == "--ratio")
        value = o.ratio;
    else if (option == "--magnification")
        value = o.magnification;
    else if (option == "--radius")
        value = o.radius;
    else if (option == "--line-latitude")
        value = o.lineLatitude;
    else if (option == "--boundary")
        value = o.boundary;
    if (option == "--stars")
        throw text::InputError("option --stars: " + message);
    throw text::InputError("option " + option + " \"" + value + "\": " + message);
}

} // namespace

gore::GoreInputs goreInputsFor(const GoreOptions& o, const std::string& k, int hemisphere)
{
    gore::GoreInputs in;
    in.Text1 = o.n;
    in.Text2 = k;
    in.Text3 = o.faintest;
    in.Check1 = hemisphere;
    in.Check2 = o.epsilon ? 1 : 0;
    in.Check3 = o.line ? 1 : 0;
    in.Text4 = o.ratio;
    in.Text5 = o.magnification;
    in.Text6 = o.radius;
    in.Text7 = o.lineLatitude;
    in.Check4 = o.northPlate ? 1 : 0;
    in.Check5 = o.southPlate ? 1 : 0;
    in.Text8 = o.boundary;
    in.decimalSeparator = '.';
    return in;
}

std::string goreOptionOf(const std::string& message)
{
    static const std::vector<CaptionOption> boxes = {
        {gore::kFieldN, "--n"},
        {gore::kFieldK, "--k"},
        {gore::kFieldFaintestMagnitude, "--faintest"},
        {gore::kFieldCommonRatio, "--ratio"},
        {gore::kFieldMagnification, "--magnification"},
        {gore::kFieldSphereRadius, "--radius"},
        {gore::kFieldLineLatitude, "--line-latitude"},
        {gore::kFieldPlateBoundary, "--boundary"},
        {"分割数n", "--n"},
        {"n < k", "--k"},
    };
    return optionNamedIn(message, boxes, "--stars");
}

TemplateList drawGoreTemplates(const GoreOptions& o, const std::string& starFile, const DrawnFn& drawn)
{
    const bool all = o.k == "all";
    std::vector<std::string> ks;
    if (all) {
        std::int16_t n = 0;
        try {
            n = text::toInt16(o.n, gore::kFieldN);
        } catch (const text::InputError& e) {
            refuse(o, o.k, e.what());
        }
        // n below 1 is left to the gore command, which refuses it with its own message.
        for (int k = 1; k <= std::max<int>(n, 1); ++k)
            ks.push_back(std::to_string(k));
    } else {
        ks.push_back(o.k);
    }
    std::vector<int> hemispheres;
    if (o.north)
        hemispheres.push_back(1);
    if (o.south)
        hemispheres.push_back(0);

    TemplateList gores;
    std::optional<TemplateDrawing> northPlate, southPlate;
    const std::string kName = all ? "all" : o.k;
    for (std::size_t h = 0; h < hemispheres.size(); ++h) {
        for (const std::string& k : ks) {
            gore::GoreInputs in = goreInputsFor(o, k, hemispheres[h]);
            RecordingGoreWindows windows;
            if (auto message = gore::runGoreDraw(in, starFile, windows))
                refuse(o, k, message->prompt);
            TemplateDrawing t;
            t.name = stripExtension(gore::goreBitmapName(in));
            t.caption = "gore " + k + " of " + o.n + ", " + (hemispheres[h] == 1 ? "north" : "south");
            t.drawing = std::move(windows.gore);
            if (drawn)
                drawn(t.caption);
            gores.push_back(std::move(t));
            // The plate stars are the same whichever half is drawn: gather them once.
            if (o.northPlate && h == 0) {
                if (!northPlate) {
                    northPlate = TemplateDrawing{plateName(o, kName, 'N'), {},
                                                 "north polar plate, gores " + (all ? "1 to " + o.n : k) + " of " + o.n,
                                                 std::move(windows.plate)};
                } else {
                    gatherPlateStars(windows.plate, northPlate->drawing);
                }
            }
            if (o.southPlate && h == 0) {
                if (!southPlate) {
                    southPlate = TemplateDrawing{plateName(o, kName, 'S'), {},
                                                 "south polar plate, gores " + (all ? "1 to " + o.n : k) + " of " + o.n,
                                                 std::move(windows.southPlate)};
                } else {
                    gatherPlateStars(windows.southPlate, southPlate->drawing);
                }
            }
        }
    }
    for (auto* plate : {&northPlate, &southPlate})
        if (*plate) {
            if (drawn)
                drawn((*plate)->caption);
            gores.push_back(std::move(**plate));
        }
    return gores;
}

} // namespace exporter
