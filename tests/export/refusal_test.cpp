// One bad value refused alike by the window (naming the box) and by the exporter (naming the option).
#include "qt_app.h"
#include "test_files.h"
#include "window_like_gore_windows.h"

#include "canvas/recording_canvas.h"
#include "export/export_options.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "polyhedron/face_command.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

using namespace exporter;

namespace {

const std::string kCatalogue = ORBWEAVE_DATA_DIR "/bright-stars.csv";

class SilentFaceWindow : public polyhedron::FaceWindow
{
public:
    canvas::DrawingCanvas& faceCanvas() override { return canvas; }
    void showFaceWindow() override {}
    void setMagnitudeOneRadius(const std::string&) override {}
    canvas::RecordingCanvas canvas;
};

struct Case
{
    std::vector<std::string> args; ///< subject, option, value
    std::string caption;            ///< the box the window names
};

} // namespace

TEST(Refusals, WindowNamesTheBoxExporterTheOptionAndTheValue)
{
    const Case cases[] = {
        {{"gores", "--n", "2"}, "分割数 n"},
        {{"gores", "--faintest", "bright"}, "最微等級"},
        {{"gores", "--faintest", "1e308"}, "最微等級"},
        {{"gores", "--ratio", "x"}, "公比"},
        {{"gores", "--ratio", "-2.5"}, "公比"},
        {{"gores", "--magnification", "-1"}, "倍率"},
        {{"gores", "--radius", "0"}, "恒星球半径"},
        {{"gores", "--radius", "500"}, "恒星球半径"},
        {{"gores", "--line-latitude", "x"}, "等緯度線を描く"},
        {{"gores", "--boundary", "0"}, "境界緯度"},
        {{"faces", "--range", "95"}, "投影範囲"},
        {{"faces", "--radius", "0"}, "恒星球半径"},
        {{"faces", "--radius", "1000"}, "恒星球半径"},
        {{"faces", "--faintest", "x"}, "細微等級"},
        {{"faces", "--faintest", "1e308"}, "細微等級"},
        {{"faces", "--ratio", "x"}, "公比"},
        {{"faces", "--magnification", "-1"}, "倍率"},
        {{"faces", "--magnification", "1e308"}, "倍率"},
    };
    testing_support::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1] + " " + c.args[2]);
        const ExportOptions o = parseExportOptions(c.args);
        std::string exported, window;
        try {
            if (o.subject == Subject::Gores)
                drawGoreTemplates(o.gore, kCatalogue);
            else
                drawFaceTemplates(o.face, kCatalogue);
        } catch (const text::InputError& e) {
            exported = e.what();
        }
        if (o.subject == Subject::Gores) {
            testing_support::WindowLikeGoreWindows windows;
            if (const auto m = gore::runGoreDraw(goreSpecFor(o.gore, "1", 1), kCatalogue, windows))
                window = m->prompt;
        } else {
            const polyhedron::PolyhedronModel model = loadModel(o.face);
            SilentFaceWindow face;
            if (const auto m = polyhedron::runFaceDraw(faceSpecFor(o.face, model, "1"), kCatalogue, model, face,
                                                       dir.path()))
                window = m->text;
        }
        EXPECT_EQ(exported.rfind("option " + c.args[1] + " \"" + c.args[2] + "\": ", 0), 0u) << exported;
        EXPECT_NE(window.find(c.caption), std::string::npos) << window;
    }
}

TEST(Refusals, AFaceTheModelLacksIsRefusedOfTheFaceBox)
{
    for (const char* face : {"x", "40", "0"}) {
        SCOPED_TRACE(face);
        try {
            drawFaceTemplates(parseExportOptions({"faces", "--face", face}).face, kCatalogue);
            ADD_FAILURE() << "accepted";
        } catch (const text::InputError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("option --face \"" + std::string(face) + "\": ", 0), 0u) << e.what();
            EXPECT_EQ(e.input(), text::Input::FaceNumber);
            EXPECT_NE(e.reasonText().in(text::Language::Japanese), e.reasonText().in(text::Language::English));
        }
    }
}
