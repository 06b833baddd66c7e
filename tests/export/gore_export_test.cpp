#include "qt_app.h"
#include "test_files.h"
#include "window_like_gore_windows.h"

#include "canvas/raster_canvas.h"
#include "export/export_options.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "render/renderers.h"
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
    static const std::regex circle(R"re(<circle[^>]* cx="([^"]+)" cy="([^"]+)" r="([^"]+)")re");
    std::vector<Circle> out;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), circle); it != std::sregex_iterator(); ++it)
        out.push_back({toFloat((*it)[1]), toFloat((*it)[2]), toFloat((*it)[3])});
    return out;
}

std::vector<Circle> starDots(const scene::Scene& s)
{
    std::vector<Circle> out;
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            if (const auto* d = std::get_if<scene::Dot>(&item); d && d->role == scene::Role::Star)
                out.push_back({static_cast<float>(d->centre.x), static_cast<float>(d->centre.y),
                               static_cast<float>(d->radius)});
    return out;
}

const scene::Path* pathOf(const scene::Scene& s, scene::Role role)
{
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            if (const auto* p = scene::itemIf<scene::Path>(&item); p && p->role == role)
                return p;
    return nullptr;
}

} // namespace

TEST(GoreExport, BitmapAt96DpiIsTheWindowsBitmapByteForByte)
{
    testing_support::TempDir dir;
    testing_support::WindowLikeGoreWindows window;
    ASSERT_FALSE(gore::runGoreDraw(gore::GoreSpec{}, kCatalogue, window).has_value());
    const std::string windowFile = (dir.path() / "window.bmp").string();
    window.gore.SavePicture(windowFile);

    const TemplateList t = drawGoreTemplates(goreOptions({}), kCatalogue);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].name, "N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm");
    const std::string exportFile = (dir.path() / "export.bmp").string();
    writeBitmapAtomically(exportFile, rasterImage(t[0].scene, 96));

    const std::string a = readAll(windowFile), b = readAll(exportFile);
    ASSERT_GT(a.size(), 1000u);
    EXPECT_TRUE(a == b) << a.size() << " vs " << b.size() << " bytes";
}

TEST(GoreExport, BitmapAt300DpiKeepsTheSizeInCentimetres)
{
    const TemplateList t = drawGoreTemplates(goreOptions({}), kCatalogue);
    const QImage image = rasterImage(t[0].scene, 300);
    // 22.42 × 12.77 cm at 300 dpi (118.11 px/cm): about 2648 × 1508 px, 11811 px/m.
    EXPECT_NEAR(image.width(), t[0].scene.width / 2.54 * 300, 0.5);
    EXPECT_NEAR(image.height(), t[0].scene.height / 2.54 * 300, 0.5);
    EXPECT_EQ(image.dotsPerMeterX(), 11811);
}

TEST(GoreExport, SvgStarsSitWhereTheSceneHasThem)
{
    const TemplateList t = drawGoreTemplates(goreOptions({"--line", "on"}), kCatalogue);
    const std::string svg = svgDocument(t[0].scene);
    EXPECT_NE(svg.find("xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);

    // Every star appears, in order, at exactly its place.
    const std::vector<Circle> expected = starDots(t[0].scene);
    const std::vector<Circle> got = svgCircles(svg);
    ASSERT_GT(expected.size(), 100u);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].x, expected[i].x);
        EXPECT_EQ(got[i].y, expected[i].y);
        EXPECT_EQ(got[i].r, std::max(expected[i].r, static_cast<float>(kMinPrintRadius)));
    }

    // The edges run pole to pole; on the northern half the equator stands 2 cm from the left edge.
    const scene::Path* edges = pathOf(t[0].scene, scene::Role::GoreEdge);
    ASSERT_NE(edges, nullptr);
    ASSERT_EQ(edges->runs.size(), 2u);
    EXPECT_NEAR(edges->runs[0].back().x - edges->runs[0].front().x, 13 * M_PI, 0.01);
    const scene::Path* equator = pathOf(t[0].scene, scene::Role::Equator);
    ASSERT_NE(equator, nullptr);
    EXPECT_NEAR(equator->runs[0][0].x, 2.0, 1e-6);
    EXPECT_NE(pathOf(t[0].scene, scene::Role::EqualLatitudeLine), nullptr);
}

TEST(GoreExport, EveryStarOfTheSceneReachesTheSvg)
{
    testing_support::TempDir dir;
    std::string equal;
    for (int i = 0; i < 500; ++i)
        equal += std::to_string(i * 0.09) + "," + std::to_string((i % 50) * 0.1) + ",5\n";
    const std::string sameMagnitude = dir.write("equal.csv", equal);
    struct Case
    {
        std::vector<std::string> args;
        std::string stars;
    };
    // Stars of one tiny size each: a guess from runs of equal dots once took them for a line.
    const Case cases[] = {
        {{"gores", "--ratio", "1", "--magnification", "8"}, kCatalogue},
        {{"faces", "--ratio", "0", "--magnification", "8"}, kCatalogue},
        {{"gores", "--k", "1"}, sameMagnitude},
        {{"gores", "--plates", "north", "--boundary", "1"}, sameMagnitude},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const ExportOptions o = parseExportOptions(c.args);
        const TemplateList t = o.subject == Subject::Gores ? drawGoreTemplates(o.gore, c.stars)
                                                            : drawFaceTemplates(o.face, c.stars);
        std::size_t stars = 0, circles = 0;
        for (const TemplateDrawing& d : t) {
            stars += d.scene.count(scene::Role::Star);
            circles += svgCircles(svgDocument(d.scene)).size();
        }
        EXPECT_GT(stars, 20u);
        EXPECT_EQ(circles, stars);
    }
}

TEST(GoreExport, AllGoresOfBothHalvesAndThePlate)
{
    testing_support::TempDir dir;
    const std::string stars = dir.write("stars.csv",
                                        // λ, φ, Vmag
                                        "10,80,1\n100,80,1\n44,80,1\n200,60,2\n10,-80,1\n");
    const TemplateList t =
        drawGoreTemplates(goreOptions({"--k", "all", "--hemisphere", "both", "--plates", "both"}), stars);
    ASSERT_EQ(t.size(), 18u);
    EXPECT_EQ(t[0].name, "N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm");
    EXPECT_EQ(t[7].name, "N8_K8_NS1_Vb8.5_Sr2.5_Ss10_13cm");
    EXPECT_EQ(t[8].name, "N8_K1_NS0_Vb8.5_Sr2.5_Ss10_13cm");
    EXPECT_EQ(t[16].name, "N8_Kall_PlateN_Vb8.5_Sr2.5_Ss10_13cm");
    EXPECT_EQ(t[17].name, "N8_Kall_PlateS_Vb8.5_Sr2.5_Ss10_13cm");

    // The star at -80° leaves southern gore 1 for the southern plate, where it lies at
    // position angle -10°: the mirror image of its northern twin at 10°.
    EXPECT_TRUE(starDots(t[8].scene).empty());
    const std::vector<Circle> south = starDots(t[17].scene);
    ASSERT_EQ(south.size(), 1u);
    const std::vector<Circle> north = starDots(t[16].scene);
    ASSERT_FALSE(north.empty());
    EXPECT_EQ(south[0].x, north[0].x);
    EXPECT_NEAR(south[0].y - t[17].scene.height / 2.0, -(north[0].y - t[16].scene.height / 2.0), 1e-5);

    // The star at 60° stays on gore 5, north.
    EXPECT_EQ(starDots(t[4].scene).size(), 1u);

    // Plate: pole at the centre; a star at φ 80° lies 13·sin 70° / tan 80° = 2.154011 cm
    // from it at position angle λ (2.154 cm in the worked example). The star at 44° reaches it from gores 1 and 2 but is drawn once.
    const scene::Scene& plate = t[16].scene;
    const double cx = plate.width / 2.0, cy = plate.height / 2.0;
    const std::vector<Circle> got = starDots(plate);
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
    // One cutting line round the pole: the octagon whose sides stand 13·cos 70° = 4.446262 cm
    // from it, its corners 4.446262 / cos 22.5° = 4.812599 cm out at 0°, 45°, …
    const scene::Path* ring = pathOf(plate, scene::Role::PlateOutline);
    ASSERT_NE(ring, nullptr);
    ASSERT_EQ(ring->runs.size(), 1u);
    for (const scene::Point& q : ring->runs[0]) {
        const double r = std::hypot(q.x - cx, q.y - cy);
        EXPECT_GE(r, 4.446262 - 2e-4);
        EXPECT_LE(r, 4.812599 + 2e-4);
    }
    EXPECT_NEAR(ring->runs[0][0].x - cx, 4.812599, 2e-4);
    EXPECT_NEAR(ring->runs[0][0].y - cy, 0.0, 2e-4);
}

TEST(GoreExport, RefusalsNameTheOptionAndItsValue)
{
    struct Case
    {
        std::vector<std::string> args;
        std::string mustStartWith;
        std::string japanese = {}; ///< the reason as the globe dialog says it in Japanese, when asked
    };
    const Case cases[] = {
        {{"--n", "0"}, "option --n \"0\": there are no gores to draw", "負または零の分割数nは定義できません。"},
        {{"--k", "9"}, "option --k \"9\": there is no gore 9 of 8", " n < k です。"},
        {{"--k", "0"}, "option --k \"0\": the gores are numbered from 1"},
        {{"--plates", "south", "--boundary", "90"}, "option --boundary \"90\": 90° leaves no room for a polar plate"},
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
            if (!c.japanese.empty()) {
                EXPECT_EQ(e.reasonText().in(text::Language::Japanese), c.japanese);
            }
        }
    }
    try {
        drawGoreTemplates(goreOptions({}), "/nonexistent/stars.csv");
        ADD_FAILURE() << "accepted";
    } catch (const text::InputError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("option --stars: ", 0), 0u) << e.what();
    }
}

TEST(GoreExport, AStarOnThePlateIsOnNoneOfItsOwnGore)
{
    // A star in the 3° grace beyond gore k's edge is corrected as gore k sees it, which can carry it
    // past B while its own gore k + 1 keeps it: the plate takes it from its own gore only.
    const stars::StarCatalogue catalogue = readStarsOption(kCatalogue);
    for (const char* n : {"3", "8", "12"})
        for (const char* boundary : {"60", "70"}) {
            SCOPED_TRACE(std::string(n) + " gores, B " + boundary);
            const TemplateList t = drawGoreTemplates(
                goreOptions({"--n", n, "--k", "all", "--plates", "north", "--boundary", boundary}), kCatalogue);
            const int gores = std::stoi(n);
            ASSERT_EQ(t.size(), static_cast<std::size_t>(gores) + 1);
            std::vector<std::set<std::int64_t>> onGore(static_cast<std::size_t>(gores));
            for (int k = 0; k < gores; ++k)
                for (const scene::Layer& layer : t[static_cast<std::size_t>(k)].scene.layers)
                    for (const scene::Item& item : layer.items)
                        if (const auto* d = std::get_if<scene::Dot>(&item); d && d->role == scene::Role::Star)
                            onGore[static_cast<std::size_t>(k)].insert(d->index);
            std::size_t plate = 0;
            for (const scene::Layer& layer : t.back().scene.layers)
                for (const scene::Item& item : layer.items)
                    if (const auto* d = std::get_if<scene::Dot>(&item); d && d->role == scene::Role::Star) {
                        ++plate;
                        const double lambda = catalogue.stars[static_cast<std::size_t>(d->index)].Lambda;
                        const auto own = static_cast<std::size_t>(std::floor(lambda / (360.0 / gores)));
                        EXPECT_EQ(onGore[own].count(d->index), 0u) << "star " << d->index + 1;
                    }
            EXPECT_GT(plate, 200u);
        }
}
