#include "qt_app.h"
#include "render_support.h"
#include "test_files.h"

#include "render/renderers.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

using namespace exporter;
using render_test::Grey;

namespace {

/// Pages are rasterised by pdftoppm at this resolution; 1 px = 0.0423 mm.
constexpr int kDpi = 600;
/// Poppler anti-aliases with 4 × 4 samples a pixel, so the darkness centroid of a disc some
/// 10 px across lands within a few hundredths of a pixel of its centre (0.006 px measured);
/// 0.1 px (0.004 mm) leaves room for that and still fails any misplacement by half a pixel.
constexpr double kCentroidTolerance = 0.1;

double px(double cm, int dpi = kDpi) { return cm / 2.54 * dpi; }

/// Darkness-weighted centre, in pixels, of the (2r)² square around (x, y).
std::pair<double, double> centroid(const Grey& g, double x, double y, int r)
{
    double sx = 0, sy = 0, sw = 0;
    for (int j = int(y) - r; j < int(y) + r; ++j)
        for (int i = int(x) - r; i < int(x) + r; ++i) {
            const double w = 255 - g.at(i, j);
            sx += w * (i + 0.5), sy += w * (j + 0.5), sw += w;
        }
    return {sx / sw, sy / sw};
}

scene::Scene blank(double width, double height)
{
    scene::Scene s;
    s.width = width;
    s.height = height;
    return s;
}

void addDot(scene::Scene& s, double x, double y, double radius)
{
    scene::Dot d;
    d.centre = {x, y};
    d.radius = radius;
    s.layer(scene::layers::kStars).items.emplace_back(std::in_place_type<scene::Dot>, d);
}

std::string pdfOf(const testing_support::TempDir& dir, const scene::Scene& s, const std::optional<PaperSize>& paper)
{
    const std::string path = (dir.path() / "t.pdf").string();
    writePdf({TemplateDrawing{"t", "", "test", s}}, path, paper);
    return path;
}

} // namespace

TEST(PdfBook, EveryFaintStarIsADotOfItsOwn)
{
    testing_support::TempDir dir;
    for (const double radius : {0.008, 0.0033}) {
        SCOPED_TRACE(radius);
        const scene::Scene s = render_test::starGrid(500, radius);
        const Grey g = render_test::renderPdfPage(pdfOf(dir, s, std::nullopt), 1, kDpi);
        int drawn = 0, joined = 0;
        for (const scene::Dot& d : render_test::dotsOf(s)) {
            drawn += g.darkestNear(int(px(d.centre.x)), int(px(d.centre.y)), 0) < 128;
            // Halfway to the next star in the row: paper, not a line through the stars.
            joined += g.darkestNear(int(px(d.centre.x + 0.15)), int(px(d.centre.y)), 0) < 250;
        }
        EXPECT_EQ(drawn, 500);
        EXPECT_EQ(joined, 0);
    }
}

TEST(PdfBook, StarCentresAreTheScenesOnEveryTile)
{
    // 30 × 10 cm on A4: portrait and landscape both take two sheets, so portrait; the
    // second tile starts 19 − 1 = 18 cm in and lands 1 cm in from the sheet's corner.
    const struct { const char* name; bool tiled; int page; double x, y, pageX, pageY; } rows[] = {
        {"own page", false, 1, 0.123456, 0.654321, 0.123456, 0.654321},
        {"own page", false, 1, 29.876543, 9.5, 29.876543, 9.5},
        {"own page", false, 1, 12.34, 5.678, 12.34, 5.678},
        {"A4, first tile", true, 1, 3.21, 4.56, 4.21, 5.56},
        {"A4, second tile", true, 2, 20.3, 5.7, 3.3, 6.7},
        {"A4, second tile", true, 2, 29.1, 9.4, 12.1, 10.4},
    };
    testing_support::TempDir dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.name << " " << row.x << ", " << row.y);
        scene::Scene s = blank(30, 10);
        addDot(s, row.x, row.y, 0.05);
        const Grey g =
            render_test::renderPdfPage(pdfOf(dir, s, row.tiled ? paperNamed("a4") : std::nullopt), row.page, kDpi);
        const auto [cx, cy] = centroid(g, px(row.pageX), px(row.pageY), int(px(0.08)));
        EXPECT_NEAR(cx, px(row.pageX), kCentroidTolerance);
        EXPECT_NEAR(cy, px(row.pageY), kCentroidTolerance);
    }
}

TEST(PdfBook, PathsAreLinesWithTheirStrokeOnEveryTile)
{
    const auto path = [](std::vector<scene::Point> run, bool closed, scene::Stroke stroke = {}, double dotRadius = 0) {
        scene::Path p;
        p.runs = {std::move(run)};
        p.closed = closed;
        p.stroke = std::move(stroke);
        p.dotRadius = dotRadius;
        return p;
    };
    // Samples in page centimetres. The dashed line is 0.05 cm wide, dashes 0.2 on, 0.1 off.
    // On A4 the 30 × 10 cm rectangle's second tile starts 18 cm in and lands 1 cm in; its
    // 0.2 cm wide edge has a round join at (2, 2) that reaches (1.94, 1.94), outside both edges
    // (a bevelled one would not).
    const std::vector<scene::Point> rectangle{{2, 2}, {28, 2}, {28, 8}, {2, 8}};
    const scene::Stroke wide{canvas::kBlack, 0.2, {}};
    std::vector<scene::Point> dashedRun;
    for (int x = 1; x <= 29; ++x)
        dashedRun.push_back({double(x), 5});
    // A filled rectangle whose 0.4 cm stroke reaches 0.2 cm beyond it: the dark style's ground.
    scene::Path ground = path(rectangle, true, {canvas::kBlack, 0.4, {}});
    ground.fill = canvas::kBlack;
    const struct { const char* name; scene::Path path; bool tiled; int page; std::vector<scene::Point> ink, paper; } rows[] = {
        {"filled with its bleed, first tile", ground, true, 1, {{10, 6}, {2.85, 6}, {10, 2.85}}, {{2.7, 6}, {10, 2.7}}},
        {"filled with its bleed, second tile", ground, true, 2, {{7, 6}, {11.15, 6}}, {{11.3, 6}}},
        {"closing edge", path({{1, 1}, {3, 1}, {3, 3}, {1, 3}}, true), false, 1, {{1, 2}, {2, 1}, {3, 2}}, {{2, 2}}},
        {"open: no closing edge", path({{1, 1}, {3, 1}, {3, 3}, {1, 3}}, false), false, 1, {{2, 3}}, {{1, 2}}},
        {"dashes and width", path({{1, 5}, {5, 5}}, false, {canvas::kBlack, 0.05, {0.2, 0.1}}), false, 1,
         {{1.1, 5}, {1.4, 5}, {1.1, 5.02}}, {{1.25, 5}, {1.55, 5}, {1.1, 5.035}}},
        {"dotted: a line", path({{1, 7}, {2, 7}, {3, 7}}, false, {}, 0.0033), false, 1, {{1.5, 7}, {2.5, 7}}, {}},
        {"width", path({{1, 6}, {5, 6}}, false, {canvas::kBlack, 0.05, {}}), false, 1, {{2, 6.02}}, {{2, 6.035}}},
        {"rectangle, first tile", path(rectangle, true, wide), true, 1, {{3, 6}, {10, 3}, {10, 9}, {2.94, 2.94}},
         {{10, 6}}},
        {"rectangle, second tile", path(rectangle, true, wide), true, 2, {{11, 6}, {3, 3}, {3, 9}}, {{7, 6}}},
        // Dashes 0.2 on, 0.1 off from x = 1 keep their places on the second tile (x − 18 + 1 on the
        // page, y + 1), though only the stretch from x = 17 on is written there: 20.0 cm is on, 20.15 off.
        {"dashes, second tile", path(dashedRun, false, {canvas::kBlack, 0.05, {0.2, 0.1}}), true, 2,
         {{3.0, 6}}, {{3.15, 6}}},
    };
    testing_support::TempDir dir;
    // Each also with every segment but a closed run's last cut in 200 along itself: a line of
    // many points is written apart from the page's own drawing, and must look the same.
    for (const auto& row : rows)
    for (const int pieces : {1, 200}) {
        SCOPED_TRACE(testing::Message() << row.name << ", segments in " << pieces);
        scene::Path path = row.path;
        for (auto& run : path.runs) {
            std::vector<scene::Point> cut;
            for (std::size_t i = 0; i + 1 < run.size(); ++i)
                for (int k = 0; k < pieces; ++k)
                    cut.push_back({run[i].x + (run[i + 1].x - run[i].x) * k / pieces,
                                   run[i].y + (run[i + 1].y - run[i].y) * k / pieces});
            cut.push_back(run.back());
            run = cut;
        }
        scene::Scene s = blank(30, 10);
        s.layer(scene::layers::kCut).items.emplace_back(std::in_place_type<scene::Boxed<scene::Path>>, path);
        const Grey g =
            render_test::renderPdfPage(pdfOf(dir, s, row.tiled ? paperNamed("a4") : std::nullopt), row.page, kDpi);
        for (const scene::Point& q : row.ink)
            EXPECT_LT(g.darkestNear(int(px(q.x)), int(px(q.y))), 128) << "ink at " << q.x << ", " << q.y;
        for (const scene::Point& q : row.paper)
            EXPECT_GT(g.darkestNear(int(px(q.x)), int(px(q.y))), 250) << "paper at " << q.x << ", " << q.y;
    }
}

TEST(PdfBook, ScaleBarMeasuresTenCentimetres)
{
    // At 254 dpi a centimetre is 100 px. On A4 portrait the bar runs at 29.7 − 1 − 0.7 = 28 cm,
    // from 1 + 5 + 0.6 = 6.6 cm (right of the calibration square), 0.02 cm thick: the longest
    // dark run along row 2800 is the bar.
    testing_support::TempDir dir;
    const Grey g = render_test::renderPdfPage(pdfOf(dir, blank(5, 5), paperNamed("a4")), 1, 254);
    int longest = 0, start = 0;
    for (int x = 0, run = 0; x < g.width; ++x) {
        run = g.darkestNear(x, 2800, 0) < 128 ? run + 1 : 0;
        if (run > longest)
            longest = run, start = x - run + 1;
    }
    EXPECT_NEAR(longest, 1000, 3);
    EXPECT_NEAR(start, 660, 2);
}

TEST(PdfBook, CropMarksPointAwayFromTheContent)
{
    // A4 portrait: content from (1, 1) to (20, 23.1) cm; each mark starts 0.1 cm out from a
    // corner and is 0.35 cm long. Sampled 0.3 cm from the corner, outside and inside.
    testing_support::TempDir dir;
    const Grey g = render_test::renderPdfPage(pdfOf(dir, blank(5, 5), paperNamed("a4")), 1, 254);
    const struct { double x, y, outX, outY; } corners[] = {{1, 1, -1, -1}, {20, 1, 1, -1}, {1, 23.1, -1, 1}, {20, 23.1, 1, 1}};
    for (const auto& c : corners) {
        SCOPED_TRACE(testing::Message() << "corner " << c.x << ", " << c.y);
        const auto sample = [&](double dx, double dy) { return g.darkestNear(int(px(c.x + dx, 254)), int(px(c.y + dy, 254))); };
        EXPECT_LT(sample(0.3 * c.outX, 0), 128) << "horizontal mark outside";
        EXPECT_LT(sample(0, 0.3 * c.outY), 128) << "vertical mark outside";
        EXPECT_GT(sample(-0.3 * c.outX, 0), 250) << "nothing inside";
        EXPECT_GT(sample(0, -0.3 * c.outY), 250) << "nothing inside";
    }
}

TEST(PdfBook, TextSitsAtItsAnchorInItsPointSize)
{
    // pdftotext gives each word's box in points; the reference point is (5 cm, 5 cm) = 141.73 pt.
    const double at = 5 / 2.54 * 72, size = 20;
    const struct { scene::Anchor anchor; double rotation; const char* edge; } rows[] = {
        {scene::Anchor::Start, 0, "left"}, {scene::Anchor::Middle, 0, "centre"}, {scene::Anchor::End, 0, "right"},
        {scene::Anchor::Start, 90, "top"}};
    testing_support::TempDir dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.edge);
        scene::Scene s = blank(10, 10);
        scene::Text t;
        t.at = {5, 5};
        t.sizePt = size;
        t.anchor = row.anchor;
        t.rotationDeg = row.rotation;
        t.text = "Orion";
        s.layer("labels").items.emplace_back(std::in_place_type<scene::Boxed<scene::Text>>, t);
        const std::string pdf = pdfOf(dir, s, std::nullopt), html = pdf + ".html";
        ASSERT_EQ(std::system(("pdftotext -bbox '" + pdf + "' '" + html + "'").c_str()), 0);
        std::ifstream in(html);
        const std::string words{std::istreambuf_iterator<char>(in), {}};
        std::smatch m;
        ASSERT_TRUE(std::regex_search(
            words, m, std::regex(R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">Orion<)re")))
            << words;
        const double x0 = std::stod(m[1]), y0 = std::stod(m[2]), x1 = std::stod(m[3]), y1 = std::stod(m[4]);
        const double along = row.rotation == 0 ? x1 - x0 : y1 - y0, across = row.rotation == 0 ? y1 - y0 : x1 - x0;
        EXPECT_GT(along, 2 * size);
        EXPECT_GT(across, size); // a 20 pt font's ascent plus descent, not a scaled one
        EXPECT_LT(across, 1.5 * size);
        const double edge = row.rotation != 0                         ? y0
                            : row.anchor == scene::Anchor::Start  ? x0
                            : row.anchor == scene::Anchor::Middle ? (x0 + x1) / 2
                                                                  : x1;
        EXPECT_NEAR(edge, at, 0.5);
    }
}

TEST(PdfBook, TextReachingATileFromOutsideIsOnIt)
{
    // 30 × 10 cm on A4: the second tile shows x from 18 cm. The text starts at 17.5 cm and runs on past 18.
    testing_support::TempDir dir;
    scene::Scene s = blank(30, 10);
    scene::Text t;
    t.at = {17.5, 5};
    t.sizePt = 20;
    t.text = "Orion";
    s.layer("labels").items.emplace_back(std::in_place_type<scene::Boxed<scene::Text>>, t);
    const std::string pdf = pdfOf(dir, s, paperNamed("a4")), txt = pdf + ".txt";
    ASSERT_EQ(std::system(("pdftotext -f 2 -l 2 '" + pdf + "' '" + txt + "'").c_str()), 0);
    std::ifstream in(txt);
    const std::string page{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(page.find("Orion"), std::string::npos) << page;
}

TEST(PdfBook, NothingUnderThePathBeforeCommit)
{
    testing_support::TempDir dir;
    const std::string path = (dir.path() / "book.pdf").string();
    {
        PdfBook book(path, std::nullopt);
        book.add(TemplateDrawing{"t", "", "test", blank(3, 2)});
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_EQ(book.commit(), 1);
        EXPECT_TRUE(std::filesystem::exists(path));
    }
    const std::string empty = (dir.path() / "empty.pdf").string();
    EXPECT_THROW(writePdf({}, empty, std::nullopt), text::InputError);
    {
        PdfBook abandoned(empty, std::nullopt);
        abandoned.add(TemplateDrawing{"t", "", "test", blank(3, 2)});
    }
    EXPECT_FALSE(std::filesystem::exists(empty));
}
