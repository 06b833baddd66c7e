// The kit tiles the sky: every star of the file on exactly one piece, or halved across a cut.
#include "qt_app.h"

#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "kit/polygon.h"
#include "stars/star_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace exporter;

namespace {

const std::string kCatalogue = ORBWEAVE_DATA_DIR "/bright-stars.csv";

/// Pieces without tabs, so that each cut outline is the piece itself.
const KitFinish kNoTabs{{true, 0.0}, false, 0.2};

/// How near a centre lies to a cut when it lies on it, cm: the cut is a chain of chords of a curve.
constexpr double kOnCut = 1e-5;
/// Dots on paper are at least this large (as every renderer prints them), cm.
constexpr double kMinPrintRadius = 2.54 / 96.0 / 2.0;

/// The bundled catalogue with every third star's longitude moved by a whole turn, up or down.
std::string shiftedCatalogue()
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "orbweave-shifted-stars.csv";
    const stars::StarCatalogue c = stars::ReadStarFile(kCatalogue);
    std::ofstream out(path);
    out.precision(17);
    for (std::size_t i = 0; i < c.stars.size(); ++i) {
        const double shift = i % 3 == 0 ? 360.0 : i % 3 == 1 ? -360.0 : 0.0;
        out << c.stars[i].Lambda + shift << ',' << c.stars[i].Phi << ',' << c.stars[i].Vmag << '\n';
    }
    return path.string();
}

struct DotOnPiece
{
    const scene::Dot* dot;
    const scene::Scene* scene;
};

std::vector<scene::Point> cutOutline(const scene::Scene& s)
{
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            if (const auto* p = scene::itemIf<scene::Path>(&item); p && p->role == scene::Role::CutOutline)
                return p->runs.front();
    return {};
}

/// What a kit buyer finds of each star brighter than `faintest` once the pieces are cut out:
/// a star is right when it prints whole on one piece, its dot inside the cut, or clipped on two
/// pieces or more, each part crossing its piece's cut and one holding the centre (or the centre on the cut).
struct Census
{
    int right = 0, lost = 0, doubled = 0, stray = 0;
    std::string first; ///< the first star found wrong
};

Census census(const TemplateList& templates, const stars::StarCatalogue& c, double faintest)
{
    std::map<std::int64_t, std::vector<DotOnPiece>> dots;
    std::vector<std::vector<scene::Point>> outlines;
    for (const TemplateDrawing& t : templates)
        for (const scene::Layer& layer : t.scene.layers)
            for (const scene::Item& item : layer.items)
                if (const auto* d = std::get_if<scene::Dot>(&item); d && d->role == scene::Role::Star)
                    dots[d->index].push_back({d, &t.scene});
    Census out;
    const auto wrong = [&out](int& counter, std::size_t i, const std::string& what) {
        ++counter;
        if (out.first.empty())
            out.first = "star " + std::to_string(i + 1) + ": " + what;
    };
    for (std::size_t i = 0; i < c.stars.size(); ++i) {
        if (!(faintest - c.stars[i].Vmag > 0))
            continue;
        const auto found = dots.find(static_cast<std::int64_t>(i));
        if (found == dots.end()) {
            wrong(out.lost, i, "on no piece");
            continue;
        }
        int whole = 0, clipped = 0, centres = 0, strays = 0;
        for (const DotOnPiece& d : found->second) {
            const std::vector<scene::Point> cut = cutOutline(*d.scene);
            const double r = std::max(d.dot->radius, kMinPrintRadius);
            const bool inside = kit::contains(cut, d.dot->centre);
            const double toCut = kit::distanceToOutline(cut, d.dot->centre);
            if (d.dot->clip < 0) {
                ++whole;
                strays += !inside || toCut < r - 1e-9;
            } else {
                ++clipped;
                centres += inside || toCut < kOnCut; // a centre on the cut belongs to both halves
                strays += toCut >= r + 1e-9;
            }
        }
        if (strays)
            wrong(out.stray, i, "a dot crosses its cut unclipped, or a clipped dot misses its cut");
        else if (whole == 1 && clipped == 0)
            ++out.right;
        else if (whole == 0 && clipped >= 2 && centres >= 1)
            ++out.right;
        else if (whole + clipped == 0 || (whole == 0 && centres == 0))
            wrong(out.lost, i, "no piece holds its centre");
        else
            wrong(out.doubled, i, std::to_string(whole) + " whole, " + std::to_string(clipped) + " clipped, "
                                      + std::to_string(centres) + " centres");
    }
    return out;
}

} // namespace

TEST(KitTiling, EveryGoreKitStarOnceOrHalvedAcrossACut)
{
    const std::string shifted = shiftedCatalogue();
    struct Row
    {
        std::string n, boundary, radius;
        bool epsilon, whole;
        std::string stars = kCatalogue;
        std::string magnification = "10";
    };
    std::vector<Row> rows;
    for (const char* n : {"3", "8", "12", "24"})
        for (const char* b : {"60", "70", "80"})
            for (const bool epsilon : {true, false})
                rows.push_back({n, b, std::string(n) == "3" ? "30" : "13", epsilon, false});
    rows.push_back({"8", "70", "13", true, true});
    rows.push_back({"3", "60", "30", false, true});
    rows.push_back({"8", "70", "13", true, false, shifted});
    rows.push_back({"12", "80", "13", false, true, shifted});
    rows.push_back({"8", "70", "13", true, false, kCatalogue, "1000"}); // dots larger than whole pieces
    for (const Row& row : rows) {
        SCOPED_TRACE("n " + row.n + ", B " + row.boundary + ", R " + row.radius + (row.epsilon ? ", ε on" : ", ε off")
                     + (row.whole ? ", whole gores" : "") + (row.stars == shifted ? ", shifted longitudes" : "")
                     + ", magnification " + row.magnification);
        GoreOptions o;
        o.n = row.n;
        o.k = "all";
        o.boundary = row.boundary;
        o.radius = row.radius;
        o.epsilon = row.epsilon;
        o.magnification = row.magnification;
        o.north = o.south = true;
        o.northPlate = o.southPlate = true;
        KitFinish finish = kNoTabs;
        finish.wholeGores = row.whole;
        const TemplateList kit = drawGoreTemplates(o, row.stars, finish);
        const Census c = census(kit, stars::ReadStarFile(row.stars), 8.5);
        EXPECT_EQ(c.lost, 0) << c.first;
        EXPECT_EQ(c.doubled, 0) << c.first;
        EXPECT_EQ(c.stray, 0) << c.first;
        EXPECT_GT(c.right, 8000);
    }
}

TEST(KitTiling, EveryFaceKitStarOnceOrHalvedAcrossAnEdge)
{
    for (const std::string& model : bundledModels()) {
        SCOPED_TRACE(model);
        FaceOptions o;
        o.model = model;
        o.face = "all";
        // Each face's projection range reaches its farthest corner.
        o.range = model == "tetrahedron" ? "71" : model == "cube" || model == "octahedron" ? "55"
                  : model == "truncated-icosahedron"                                    ? "30"
                                                                                        : "38";
        const TemplateList kit = drawFaceTemplates(o, kCatalogue, kNoTabs);
        const Census c = census(kit, stars::ReadStarFile(kCatalogue), 7.0);
        EXPECT_EQ(c.lost, 0) << c.first;
        EXPECT_EQ(c.doubled, 0) << c.first;
        EXPECT_EQ(c.stray, 0) << c.first;
        EXPECT_GT(c.right, 2000);
    }
}
