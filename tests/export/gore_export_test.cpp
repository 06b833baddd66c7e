#include "qt_app.h"
#include "test_files.h"
#include "window_like_gore_windows.h"

#include "canvas/raster_canvas.h"
#include "export/display_list.h"
#include "export/export_options.h"
#include "export/gore_templates.h"
#include "export/renderers.h"
#include "gore/gore_command.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

using namespace exporter;
using canvas::CanvasCall;

namespace {

const std::string kCatalogue = ORBWEAVE_DATA_DIR "/bright-stars.csv";


std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

GoreOptions goreOptions(std::vector<std::string> args)
{
    args.insert(args.begin(), "gores");
    return parseExportOptions(args).gore;
}

float toFloat(const std::string& s)
{
    float v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

struct Circle
{
    float x, y, r;
};

std::vector<Circle> svgCircles(const std::string& svg)
{
    static const std::regex circle(R"re(<circle cx="([^"]+)" cy="([^"]+)" r="([^"]+)")re");
    std::vector<Circle> out;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), circle); it != std::sregex_iterator(); ++it)
        out.push_back({toFloat((*it)[1]), toFloat((*it)[2]), toFloat((*it)[3])});
    return out;
}

std::vector<Circle> starCalls(const canvas::RecordingCanvas& c)
{
    std::vector<Circle> out;
    for (const CanvasCall& call : c.callsOf(CanvasCall::Kind::Circle))
        if (call.c > 0.01f)
            out.push_back({call.a, call.b, call.c});
    return out;
}

} // namespace

TEST(GoreExport, BitmapAt96DpiIsTheWindowsBitmapByteForByte)
{
    testing_support::TempDir dir;
    testing_support::WindowLikeGoreWindows window;
    ASSERT_FALSE(gore::runGoreDraw(gore::GoreInputs{}, kCatalogue, window).has_value());
    const std::string windowFile = (dir.path() / "window.bmp").string();
    window.gore.SavePicture(windowFile);

    const TemplateList t = drawGoreTemplates(goreOptions({}), kCatalogue);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].name, "N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm");
    const std::string exportFile = (dir.path() / "export.bmp").string();
    writeBitmapAtomically(exportFile, rasterImage(t[0], 96));

    const std::string a = readAll(windowFile), b = readAll(exportFile);
    ASSERT_GT(a.size(), 1000u);
    EXPECT_TRUE(a == b) << a.size() << " vs " << b.size() << " bytes";
}

TEST(GoreExport, BitmapAt300DpiKeepsTheSizeInCentimetres)
{
    const TemplateList t = drawGoreTemplates(goreOptions({}), kCatalogue);
    const QImage image = rasterImage(t[0], 300);
    // 22.42 × 12.77 cm at 300 dpi (118.11 px/cm): about 2648 × 1508 px, 11811 px/m.
    EXPECT_NEAR(image.width(), t[0].drawing.width() / 2.54 * 300, 0.5);
    EXPECT_NEAR(image.height(), t[0].drawing.height() / 2.54 * 300, 0.5);
    EXPECT_EQ(image.dotsPerMeterX(), 11811);
}

TEST(GoreExport, SvgStarsSitWhereTheCanvasCallsPutThem)
{
    const TemplateList t = drawGoreTemplates(goreOptions({"--line", "on"}), kCatalogue);
    const DisplayList list = makeDisplayList(t[0].drawing);
    const std::string svg = svgDocument(list);
    EXPECT_NE(svg.find("xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
    EXPECT_NE(svg.find("cm\" viewBox=\"0 0 "), std::string::npos);

    // Every star call whose dot lies on the canvas appears, in order, at exactly its place.
    const float w = t[0].drawing.width(), h = t[0].drawing.height();
    std::vector<Circle> expected;
    for (const Circle& c : starCalls(t[0].drawing))
        if (c.x + c.r >= 0 && c.y + c.r >= 0 && c.x - c.r <= w && c.y - c.r <= h)
            expected.push_back(c);
    const std::vector<Circle> got = svgCircles(svg);
    ASSERT_GT(expected.size(), 100u);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].x, expected[i].x);
        EXPECT_EQ(got[i].y, expected[i].y);
        EXPECT_EQ(got[i].r, std::max(expected[i].r, static_cast<float>(kMinPrintRadius)));
    }

    // The edges, the equator and the equal-latitude line are polylines through the dots drawn.
    std::set<std::pair<float, float>> dots;
    for (const CanvasCall& c : t[0].drawing.callsOf(CanvasCall::Kind::Circle))
        dots.insert({c.a, c.b});
    int edgePolylines = 0;
    for (const Item& item : list.items)
        if (const auto* p = std::get_if<Polyline>(&item)) {
            ++edgePolylines;
            for (const Point& q : p->points)
                ASSERT_TRUE(dots.count({static_cast<float>(q.x), static_cast<float>(q.y)})) << q.x << "," << q.y;
        }
    EXPECT_EQ(edgePolylines, 3); // two edges and the visible half of the equal-latitude line
    const auto equator = t[0].drawing.callsOf(CanvasCall::Kind::Line);
    ASSERT_EQ(equator.size(), 1u);
    // On the northern half the equator stands 2 cm from the left edge.
    EXPECT_NEAR(equator[0].a, 2.0f, 1e-6);
    EXPECT_EQ(std::count_if(list.items.begin(), list.items.end(),
                            [](const Item& i) { return std::holds_alternative<Segment>(i); }),
              1);
    EXPECT_NE(svg.find("<polyline fill=\"none\" stroke=\"#000000\" stroke-width=\"0.01\" points=\"2,"),
              std::string::npos);
}

TEST(GoreExport, AllGoresOfBothHalvesAndThePlate)
{
    testing_support::TempDir dir;
    const std::string stars = dir.write("stars.csv",
                                        // λ, φ, Vmag
                                        "10,80,1\n100,80,1\n44,80,1\n200,60,2\n10,-80,1\n");
    std::vector<std::string> captions;
    const TemplateList t = drawGoreTemplates(
        goreOptions({"--k", "all", "--hemisphere", "both", "--plates", "both"}), stars,
        [&](const std::string& c) { captions.push_back(c); });
    ASSERT_EQ(t.size(), 18u);
    EXPECT_EQ(captions.size(), 18u);
    EXPECT_EQ(t[0].name, "N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm");
    EXPECT_EQ(t[7].name, "N8_K8_NS1_Vb8.5_Sr2.5_Ss10_13cm");
    EXPECT_EQ(t[8].name, "N8_K1_NS0_Vb8.5_Sr2.5_Ss10_13cm");
    EXPECT_EQ(t[16].name, "N8_Kall_PlateN_Vb8.5_Sr2.5_Ss10_13cm");
    EXPECT_EQ(t[17].name, "N8_Kall_PlateS_Vb8.5_Sr2.5_Ss10_13cm");

    // The star at -80° leaves southern gore 1 for the southern plate, where it lies at
    // position angle -10°: the mirror image of its northern twin at 10°.
    EXPECT_TRUE(starCalls(t[8].drawing).empty());
    const std::vector<Circle> south = starCalls(t[17].drawing);
    ASSERT_EQ(south.size(), 1u);
    const std::vector<Circle> north = starCalls(t[16].drawing);
    ASSERT_FALSE(north.empty());
    EXPECT_EQ(south[0].x, north[0].x);
    EXPECT_NEAR(south[0].y - t[17].drawing.height() / 2.0, -(north[0].y - t[16].drawing.height() / 2.0), 1e-5);

    // The star at 60° stays on gore 5, north.
    EXPECT_EQ(starCalls(t[4].drawing).size(), 1u);

    // Plate: pole at the centre; a star at φ 80° lies 13·sin 70° / tan 80° = 2.154011 cm
    // from it at position angle λ (2.154 cm in the worked example). The star at 44° reaches it from gores 1 and 2 but is drawn once.
    const canvas::RecordingCanvas& plate = t[16].drawing;
    const double cx = plate.width() / 2.0, cy = plate.height() / 2.0;
    const std::vector<Circle> got = starCalls(plate);
    ASSERT_EQ(got.size(), 3u);
    const double d = 2.154011;
    std::vector<std::pair<double, double>> want;
    for (double lambda : {10.0, 44.0, 100.0})
        want.push_back({cx + d * std::cos(lambda * M_PI / 180), cy - d * std::sin(lambda * M_PI / 180)});
    for (const auto& point : want) {
        const double x = point.first, y = point.second; // a lambda may not capture a structured binding in Clang 14
        SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
        const bool found = std::any_of(got.begin(), got.end(), [&](const Circle& c) {
            return std::fabs(c.x - x) < 2e-5 && std::fabs(c.y - y) < 2e-5;
        });
        EXPECT_TRUE(found);
    }
    // One cutting circle of radius 13·cos 70° = 4.446262 cm around the pole.
    const DisplayList list = makeDisplayList(plate);
    int rings = 0;
    for (const Item& item : list.items)
        if (const auto* p = std::get_if<Polyline>(&item)) {
            ++rings;
            for (const Point& q : p->points)
                EXPECT_NEAR(std::hypot(q.x - cx, q.y - cy), 4.446262, 2e-4);
        }
    EXPECT_EQ(rings, 1);
}

TEST(GoreExport, RefusalsNameTheOptionAndItsValue)
{
    struct Case
    {
        std::vector<std::string> args;
        std::string mustStartWith;
    };
    const Case cases[] = {
        {{"--n", "0"}, "option --n \"0\": 負または零の分割数nは定義できません。"},
        {{"--k", "9"}, "option --k \"9\":  n < k です。"},
        {{"--n", "x", "--k", "all"}, "option --n \"x\":"},
        {{"--radius", "-1"}, "option --radius \"-1\":"},
        {{"--faintest", "bright"}, "option --faintest \"bright\":"},
        {{"--boundary", "0"}, "option --boundary \"0\":"},
        {{"--ratio", ""}, "option --ratio \"\":"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mustStartWith);
        try {
            drawGoreTemplates(goreOptions(c.args), kCatalogue);
            ADD_FAILURE() << "accepted";
        } catch (const text::InputError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.mustStartWith, 0), 0u) << e.what();
        }
    }
    try {
        drawGoreTemplates(goreOptions({}), "/nonexistent/stars.csv");
        ADD_FAILURE() << "accepted";
    } catch (const text::InputError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("option --stars: ", 0), 0u) << e.what();
    }
}
