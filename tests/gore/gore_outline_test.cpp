#include "gore/gore_draw.h"
#include "gore/gore_outline.h"
#include "gore/gore_tiling.h"
#include "gore/kit_stars.h"
#include "stars/angles.h"
#include "stars/star_catalogue.h"

#include "kit/convex_overlap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace gore;
using stars::DegreeFactor;

namespace {

constexpr double kHundredthMillimetre = 0.001; // cm
constexpr double kSnug = 1e-9;             // cm: rounding only

struct Kit
{
    int n;
    double boundary;
};

const Kit kKits[] = {{3, 60}, {3, 70}, {8, 60}, {8, 70}, {12, 60}, {12, 70}};

GoreParameters parameters(const Kit& kit, int k, double radius, int hemisphere)
{
    GoreParameters p;
    p.n = static_cast<std::int16_t>(kit.n);
    p.k = static_cast<std::int16_t>(k);
    p.sphereRadius = radius;
    p.plateBoundary = kit.boundary;
    p.hemisphere = hemisphere;
    p.northPlate = true;
    p.southPlate = 1;
    return p;
}

/// How far `p` lies beyond the n-gon round the origin (negative inside): the most past any side.
double beyondNgon(const std::vector<scene::Point>& ngon, scene::Point p)
{
    double worst = -1e300;
    for (std::size_t i = 0; i < ngon.size(); ++i) {
        const scene::Point& a = ngon[i];
        const scene::Point& b = ngon[(i + 1) % ngon.size()];
        const auto across = [&](scene::Point q) {
            return ((q.x - a.x) * (b.y - a.y) - (q.y - a.y) * (b.x - a.x)) / std::hypot(b.x - a.x, b.y - a.y);
        };
        // The origin lies inside: measure away from it.
        worst = std::max(worst, across({0, 0}) < 0 ? across(p) : -across(p));
    }
    return worst;
}

} // namespace

TEST(GoreOutline, KitGoreEndsAreStraight)
{
    // A gore half's equator end lies exactly on x = 0 and its top exactly on one x, whatever the
    // rounding of the sampled latitudes: the pieces beyond are told from where these ends lie.
    for (const Kit& kit : kKits)
        for (const double radius : {13.0, 30.0})
            for (const int hemisphere : {1, 0}) {
                SCOPED_TRACE(testing::Message() << "n " << kit.n << ", B " << kit.boundary << ", R " << radius
                                                << ", hemisphere " << hemisphere);
                const GoreParameters p = parameters(kit, 1, radius, hemisphere);
                const kit::Polygon outline = kitGoreOutline(p, makeGoreTiling(p, false), hemisphere);
                const auto [lowest, highest] = std::minmax_element(
                    outline.begin(), outline.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
                const double top = hemisphere == 1 ? highest->x : lowest->x;
                int atEquator = 0, atTop = 0;
                for (const scene::Point& c : outline) {
                    atEquator += c.x == 0.0;
                    atTop += c.x == top;
                    if (std::fabs(c.x) < kSnug)
                        EXPECT_EQ(c.x, 0.0);
                }
                EXPECT_EQ(atEquator, 2);
                EXPECT_EQ(atTop, 2);
            }
}

TEST(GoreOutline, PlateSidesAreAsWideAsTheGoresCuts)
{
    for (const Kit& kit : kKits)
        for (const double radius : {13.0, 80.0})
            for (const int hemisphere : {1, 0}) {
                SCOPED_TRACE(std::to_string(kit.n) + " gores, B " + std::to_string(kit.boundary) + ", R "
                             + std::to_string(radius) + (hemisphere ? " north" : " south"));
                const GoreDrawPlan plan = planGoreDraw(parameters(kit, 2, radius, hemisphere), {}, "none");
                const double W = plan.layout.requestedWidth, H = plan.layout.requestedHeight;
                const std::vector<scene::Point> gore = goreCutOutline(plan, W, H);
                // The straight cut: the two outline points at x = E ± R·B, one each side of the centre line.
                const double E = hemisphere ? 2.0 : W - 2.0;
                const double cutX = E + (hemisphere ? 1 : -1) * radius * kit.boundary * DegreeFactor;
                std::vector<scene::Point> cut;
                for (const scene::Point& q : gore)
                    if (std::fabs(q.x - cutX) < kSnug * radius)
                        cut.push_back(q);
                ASSERT_EQ(cut.size(), 2u);
                const double cutWidth = std::fabs(cut[0].y - cut[1].y);
                EXPECT_NEAR(cutWidth, 2 * radius * std::tan(M_PI / kit.n) * std::cos(kit.boundary * DegreeFactor),
                            kSnug * radius);

                const std::vector<scene::Point> plate = plateCutOutline(plan, 30, 30);
                ASSERT_EQ(plate.size(), static_cast<std::size_t>(kit.n));
                for (std::size_t i = 0; i < plate.size(); ++i) {
                    const scene::Point& a = plate[i];
                    const scene::Point& b = plate[(i + 1) % plate.size()];
                    EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), cutWidth, kHundredthMillimetre);
                    // Side i + 1 stands R·cos B from the pole, square to gore i + 1's central meridian.
                    const double lambda = (360.0 / kit.n * static_cast<double>(i) + 180.0 / kit.n) * DegreeFactor;
                    const scene::Point mid{(a.x + b.x) / 2 - 15, (a.y + b.y) / 2 - 15};
                    EXPECT_NEAR(mid.x, radius * std::cos(kit.boundary * DegreeFactor) * std::cos(lambda), 1e-9 * radius);
                    EXPECT_NEAR(mid.y, -radius * std::cos(kit.boundary * DegreeFactor) * std::sin(lambda), 1e-9 * radius);
                }
            }
}

TEST(GoreOutline, PlateStarsLieOnThePlate)
{
    const stars::StarCatalogue catalogue = stars::ReadStarFile(ORBWEAVE_DATA_DIR "/bright-stars.csv");
    for (const Kit& kit : kKits)
        for (const bool epsilon : {false, true}) {
            SCOPED_TRACE(std::to_string(kit.n) + " gores, B " + std::to_string(kit.boundary)
                         + (epsilon ? ", epsilon correction" : ""));
            std::size_t onPlate = 0;
            for (int k = 1; k <= kit.n; ++k) {
                GoreParameters p = parameters(kit, k, 13, 1);
                p.epsilonCorrection = epsilon;
                const GoreDrawPlan plan = planGoreDraw(p, catalogue, "bright-stars.csv");
                const std::vector<scene::Point> ngon = plateCutOutline(plan, 0, 0);
                for (const StarPlacement& s : plan.stars) {
                    if (s.target != StarTarget::Plate)
                        continue;
                    ++onPlate;
                    const stars::Star& star = catalogue.stars[s.index];
                    const double beyond = beyondNgon(ngon, {s.offset.x, s.offset.y});
                    if (!epsilon) {
                        EXPECT_LT(beyond, 0.0) << "star " << s.index + 1;
                        continue;
                    }
                    // The correction only approximates where the sphere's centre sees a star on its gore's
                    // cylinder, atan(tan φ / cos Δλ) from the nearest central meridian; the n-gon is exact
                    // for that, so a star past the n-gon is one the correction carried past the cut.
                    const double wedge = 360.0 / kit.n;
                    const double nearest = std::floor(star.Lambda / wedge) * wedge + wedge / 2;
                    const double seen = std::atan(std::tan(star.Phi * DegreeFactor)
                                                  / std::cos((star.Lambda - nearest) * DegreeFactor));
                    if (seen > kit.boundary * DegreeFactor)
                        EXPECT_LT(beyond, kSnug) << "star " << s.index + 1;
                    else
                        EXPECT_GT(beyond, -kSnug) << "star " << s.index + 1;
                }
            }
            EXPECT_GT(onPlate, 100u);
        }
}

TEST(GoreOutline, TabsKeepOffTheirGoreAndEachOther)
{
    struct Piece
    {
        const char* name;
        int hemisphere;
        bool whole, plates;
        std::size_t tabs; ///< edge, plate cut(s), equator
    };
    const Piece pieces[] = {
        {"northern half", 1, false, true, 3},    {"southern half", 0, false, true, 3},
        {"whole gore", 1, true, true, 3},        {"whole gore, no plates", 1, true, false, 1},
        {"northern half, no plate", 1, false, false, 2},
    };
    for (const Kit& kit : kKits)
        for (const Piece& piece : pieces) {
            SCOPED_TRACE(std::to_string(kit.n) + " gores, B " + std::to_string(kit.boundary) + ", " + piece.name);
            GoreParameters p = parameters(kit, 1, 13, piece.hemisphere);
            p.northPlate = piece.plates;
            p.southPlate = piece.plates ? 1 : 0;
            const GoreDrawPlan plan = planGoreDraw(p, {}, "none");
            const double W = piece.whole ? wholeGoreWidth(plan.layout) : plan.layout.requestedWidth;
            GoreTabs tabs{0.7, true, true, true};
            const kit::TabbedOutline t =
                kit::addGlueTabs(goreOutlineEdges(gorePiece(plan, W, plan.layout.requestedHeight, piece.whole), tabs),
                                 tabs.width);
            ASSERT_EQ(t.tabs.size(), piece.tabs);
            for (std::size_t i = 0; i < t.tabs.size(); ++i) {
                EXPECT_LT(testing_support::sharedArea(t.tabs[i], t.piece), 1e-9) << "tab " << i;
                for (std::size_t j = i + 1; j < t.tabs.size(); ++j)
                    EXPECT_LT(testing_support::sharedArea(t.tabs[j], t.tabs[i]), 1e-9) << "tabs " << i << ", " << j;
            }
        }
}
