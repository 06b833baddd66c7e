#include "polyhedron/face_command.h"

#include "polyhedron/face_svg_document.h"
#include "polyhedron/gnomonic.h"
#include "polyhedron_test_support.h"
#include "stars/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

using namespace polyhedron;
using canvas::CanvasCall;
using canvas::kBlack;
using canvas::kRed;
using polyhedron::testing::FakeFaceWindow;
using polyhedron::testing::readBytes;
using polyhedron::testing::TempDir;
using Kind = CanvasCall::Kind;

namespace {

constexpr float kCanvasTolerance = 2e-5f;

/// A model of vertices on the equator every 10° of longitude from 60° to 120° (vertex
/// 1 at 60°, vertex 7 at 120°), and faces of 0 to 6 corners around longitude 90°.
PolyhedronModel equatorModel()
{
    PolyhedronModel model;
    model.VertexFileName = "test-vertices.csv";
    for (int k = 0; k < 7; ++k)
        model.vertices.push_back(Vertex{0.0, 60.0 + 10.0 * k});
    model.vertices.push_back(Vertex{20.0, 90.0}); // 8: north of the tangent point
    model.vertices.push_back(Vertex{0.0, 270.0}); // 9: the antipode of the default tangent point
    model.FaceFileName = "test-faces.csv";
    model.faces.push_back(Face{0, 90, 1, {4}});                 // 1: one corner
    model.faces.push_back(Face{0, 90, 2, {3, 5}});              // 2: two corners
    model.faces.push_back(Face{0, 90, 3, {3, 5, 8}});           // 3: triangle
    model.faces.push_back(Face{0, 90, 6, {1, 2, 3, 5, 6, 7}});  // 4: hexagon
    model.faces.push_back(Face{0, 90, 3, {3, 5, 10}});          // 5: vertex 10 does not exist
    model.faces.push_back(Face{0, 90, 3, {3, 5, 9}});           // 6: a corner behind the sphere
    return model;
}

struct Draw
{
    std::optional<FaceMessage> message;
    FakeFaceWindow window;
};

/// Runs the Draw with `stars` as the star file content, the SVG going to `dir`.
std::unique_ptr<Draw> draw(const FaceInputs& in, const std::string& stars, const TempDir& dir,
                           const PolyhedronModel& model = equatorModel())
{
    auto d = std::make_unique<Draw>();
    d->message = runFaceDraw(in, dir.write("stars.csv", stars), model, d->window, dir.path());
    return d;
}

std::string svgFile(const TempDir& dir, const FaceInputs& in)
{
    return readBytes(dir.path() / faceSvgName(in));
}

std::size_t count(const std::string& s, const std::string& piece)
{
    std::size_t n = 0;
    for (auto p = s.find(piece); p != std::string::npos; p = s.find(piece, p + 1))
        ++n;
    return n;
}

TEST(FaceDraw, WorkedExampleAndCentreStar)
{
    TempDir dir;
    FaceInputs in; // tangent 0°, 90°; R 10 cm; range 30°; magnitude 7.0; ratio 2.5; magnification 10
    const auto d = draw(in, "100,10,6\r\n90,0,6\r\n", dir);
    ASSERT_FALSE(d->message) << d->message->text;
    const auto circles = d->window.canvas.callsOf(Kind::Circle);
    ASSERT_EQ(circles.size(), 2u);
    const float half = d->window.canvas.width() / 2;
    EXPECT_NEAR(circles[0].a, half + 1.763270f, kCanvasTolerance);
    EXPECT_NEAR(circles[0].b, half - 1.790471f, kCanvasTolerance);
    EXPECT_NEAR(circles[0].c, 0.0125f, 1e-7f); // one magnitude above the limit
    EXPECT_EQ(circles[1].a, half);
    EXPECT_EQ(circles[1].b, half);
}

TEST(FaceDraw, CanvasIsSizedShownAndClearedFirst)
{
    TempDir dir;
    const auto d = draw(FaceInputs{}, "90,0,6\r\n", dir);
    ASSERT_FALSE(d->message);
    const auto& calls = d->window.canvas.calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, Kind::SetWidth);
    EXPECT_NEAR(calls[0].a, 13.547005f, 1e-6f);
    EXPECT_EQ(calls[1].kind, Kind::SetHeight);
    EXPECT_EQ(calls[1].a, calls[0].a);
    EXPECT_EQ(d->window.shows, 1);
    EXPECT_EQ(d->window.callsBeforeShow, 2u);
    EXPECT_EQ(calls[2].kind, Kind::Cls);
    EXPECT_EQ(calls[3].kind, Kind::Circle);
}

TEST(FaceDraw, OutsideViewIsMirrored)
{
    TempDir dir;
    FaceInputs in;
    in.Check6 = 0;
    const auto d = draw(in, "100,10,6\r\n", dir);
    ASSERT_FALSE(d->message);
    const auto circles = d->window.canvas.callsOf(Kind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    const float half = d->window.canvas.width() / 2;
    EXPECT_NEAR(circles[0].a, half - 1.763270f, kCanvasTolerance); // east is to the left
    EXPECT_NEAR(circles[0].b, half - 1.790471f, kCanvasTolerance); // height unchanged

    // A grayed box is taken as the inside view, not stretched threefold.
    in.Check6 = 2;
    const auto grayed = draw(in, "100,10,6\r\n", dir);
    ASSERT_FALSE(grayed->message);
    EXPECT_NEAR(grayed->window.canvas.callsOf(Kind::Circle).at(0).a, half + 1.763270f, kCanvasTolerance);
}

TEST(FaceDraw, RangeAndMagnitudeTestsAreStrict)
{
    // A projection range typed so that it equals, in radians, the computed angle between the
    // tangent point (0°, 90°) and a star at latitude 20° on the tangent meridian.
    const TangentPoint t{0.0, 90.0 * stars::DegreeFactor};
    const double d = angularDistance(t, 20.0 * stars::DegreeFactor, t.lambda0);
    double typed = d / stars::DegreeFactor;
    for (int i = 0; i < 100 && typed * stars::DegreeFactor != d; ++i)
        typed = std::nextafter(typed, typed * stars::DegreeFactor < d ? 90.0 : 0.0);
    ASSERT_EQ(typed * stars::DegreeFactor, d) << "no typed range meets the star's angle";
    char atEdge[64], beyond[64];
    std::snprintf(atEdge, sizeof atEdge, "%.17g", typed);
    std::snprintf(beyond, sizeof beyond, "%.17g", typed + 1e-9);

    TempDir dir;
    struct
    {
        const char* name;
        std::string range, stars;
        bool drawn;
    } rows[] = {
        {"exactly at the range", atEdge, "90,20,6\r\n", false},
        {"just inside the range", beyond, "90,20,6\r\n", true},
        {"exactly at the faintest magnitude", "30", "90,0,7\r\n", false},
        {"just brighter than the faintest magnitude", "30", "90,0,6.999\r\n", true},
        {"antipode of the tangent point", "30", "270,0,1\r\n", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        FaceInputs in;
        in.Text12 = r.range;
        const auto drawn = draw(in, r.stars, dir);
        ASSERT_FALSE(drawn->message);
        EXPECT_EQ(drawn->window.canvas.callsOf(Kind::Circle).size(), r.drawn ? 1u : 0u);
    }
}

TEST(FaceDraw, Label38ShowsTheMagnitudeOneRadiusOncePerDrawnStar)
{
    TempDir dir;
    FaceInputs in;
    auto d = draw(in, "90,0,6\r\n91,0,5\r\n180,0,1\r\n", dir);
    ASSERT_FALSE(d->message);
    EXPECT_EQ(d->window.label38, (std::vector<std::string>{"0.117381343505497", "0.117381343505497"}));

    in.decimalSeparator = ',';
    in.Text15 = "7,0";
    in.Text13 = "2,5";
    d = draw(in, "90,0,6\r\n", dir);
    ASSERT_FALSE(d->message);
    EXPECT_EQ(d->window.label38, std::vector<std::string>{"0,117381343505497"});

    // No star drawn, or a faintest magnitude below 1 with a fractional ratio: caption kept.
    d = draw(FaceInputs{}, "", dir);
    ASSERT_FALSE(d->message);
    EXPECT_TRUE(d->window.label38.empty());
    in = FaceInputs{};
    in.Text15 = "0.5";
    d = draw(in, "90,0,-1\r\n", dir);
    ASSERT_FALSE(d->message) << d->message->text;
    EXPECT_EQ(d->window.canvas.callsOf(Kind::Circle).size(), 1u);
    EXPECT_TRUE(d->window.label38.empty());
}

TEST(FaceDraw, DotRadiusIsMagnitudeToTheRatio)
{
    // M = 4, ratio 2.5: √(4^2.5) = 5.656854; 3 magnifications / 800 → 0.02121320 cm.
    // (Ratio to the M would give √(2.5^4) = 6.25 instead.)
    TempDir dir;
    FaceInputs in;
    in.Text14 = "3";
    const auto d = draw(in, "90,0,3\r\n", dir);
    const auto circles = d->window.canvas.callsOf(Kind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_NEAR(circles[0].c, 0.02121320f, 1e-7f);
}

TEST(FaceDraw, CornerMarksAreRedThenBlackAgain)
{
    TempDir dir;
    FaceInputs in;
    in.Text16 = "3";
    in.Check7 = 1;
    in.Check8 = 1;
    const auto d = draw(in, "90,0,6\r\n", dir);
    ASSERT_FALSE(d->message);
    auto calls = d->window.canvas.calls();
    ASSERT_EQ(calls[3].kind, Kind::Circle); // the star, after width, height and Cls
    calls.erase(calls.begin(), calls.begin() + 4);

    const std::vector<Kind> mark{Kind::FillColor, Kind::ForeColor, Kind::Circle, Kind::FillColor, Kind::ForeColor};
    std::vector<Kind> expected;
    for (int corner = 1; corner <= 3; ++corner) {
        expected.insert(expected.end(), mark.begin(), mark.end());
        if (corner == 2)
            expected.push_back(Kind::Line);
        if (corner == 3)
            expected.insert(expected.end(), {Kind::Line, Kind::Line});
    }
    ASSERT_EQ(calls.size(), expected.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i));
        EXPECT_EQ(calls[i].kind, expected[i]);
        if (calls[i].kind == Kind::Circle) {
            EXPECT_FLOAT_EQ(calls[i].c, 0.05f);
        }
        if (calls[i].kind == Kind::Line) {
            EXPECT_EQ(calls[i].color, kRed);
        }
    }
    for (int corner = 0; corner < 3; ++corner) {
        const std::size_t at = static_cast<std::size_t>(corner == 0 ? 0 : corner == 1 ? 5 : 11);
        EXPECT_EQ(calls[at].color, kRed);
        EXPECT_EQ(calls[at + 1].color, kRed);
        EXPECT_EQ(calls[at + 3].color, kBlack);
        EXPECT_EQ(calls[at + 4].color, kBlack);
    }
}

TEST(FaceDraw, HexagonEdgesInDrawingOrder)
{
    EXPECT_EQ(faceEdgeOrder(6), (std::vector<std::pair<int, int>>{{2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 1}, {6, 5}}));

    // On the canvas: corners at 60, 70, 80, 100, 110, 120° east on the equator, R = 10 cm.
    TempDir dir;
    FaceInputs in;
    in.Text16 = "4";
    in.Check8 = 1;
    in.Check9 = 1;
    const auto d = draw(in, "", dir);
    ASSERT_FALSE(d->message);
    const float half = d->window.canvas.width() / 2;
    auto xOf = [&](double lon) { return half + static_cast<float>(10.0 * std::tan((lon - 90.0) * std::numbers::pi / 180.0)); };
    const double corners[] = {60, 70, 80, 100, 110, 120};
    const auto lines = d->window.canvas.callsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 6u);
    const auto order = faceEdgeOrder(6);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("edge " + std::to_string(i + 1));
        EXPECT_NEAR(lines[i].a, xOf(corners[order[i].first - 1]), 1e-4f);
        EXPECT_NEAR(lines[i].c, xOf(corners[order[i].second - 1]), 1e-4f);
        EXPECT_NEAR(lines[i].b, half, 1e-5f);
        EXPECT_NEAR(lines[i].d, half, 1e-5f);
    }
    const std::string svg = svgFile(dir, in);
    EXPECT_EQ(count(svg, "<line "), 6u);
}

TEST(FaceDraw, SmallFacesAndCheckStates)
{
    struct Row
    {
        const char* name;
        std::string face;
        int check7, check8;
        std::size_t marks, lines;
        float markRadius;
    };
    const Row rows[] = {
        {"one corner: a mark, no edge", "1", 1, 1, 1, 0, 0.05f},
        {"two corners: the edge twice", "2", 1, 1, 2, 2, 0.05f},
        {"face 0: nothing at all", "0", 1, 1, 0, 0, 0},
        {"0.4 rounds to face 0", "0.4", 1, 1, 0, 0, 0},
        {"edges without marks: zero-radius marks", "3", 0, 1, 3, 3, 0},
        {"marks grayed count as on", "3", 2, 0, 3, 0, 0.05f},
        {"edges grayed: zero-radius marks, no edges", "3", 0, 2, 3, 0, 0},
        {"both off: no outline", "3", 0, 0, 0, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TempDir dir;
        FaceInputs in;
        in.Text16 = r.face;
        in.Check7 = r.check7;
        in.Check8 = r.check8;
        in.Check9 = 1;
        const auto d = draw(in, "", dir);
        ASSERT_FALSE(d->message) << d->message->text;
        const auto marks = d->window.canvas.callsOf(Kind::Circle);
        EXPECT_EQ(marks.size(), r.marks);
        for (const auto& m : marks)
            EXPECT_EQ(m.c, r.markRadius);
        const auto lines = d->window.canvas.callsOf(Kind::Line);
        EXPECT_EQ(lines.size(), r.lines);
        if (r.lines == 2) {
            EXPECT_EQ(lines[0].a, lines[1].a);
            EXPECT_EQ(lines[0].c, lines[1].c);
        }
        const std::string svg = svgFile(dir, in);
        EXPECT_EQ(count(svg, "<line "), r.lines);
        EXPECT_EQ(count(svg, "<ellipse "), 0u); // corner marks never go to the file
    }
}

TEST(FaceDraw, RefusalsTouchNothing)
{
    struct Row
    {
        const char* name;
        void (*change)(FaceInputs&);
        const char* expected;
        bool noFaceFile = false;
    };
    const Row rows[] = {
        {"latitude not a number", [](FaceInputs& i) { i.Text9 = "abc"; }, "緯度φ0"},
        {"longitude empty", [](FaceInputs& i) { i.Text10 = ""; }, "経度λ0"},
        {"radius not a number", [](FaceInputs& i) { i.Text11 = "ten"; }, "恒星球半径"},
        {"range not a number", [](FaceInputs& i) { i.Text12 = "-"; }, "投影範囲"},
        {"ratio not a number", [](FaceInputs& i) { i.Text13 = "2.5x"; }, "公比"},
        {"magnification not a number", [](FaceInputs& i) { i.Text14 = "x"; }, "倍率"},
        {"magnitude not a number", [](FaceInputs& i) { i.Text15 = "7,0"; }, "細微等級"},
        {"face number not a number", [](FaceInputs& i) { i.Text16 = ""; }, "面番号"},
        {"range 90°", [](FaceInputs& i) { i.Text12 = "90"; }, "投影範囲"},
        {"range 0°", [](FaceInputs& i) { i.Text12 = "0"; }, "投影範囲"},
        {"range negative", [](FaceInputs& i) { i.Text12 = "-10"; }, "投影範囲"},
        {"radius 0", [](FaceInputs& i) { i.Text11 = "0"; }, "恒星球半径"},
        {"radius negative", [](FaceInputs& i) { i.Text11 = "-5"; }, "恒星球半径"},
        {"canvas beyond 300 cm", [](FaceInputs& i) { i.Text12 = "89"; }, "300"},
        {"negative magnification", [](FaceInputs& i) { i.Text14 = "-1"; }, "倍率"},
        {"ratio too large for a dot", [](FaceInputs& i) { i.Text13 = "1000"; }, "公比"},
        {"marks without a face file",
         [](FaceInputs& i) { i.Check7 = 1; }, "no face file", true},
        {"edges without a face file",
         [](FaceInputs& i) { i.Check8 = 1; }, "no face file", true},
        {"face number above the faces loaded", [](FaceInputs& i) { i.Text16 = "7"; i.Check7 = 1; }, "面番号"},
        {"negative face number", [](FaceInputs& i) { i.Text16 = "-1"; i.Check8 = 1; }, "面番号"},
        {"vertex number above the vertices loaded", [](FaceInputs& i) { i.Text16 = "5"; i.Check8 = 1; }, "vertex 10"},
        {"corner behind the sphere", [](FaceInputs& i) { i.Text16 = "6"; i.Check7 = 1; }, "90 degrees"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TempDir dir;
        FaceInputs in;
        in.Check9 = 1;
        r.change(in);
        PolyhedronModel model = equatorModel();
        if (r.noFaceFile)
            model = PolyhedronModel{};
        const auto d = draw(in, "90,0,-1.46\r\n", dir, model);
        ASSERT_TRUE(d->message);
        EXPECT_EQ(d->message->kind, FaceMessage::Kind::Refused);
        EXPECT_NE(d->message->text.find(r.expected), std::string::npos) << d->message->text;
        EXPECT_EQ(d->window.canvasRequests, 0);
        EXPECT_EQ(d->window.shows, 0);
        EXPECT_TRUE(d->window.canvas.calls().empty());
        EXPECT_TRUE(d->window.label38.empty());
        EXPECT_EQ(dir.files(), std::vector<std::string>{"stars.csv"});
    }
}

TEST(FaceDraw, FaultyStarFileIsRefusedWithItsLine)
{
    TempDir dir;
    FakeFaceWindow window;
    const auto path = dir.write("stars.csv", "90,0,6\r\n91,x,6\r\n");
    const auto message = runFaceDraw(FaceInputs{}, path, equatorModel(), window, dir.path());
    ASSERT_TRUE(message);
    EXPECT_EQ(message->kind, FaceMessage::Kind::Refused);
    EXPECT_NE(message->text.find(path + ", line 2"), std::string::npos) << message->text;
    EXPECT_TRUE(window.canvas.calls().empty());

    const auto missing = runFaceDraw(FaceInputs{}, (dir.path() / "none.csv").string(), equatorModel(), window,
                                     dir.path());
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->kind, FaceMessage::Kind::Refused);
    EXPECT_EQ(window.canvasRequests, 0);
}

TEST(FaceSvgExport, DefaultFileNamesAndContent)
{
    TempDir dir;
    FaceInputs in;
    in.Check9 = 1;
    in.Check7 = 1;
    in.Check8 = 1;
    in.Text16 = "3";
    auto d = draw(in, "100,10,6\r\n90,0,6\r\n", dir);
    ASSERT_FALSE(d->message);
    in.Text16 = "1";
    in.Check6 = 0;
    d = draw(in, "", dir);
    ASSERT_FALSE(d->message);
    auto names = dir.files();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"SurN1_Vb7.0_Sr2.5_Ss10_10cm外.svg", "SurN3_Vb7.0_Sr2.5_Ss10_10cm内.svg",
                                               "stars.csv"}));

    const std::string svg = readBytes(dir.path() / "SurN3_Vb7.0_Sr2.5_Ss10_10cm内.svg");
    // 13.547005 cm snaps to 512 pixels at 96 dpi: 512 × 2.54 / 96 = 13.54667 cm.
    const std::string header = "<svg xml:space=\"default\" width=\"13.54667cm\" height=\"13.54667cm\" "
                               "xmlns=\"http://www.w3.org/2000/svg\">\r\n";
    ASSERT_EQ(svg.substr(0, header.size()), header);
    EXPECT_EQ(count(svg, "\r\n"), 1u + 2u + 3u + 1u);
    EXPECT_EQ(count(svg, "\n"), count(svg, "\r\n"));
    EXPECT_EQ(svg.substr(svg.size() - 8), "</svg>\r\n");
    // The second star sits at the centre, W/2 = 6.773333… cm, one magnitude above the limit.
    EXPECT_NE(svg.find("<ellipse cx=\"6.77333"), std::string::npos);
    EXPECT_NE(svg.find("rx=\"0.0125cm\" ry=\"0.0125cm\" style =\"fill:black;\"/>\r\n"), std::string::npos);
    // Ellipses first, then the edges.
    EXPECT_LT(svg.rfind("<ellipse"), svg.find("<line"));
    EXPECT_EQ(count(svg, "stroke =\"blue\" stroke-width=\"0.01cm\"/>\r\n"), 3u);

    const std::string empty = readBytes(dir.path() / "SurN1_Vb7.0_Sr2.5_Ss10_10cm外.svg");
    EXPECT_EQ(empty, header + "</svg>\r\n");
}

TEST(FaceSvgExport, StarWhoseDotLeavesTheCanvasIsStillWritten)
{
    TempDir dir;
    FaceInputs in;
    in.Check9 = 1;
    in.Text14 = "40000"; // a dot of 50 cm radius
    const auto d = draw(in, "119,0,6\r\n", dir);
    ASSERT_FALSE(d->message);
    const auto circles = d->window.canvas.callsOf(Kind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_GT(circles[0].a + circles[0].c, d->window.canvas.width());
    const std::string svg = svgFile(dir, in);
    EXPECT_NE(svg.find("rx=\"50cm\""), std::string::npos) << svg; // 40000 / 800 · √1
}

TEST(FaceSvgExport, NoFileWithoutCheck9)
{
    for (int state : {0, 2}) {
        SCOPED_TRACE(state);
        TempDir dir;
        FaceInputs in;
        in.Check9 = state;
        const auto d = draw(in, "90,0,6\r\n", dir);
        ASSERT_FALSE(d->message);
        EXPECT_EQ(dir.files(), std::vector<std::string>{"stars.csv"});
    }
}

TEST(FaceSvgExport, UnwritableFolderIsReportedAndTheDrawingGoesOn)
{
    TempDir dir;
    FaceInputs in;
    in.Check9 = 1;
    FakeFaceWindow window;
    const auto message = runFaceDraw(in, dir.write("stars.csv", "90,0,6\r\n"), equatorModel(), window,
                                     dir.path() / "no-such-folder");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->kind, FaceMessage::Kind::SvgNotWritten);
    EXPECT_NE(message->text.find("SurN1_Vb7.0_Sr2.5_Ss10_10cm内.svg"), std::string::npos) << message->text;
    EXPECT_EQ(window.canvas.callsOf(Kind::Circle).size(), 1u);
    EXPECT_EQ(window.label38.size(), 1u);
}

TEST(FaceSvgExport, DrawingTwiceReplacesTheFile)
{
    TempDir dir;
    FaceInputs in;
    in.Check9 = 1;
    draw(in, "90,0,6\r\n91,0,6\r\n", dir);
    draw(in, "90,0,6\r\n", dir);
    EXPECT_EQ(count(svgFile(dir, in), "<ellipse"), 1u);
}

} // namespace

TEST(FaceScene, OutsideViewMirrorsCornerMarksAndEdgesToo)
{
    PolyhedronModel model;
    model.loadVertexFile(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-vertices.csv");
    model.loadFaceFile(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-faces.csv");
    FaceParameters p;
    p.phi0 = model.faces[7].Phi * stars::DegreeFactor;
    p.lambda0 = model.faces[7].Lambda * stars::DegreeFactor;
    p.projectionRange = 30 * stars::DegreeFactor;
    p.sphereRadius = 10;
    const float side = canvasSide(p);
    const auto outline = [&](int view) {
        p.insideView = view;
        std::vector<scene::Point> points;
        const scene::Scene s = buildFaceScene(p, FaceOutline{7, true, true}, model, {}, "stars.csv", side);
        for (const scene::Item& item : s.find(scene::layers::kOutline)->items) {
            if (const auto* d = std::get_if<scene::Dot>(&item))
                points.push_back(d->centre);
            else
                points.push_back(scene::itemAs<scene::Path>(item).runs[0][1]);
        }
        return points;
    };
    const auto inside = outline(1), outside = outline(0);
    const auto corners = static_cast<std::size_t>(model.faces[7].CornerCount);
    ASSERT_EQ(inside.size(), 2 * corners); // a mark and an edge for every corner
    ASSERT_EQ(outside.size(), inside.size());
    int offTheMirrorLine = 0;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(outside[i].x, side - inside[i].x, 1e-9);
        EXPECT_EQ(outside[i].y, inside[i].y);
        offTheMirrorLine += std::fabs(inside[i].x - side / 2.0) > 0.1 ? 1 : 0;
    }
    EXPECT_GT(offTheMirrorLine, 2);
}
