// The exported kit: tabs a seam, one closed cut path a piece, layers, sheets and packing.
#include "qt_app.h"
#include "render_support.h"
#include "test_files.h"

#include "export/export_run.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "render/renderers.h"
#include "stars/star_catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

using namespace exporter;

namespace {

const std::string kCatalogue = ORBWEAVE_DATA_DIR "/bright-stars.csv";

/// The finish of an SVG or PDF export with the default tabs and bleed.
const KitFinish kKit{{true, 0.7}, false, 0.2};

ExportOptions options(std::vector<std::string> args) { return parseExportOptions(args); }

TemplateList draw(const std::vector<std::string>& args, const KitFinish& finish = kKit)
{
    const ExportOptions o = options(args);
    return o.subject == Subject::Gores ? drawGoreTemplates(o.gore, kCatalogue, finish)
                                       : drawFaceTemplates(o.face, kCatalogue, finish);
}

template <typename Item>
std::vector<const Item*> itemsOf(const scene::Scene& s, scene::Role role)
{
    std::vector<const Item*> out;
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            if (const auto* i = scene::itemIf<Item>(&item); i && i->role == role)
                out.push_back(i);
    return out;
}

struct ExportRun
{
    int status = -1;
    std::string out, err;
};

ExportRun exportWith(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = runExport(args, out, err, 0);
    return {status, out.str(), err.str()};
}

std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

double px(double cm, int dpi) { return cm / 2.54 * dpi; }

} // namespace

TEST(KitExport, OneTabASeamAndOneClosedCutPathAPiece)
{
    struct Row
    {
        std::vector<std::string> args;
        std::size_t seams;
    };
    const Row rows[] = {
        // Halves: n long seams each side of the equator, n along it, n round each plate.
        {{"gores", "--n", "3", "--k", "all", "--hemisphere", "both", "--plates", "both"}, 5 * 3},
        {{"gores", "--n", "8", "--k", "all", "--hemisphere", "both", "--plates", "both"}, 5 * 8},
        {{"gores", "--n", "12", "--k", "all", "--hemisphere", "both", "--plates", "both"}, 5 * 12},
        {{"gores", "--n", "8", "--k", "all", "--hemisphere", "north", "--plates", "north"}, 2 * 8},
        // The edges of the bundled polyhedra: E = V + F − 2.
        {{"faces", "--face", "all", "--model", "tetrahedron", "--range", "75"}, 4 + 4 - 2},
        {{"faces", "--face", "all", "--model", "cube", "--range", "60"}, 8 + 6 - 2},
        {{"faces", "--face", "all", "--model", "octahedron", "--range", "60"}, 6 + 8 - 2},
        {{"faces", "--face", "all", "--model", "dodecahedron"}, 20 + 12 - 2},
        {{"faces", "--face", "all", "--model", "icosahedron"}, 12 + 20 - 2},
        {{"faces", "--face", "all"}, 60 + 32 - 2},
    };
    for (const Row& row : rows) {
        std::string said;
        for (const std::string& a : row.args)
            said += a + " ";
        SCOPED_TRACE(said);
        const TemplateList t = draw(row.args);
        std::size_t tabs = 0;
        std::map<std::string, int> edgeLabels;
        for (const TemplateDrawing& d : t) {
            tabs += itemsOf<scene::Path>(d.scene, scene::Role::TabFold).size();
            for (const scene::Text* label : itemsOf<scene::Text>(d.scene, scene::Role::EdgeLabel))
                ++edgeLabels[label->text];
            const scene::Layer* cut = d.scene.find(scene::layers::kCut);
            ASSERT_NE(cut, nullptr) << d.caption;
            ASSERT_EQ(cut->items.size(), 1u) << d.caption;
            const auto* path = scene::itemIf<scene::Path>(&cut->items[0]);
            ASSERT_NE(path, nullptr) << d.caption;
            EXPECT_EQ(path->role, scene::Role::CutOutline);
            EXPECT_TRUE(path->closed);
            EXPECT_EQ(path->runs.size(), 1u);
            EXPECT_EQ(path->stroke.color, (canvas::Rgb{255, 0, 0}));
            EXPECT_EQ(path->stroke.width, 0.0);
        }
        EXPECT_EQ(tabs, row.seams);
        // Both faces of a seam print its label.
        if (row.args[0] == "faces") {
            EXPECT_EQ(edgeLabels.size(), row.seams);
            for (const auto& [label, count] : edgeLabels)
                EXPECT_EQ(count, 2) << label;
        }
    }
    // A whole gore pole to pole: one long seam a gore and one round each plate.
    KitFinish whole = kKit;
    whole.wholeGores = true;
    for (const int n : {3, 8, 12}) {
        std::size_t tabs = 0;
        for (const TemplateDrawing& d : draw({"gores", "--n", std::to_string(n), "--k", "all", "--plates", "both"}, whole))
            tabs += itemsOf<scene::Path>(d.scene, scene::Role::TabFold).size();
        EXPECT_EQ(tabs, 3u * n) << n << " whole gores";
    }
}

TEST(KitExport, CutLayerAloneHoldsOnlyRedCutLines)
{
    testing_support::TempDir dir;
    const auto folder = dir.path() / "svg";
    ASSERT_EQ(exportWith({"gores", "--plates", "north", "--format", "svg", "--layers", "cut", "-o", folder.string(),
                          "-q"})
                  .status,
              0);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string svg = readAll(entry.path());
        ++files;
        // (Found by hand: the standard regex recurses once a character and overflows on long paths.)
        for (const char* element : {"<circle", "<polyline", "<text", "<line"})
            EXPECT_EQ(svg.find(element), std::string::npos) << element;
        int groups = 0, paths = 0;
        for (std::size_t at = svg.find("<g id=\""); at != std::string::npos; at = svg.find("<g id=\"", at + 1), ++groups)
            EXPECT_EQ(svg.compare(at + 7, 4, "cut\""), 0);
        for (std::size_t at = svg.find("<path "); at != std::string::npos; at = svg.find("<path ", at + 1), ++paths) {
            const std::string element = svg.substr(at, svg.find('>', at) - at);
            EXPECT_NE(element.find("stroke=\"#ff0000\""), std::string::npos);
            EXPECT_NE(element.find("Z\""), std::string::npos) << "a closed path";
        }
        EXPECT_EQ(groups, 1);
        EXPECT_EQ(paths, 1);
    }
    EXPECT_EQ(files, 2); // the gore and its plate

    // The PDF of the same holds red ink only, no star, label, fold or sheet mark.
    const auto pdf = dir.path() / "cut.pdf";
    ASSERT_EQ(exportWith({"gores", "--plates", "north", "--layers", "cut", "--paper", "a4", "-o", pdf.string(), "-q"})
                  .status,
              0);
    const std::string base = (dir.path() / "page").string();
    ASSERT_EQ(std::system(("pdftoppm -r 100 -singlefile '" + pdf.string() + "' '" + base + "'").c_str()), 0);
    const std::string ppm = readAll(base + ".ppm");
    int width = 0, height = 0, maxValue = 0, consumed = 0;
    ASSERT_EQ(std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maxValue, &consumed), 3);
    const auto* p = reinterpret_cast<const unsigned char*>(ppm.data()) + consumed + 1;
    int red = 0, other = 0;
    for (int i = 0; i < width * height; ++i, p += 3) {
        if (p[0] == 255 && p[1] == 255 && p[2] == 255)
            continue;
        // Red blended into white: full red, green and blue alike.
        (p[0] >= 250 && std::abs(p[1] - p[2]) <= 2 ? red : other) += 1;
    }
    EXPECT_GT(red, 1000);
    EXPECT_EQ(other, 0);
}

TEST(KitExport, CalibrationSquareMeasuresFiveCentimetres)
{
    // Rendered at 1200 dpi (a pixel is 0.021 mm), the darkness centres of the square's sides,
    // 0.2 mm lines inside its outer edge, stand 50 − 0.2 mm apart; 0.05 mm is 2.4 pixels.
    constexpr int kDpi = 1200;
    constexpr double kLine = 0.02, kTolerance = 0.005;
    testing_support::TempDir dir;
    for (const char* paper : {"a4", "letter"}) {
        SCOPED_TRACE(paper);
        const auto pdf = dir.path() / "sheet.pdf";
        // A gore cut for its plate fits both sheets upright.
        ASSERT_EQ(exportWith({"gores", "--plates", "north", "--paper", paper, "-o", pdf.string(), "-q"}).status, 0);
        const double height = std::string(paper) == "a4" ? 29.7 : 27.94;
        // The square: from (1, height − 6) to (6, height − 1) cm; render a 7 × 7 cm window round it.
        const int x0 = int(px(0.5, kDpi)), y0 = int(px(height - 6.5, kDpi)), side = int(px(6, kDpi));
        const std::string base = (dir.path() / "square").string();
        const std::string cmd = "pdftoppm -gray -singlefile -r " + std::to_string(kDpi) + " -x " + std::to_string(x0)
                                + " -y " + std::to_string(y0) + " -W " + std::to_string(side) + " -H "
                                + std::to_string(side) + " '" + pdf.string() + "' '" + base + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        const std::string pgm = readAll(base + ".pgm");
        int w = 0, h = 0, maxValue = 0, consumed = 0;
        ASSERT_EQ(std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &w, &h, &maxValue, &consumed), 3);
        ASSERT_EQ(w, side);
        ASSERT_EQ(h, side);
        ASSERT_GE(pgm.size(), std::size_t(consumed) + 1 + std::size_t(w) * h);
        const auto* g = reinterpret_cast<const unsigned char*>(pgm.data()) + consumed + 1;
        const auto at = [&](int x, int y) { return 255 - g[std::size_t(y) * w + x]; };
        // Darkness-weighted centre of the line crossing the given row or column near `guess` cm.
        const auto centre = [&](bool across, int fixed, double guess) {
            double sum = 0, weight = 0;
            const int from = int(px(guess - 0.1, kDpi)), to = int(px(guess + 0.1, kDpi));
            for (int i = from; i <= to; ++i) {
                const double d = across ? at(i, fixed) : at(fixed, i);
                sum += d * (i + 0.5), weight += d;
            }
            return weight > 0 ? sum / weight / kDpi * 2.54 : -1.0;
        };
        // 1.5 cm into the square, clear of its centimetre ticks and its caption.
        const int row = int(px(0.5 + 1.5, kDpi)), column = int(px(0.5 + 2.5, kDpi));
        const double left = centre(true, row, 0.5), right = centre(true, row, 5.5);
        const double top = centre(false, column, 0.5), bottom = centre(false, column, 5.5);
        EXPECT_NEAR(right - left + kLine, 5.0, kTolerance);
        EXPECT_NEAR(bottom - top + kLine, 5.0, kTolerance);
        // And it stands where the sheet says: its outer edges 1 cm in from the paper's left and bottom.
        EXPECT_NEAR(x0 / double(kDpi) * 2.54 + left - kLine / 2, 1.0, 0.01);
        EXPECT_NEAR(y0 / double(kDpi) * 2.54 + bottom + kLine / 2, height - 1.0, 0.01);
    }
}

TEST(KitExport, SheetMarksStayFiveMillimetresInside)
{
    constexpr int kDpi = 254; // 100 px a cm
    testing_support::TempDir dir;
    const struct
    {
        std::vector<std::string> args;
    } rows[] = {
        {{"gores", "--k", "all", "--plates", "north", "--paper", "a4"}},             // packed sheets
        {{"gores", "--radius", "40", "--paper", "letter"}},                          // tiles
        {{"faces", "--face", "all", "--paper", "a3", "--layers", "marks,print"}},    // long labels
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args[1] + " " + row.args[2]);
        const auto pdf = dir.path() / "marks.pdf";
        std::vector<std::string> args = row.args;
        for (const char* a : {"-o", "", "-q"})
            args.push_back(a);
        args[args.size() - 2] = pdf.string();
        ASSERT_EQ(exportWith(args).status, 0);
        for (int page = 1; page <= 2; ++page) {
            const render_test::Grey g = render_test::renderPdfPage(pdf.string(), page, kDpi);
            ASSERT_GT(g.width, 0);
            int nearest = 1 << 30, ink = 0;
            for (int y = 0; y < g.height; ++y)
                for (int x = 0; x < g.width; ++x)
                    if (g.at(x, y) < 250) {
                        ++ink;
                        nearest = std::min({nearest, x, y, g.width - 1 - x, g.height - 1 - y});
                    }
            EXPECT_GT(ink, 1000);
            EXPECT_GE(nearest, 50) << "page " << page; // 5 mm
        }
    }
}

TEST(KitExport, PackingSavesSheets)
{
    struct Row
    {
        std::vector<std::string> args;
        int packed, apart; ///< sheets, counted by hand
    };
    // Default globe: a half gore with its tabs and bleed is 17.7 × 11.9 cm, a plate 10.8 cm
    // square (its sides as long as the gores' tops); A4 portrait holds 19 × 22.1 cm above its
    // footer: one gore a sheet, the plates, too tall for the 10.2 cm under a gore, on a sheet of
    // their own. Apart, each template takes a sheet.
    // n = 12: a half gore is 17.7 × 8.1 cm, two a sheet; the plates, 9.6 cm square, share a
    // sheet of their own. Apart, a gore (22.4 cm long) takes landscape, a plate a sheet.
    const Row rows[] = {
        {{"gores", "--k", "all", "--hemisphere", "both", "--plates", "both"}, 17, 18},
        {{"gores", "--n", "12", "--k", "all", "--hemisphere", "both", "--plates", "both"}, 13, 26},
    };
    testing_support::TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args[2]);
        const TemplateList t = draw(row.args);
        const auto pdf = (dir.path() / "packed.pdf").string();
        EXPECT_EQ(writePdf(t, pdf, SheetOptions{paperNamed("a4"), true, kKit.bleed, allLayerKinds()}), row.packed);
        EXPECT_EQ(writePdf(t, pdf, SheetOptions{paperNamed("a4"), false, kKit.bleed, allLayerKinds()}), row.apart);
    }
}

TEST(KitExport, StarPositionsAreNotReadOnceSharedOut)
{
    // The export frees the positions when told they are shared out: spoiling them then instead
    // must leave every template as drawn from the intact catalogue.
    for (const char* k : {"all", "3"}) {
        SCOPED_TRACE(k);
        const ExportOptions o = options({"gores", "--k", k, "--hemisphere", "both", "--plates", "both"});
        const TemplateList expected = drawGoreTemplates(o.gore, kCatalogue, kKit);
        stars::StarCatalogue catalogue = stars::ReadStarFile(kCatalogue);
        int told = 0;
        const DrawingWork work{2, {}, [&] {
                                   ++told;
                                   for (stars::Star& s : catalogue.stars)
                                       s = {s.Lambda + 180.0, -s.Phi, s.Vmag};
                               }};
        TemplateList drawn;
        drawGoreTemplates(o.gore, catalogue, kCatalogue, [&](TemplateDrawing&& t) { drawn.push_back(std::move(t)); },
                          kKit, {}, {}, work);
        EXPECT_EQ(told, 1);
        ASSERT_EQ(drawn.size(), expected.size());
        for (std::size_t i = 0; i < drawn.size(); ++i)
            EXPECT_TRUE(svgDocument(drawn[i].scene) == svgDocument(expected[i].scene)) << drawn[i].name;
    }
}

TEST(KitExport, WholeGoresAreNamedFromTheTextsAsTyped)
{
    KitFinish whole = kKit;
    whole.wholeGores = true;
    const TemplateList t = draw({"gores", "--n", "8.0", "--k", "2", "--magnification", "20", "--plates", "north"}, whole);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].name, "N8.0_K2_Whole_Vb8.5_Sr2.5_Ss20_13cm");
    EXPECT_EQ(t[1].name, "N8.0_K2_PlateN_Vb8.5_Sr2.5_Ss20_13cm");
}

TEST(KitExport, TabsWiderThanThePiecesAreRefusedOfTheRadius)
{
    // The command line names --radius; a window names the radius box by its caption and words the
    // reason without the command line's options.
    for (const char* subject : {"gores", "faces"}) {
        SCOPED_TRACE(subject);
        try {
            draw({subject, "--radius", "0.5"}, KitFinish{{true, 0.7}, false, 0.2});
            ADD_FAILURE() << "accepted";
        } catch (const text::InputError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("option --radius \"0.5\": the 7 mm tabs are wider than", 0), 0u)
                << e.what();
            EXPECT_EQ(e.input(), text::Input::SphereRadius);
            for (const text::Language language : {text::Language::English, text::Language::Japanese, text::Language::Spanish}) {
                const std::string reason = e.reasonText().in(language);
                EXPECT_EQ(reason.find("--"), std::string::npos) << reason;
            }
        }
    }
}

TEST(KitExport, NonsenseKitValuesAreRefusedByOption)
{
    struct Row
    {
        std::vector<std::string> args;
        int status;
        std::string mention;
    };
    const Row rows[] = {
        {{"gores", "--tab-width", "-3"}, 1, "option --tab-width \"-3\""},
        {{"gores", "--tab-width", "0"}, 1, "option --tab-width \"0\""},
        {{"gores", "--tab-width", "wide"}, 1, "option --tab-width \"wide\""},
        {{"gores", "--tab-width", "120"}, 1, "option --tab-width \"120\": 120 mm tabs are wider than the gores"},
        {{"faces", "--tab-width", "80"}, 1, "option --tab-width \"80\": 80 mm tabs are wider than face 1"},
        {{"gores", "--bleed", "-1"}, 1, "option --bleed \"-1\""},
        {{"gores", "--bleed", "12"}, 1, "option --bleed \"12\""},
        {{"gores", "--layers", "cut,stars"}, 2, "option --layers: \"stars\""},
        {{"gores", "--layers", ""}, 2, "option --layers: \"\""},
        {{"gores", "--pack", "maybe", "--paper", "a4"}, 2, "option --pack: \"maybe\""},
        {{"gores", "--pack", "on"}, 2, "option --pack:"},
        {{"gores", "--format", "bmp", "--tabs", "off"}, 2, "option --tabs is for --format svg or pdf"},
        {{"faces", "--whole-gores"}, 2, "option --whole-gores belongs to gores"},
    };
    testing_support::TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mention);
        std::vector<std::string> args = row.args;
        args.push_back("-o");
        args.push_back((dir.path() / "refused.pdf").string());
        const ExportRun r = exportWith(args);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err.rfind("orbweave-export: " + row.mention, 0), 0u) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "refused.pdf"));
    }
}
