// Sky layers on gores and polar plates: figures on the stars' own projection, clipped at the
// cut, meeting across seams; each label once over the globe, upright and inside its piece.
#include "gore/gore_draw.h"
#include "gore/gore_outline.h"
#include "gore/gore_scene.h"
#include "gore/gore_sky.h"
#include "sky/label_box.h"
#include "sky/sky_data.h"
#include "stars/angles.h"
#include "stars/star_catalogue.h"

#include "sky_labels_once.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace gore;

namespace {

const std::string kStars = ORBWEAVE_DATA_DIR "/bright-stars.csv";
const std::string kSky = ORBWEAVE_DATA_DIR "/sky";

/// How close a figure's vertex must land on its star's dot, and lines meet across a seam, cm.
constexpr double kOnStarCm = 0.01;
constexpr double kSeamCm = 0.005;
/// Rounding allowed where a clipped line ends on the cut, cm.
constexpr double kOnCutCm = 1e-6;

const stars::StarCatalogue& catalogue()
{
    static const stars::StarCatalogue c = stars::ReadStarFile(kStars);
    return c;
}

sky::SkyRequest everything(sky::Language language = sky::Language::Latin)
{
    sky::SkyLayerOptions o;
    o.figures = o.names = o.boundaries = o.ecliptic = true;
    o.gridStep = 10;
    o.starNameLimit = 1.5;
    o.language = language;
    return {o, std::make_shared<const sky::SkyData>(sky::loadSkyData(kSky, o))};
}

/// One template of a globe and what it was drawn from.
struct Piece
{
    GoreDrawPlan plan;
    StarTarget target = StarTarget::Gore; ///< Gore, Plate or SouthPlate
    scene::Scene scene;
    bool whole = false; ///< a gore pole to pole, finished as a piece of a kit
};

float snapped(double cm) { return canvas::snapSide(static_cast<float>(cm)); }

/// Every gore of both halves as the window draws them, or with `whole` every gore pole to pole
/// as a piece of a kit; then the plates.
std::vector<Piece> wholeGlobe(GoreParameters p, const sky::SkyRequest& sky, bool whole = false)
{
    std::vector<Piece> pieces;
    for (int hemisphere : whole ? std::vector<int>{1} : std::vector<int>{1, 0})
        for (int k = 1; k <= p.n; ++k) {
            p.k = static_cast<std::int16_t>(k);
            p.hemisphere = hemisphere;
            Piece g{planGoreDraw(p, catalogue(), kStars), StarTarget::Gore, {}, whole};
            g.plan.sky = sky;
            const GoreLayout& layout = g.plan.layout;
            g.scene = whole ? buildGoreScene(g.plan, snapped(wholeGoreWidth(layout)), snapped(layout.requestedHeight),
                                             GoreKit{{true, kit::kDefaultTabWidth}, true, false})
                            : buildGoreScene(g.plan, snapped(layout.requestedWidth), snapped(layout.requestedHeight));
            pieces.push_back(std::move(g));
        }
    for (StarTarget plate : {StarTarget::Plate, StarTarget::SouthPlate}) {
        if (plate == StarTarget::SouthPlate && p.southPlate != 1)
            continue;
        Piece c{pieces.front().plan, plate, {}, false};
        const float side = snapped(c.plan.plate.side);
        c.scene = whole ? buildPlatePiece(c.plan, plate, side, side) : buildPlateScene(c.plan, plate, side, side, true);
        pieces.push_back(std::move(c));
    }
    return pieces;
}

GoreParameters globeParameters(bool epsilon)
{
    GoreParameters p;
    p.epsilonCorrection = epsilon;
    p.northPlate = true; // both plates drawn: the gores end at ±B
    p.southPlate = 1;
    return p;
}

template <typename Item, typename F>
void forEach(const scene::Scene& s, F f)
{
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            if (const Item* i = scene::itemIf<Item>(&item))
                f(*i);
}

/// Where the equator crosses a gore's template, cm: as the gore's stars count from it.
double equatorX(const Piece& piece)
{
    return piece.whole ? piece.scene.width / 2 : piece.plan.params.hemisphere == 1 ? 2.0 : piece.scene.width - 2.0;
}

/// How far `q` (cm) lies beyond a gore's curved edge (negative within), from the layout alone.
double beyondEdge(const Piece& piece, scene::Point q)
{
    const GoreParameters& p = piece.plan.params;
    const double halfWidth =
        p.sphereRadius * std::tan(stars::PiValue / p.n) * std::cos((q.x - equatorX(piece)) / p.sphereRadius);
    return std::fabs(q.y - piece.scene.height / 2) - halfWidth;
}

/// Whether `q` (cm) lies within the piece: the half (or whole) gore up to the plates' boundary,
/// or the plate's n-gon.
bool inPiece(const Piece& piece, scene::Point q, double slack)
{
    const GoreParameters& p = piece.plan.params;
    const double B = p.plateBoundary * stars::DegreeFactor, R = p.sphereRadius;
    if (piece.target != StarTarget::Gore) {
        // The regular n-gon whose sides touch the circle R·cos B round the pole.
        const std::vector<scene::Point> ngon = plateCutOutline(piece.plan, piece.scene.width, piece.scene.height);
        const scene::Point c{piece.scene.width / 2, piece.scene.height / 2};
        for (std::size_t i = 0; i < ngon.size(); ++i) {
            const scene::Point a = ngon[i], b = ngon[(i + 1) % ngon.size()];
            const scene::Point mid{(a.x + b.x) / 2 - c.x, (a.y + b.y) / 2 - c.y};
            const double apothem = std::hypot(mid.x, mid.y);
            EXPECT_NEAR(apothem, R * std::cos(B), 1e-9);
            if (((q.x - c.x) * mid.x + (q.y - c.y) * mid.y) / apothem > apothem + slack)
                return false;
        }
        return true;
    }
    const double phiPrime = (q.x - equatorX(piece)) / R;
    const double south = piece.whole || p.hemisphere == 0 ? -B : 0.0, north = piece.whole || p.hemisphere == 1 ? B : 0.0;
    const bool inLatitude = phiPrime >= south - slack / R && phiPrime <= north + slack / R;
    return inLatitude && beyondEdge(piece, q) <= slack;
}

} // namespace

TEST(GoreSky, FigureVerticesLandOnTheirStars)
{
    struct Row { const char* star; double lambda, phi; StarTarget target; int k, hemisphere; };
    const Row rows[] = {
        {"Betelgeuse", 88.7929, 7.4071, StarTarget::Gore, 2, 1},
        {"Rigel", 78.6345, -8.2016, StarTarget::Gore, 2, 0},
        {"Polaris", 37.9545, 89.2641, StarTarget::Plate, 1, 1},
        {"Acrux", 186.6496, -63.0991, StarTarget::Gore, 5, 0},
        {"Acrux on the south plate", 186.6496, -63.0991, StarTarget::SouthPlate, 5, 0},
    };
    sky::SkyRequest sky = everything();
    sky.layers = {};
    sky.layers.figures = true;
    for (bool epsilon : {true, false})
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.star) + (epsilon ? ", ε on" : ", ε off"));
            GoreParameters p = globeParameters(epsilon);
            p.k = static_cast<std::int16_t>(r.k);
            p.hemisphere = r.hemisphere;
            p.southPlate = r.target == StarTarget::SouthPlate ? 1 : 0;
            if (r.target == StarTarget::SouthPlate)
                p.plateBoundary = 60;
            GoreDrawPlan plan = planGoreDraw(p, catalogue(), kStars);
            plan.sky = sky;
            const scene::Scene s =
                r.target == StarTarget::Gore
                    ? buildGoreScene(plan, snapped(plan.layout.requestedWidth), snapped(plan.layout.requestedHeight))
                    : buildPlateScene(plan, r.target, snapped(plan.plate.side), snapped(plan.plate.side), true);
            // The catalogue's own entry of the star, as the figure file gives it to 0.002°.
            std::optional<scene::Point> dot;
            forEach<scene::Dot>(s, [&](const scene::Dot& d) {
                const stars::Star& star = catalogue().stars[static_cast<std::size_t>(d.index)];
                if (d.role == scene::Role::Star && std::fabs(star.Lambda - r.lambda) < 0.002
                    && std::fabs(star.Phi - r.phi) < 0.002)
                    dot = d.centre;
            });
            ASSERT_TRUE(dot);
            double nearest = 1e9;
            forEach<scene::Path>(s, [&](const scene::Path& path) {
                for (const auto& run : path.runs)
                    for (const scene::Point& q : run)
                        if (path.role == scene::Role::ConstellationLine)
                            nearest = std::min(nearest, std::hypot(q.x - dot->x, q.y - dot->y));
            });
            EXPECT_LT(nearest, kOnStarCm);
        }
}

TEST(GoreSky, LinesStayWithinTheirPieceAndMeetAcrossSeams)
{
    const struct { bool epsilon, whole; } rows[] = {{true, false}, {false, false}, {false, true}};
    for (const auto& row : rows) {
        const bool epsilon = row.epsilon;
        SCOPED_TRACE(std::string(epsilon ? "ε on" : "ε off") + (row.whole ? ", whole gores" : ", halves"));
        const GoreParameters p = globeParameters(epsilon);
        const std::vector<Piece> globe = wholeGlobe(p, everything(), row.whole);
        // Ends of figure lines on the lower (larger-longitude) and upper edge of each gore, by x.
        std::vector<std::vector<double>> lowerEnds(globe.size()), upperEnds(globe.size());
        for (std::size_t i = 0; i < globe.size(); ++i) {
            const Piece& piece = globe[i];
            forEach<scene::Path>(piece.scene, [&](const scene::Path& path) {
                if (path.role < scene::Role::GridLine)
                    return;
                for (const auto& run : path.runs) {
                    for (const scene::Point& q : run)
                        ASSERT_TRUE(inPiece(piece, q, kOnCutCm))
                            << scene::roleName(path.role) << " piece " << i << ": " << q.x << ", " << q.y;
                    if (path.role != scene::Role::ConstellationLine || piece.target != StarTarget::Gore)
                        continue;
                    for (const scene::Point& end : {run.front(), run.back()})
                        if (std::fabs(beyondEdge(piece, end)) < kOnCutCm)
                            (end.y > piece.scene.height / 2 ? lowerEnds : upperEnds)[i].push_back(end.x);
                }
            });
        }
        if (epsilon)
            continue; // ε moves points off the meridians the edges stand for: only the plain projection is seamless
        const std::size_t n = static_cast<std::size_t>(p.n);
        std::size_t ends = 0;
        for (const auto& e : lowerEnds)
            ends += e.size();
        EXPECT_GT(ends, 50u);
        const std::size_t gores = row.whole ? n : 2 * n;
        for (std::size_t i = 0; i < gores; ++i) {
            const std::size_t next = (i % n + 1) % n + (i < n ? 0 : n);
            SCOPED_TRACE("gore " + std::to_string(i % n + 1) + (row.whole ? "" : i < n ? " north" : " south"));
            EXPECT_EQ(lowerEnds[i].size(), upperEnds[next].size());
            for (double x : lowerEnds[i]) {
                double nearest = 1e9;
                for (double y : upperEnds[next])
                    nearest = std::min(nearest, std::fabs(x - y));
                EXPECT_LT(nearest, kSeamCm) << x;
            }
        }
    }
}

TEST(GoreSky, EachLabelOnceOverTheGlobeUprightAndInsideItsPiece)
{
    const struct { sky::Language language; bool whole; } rows[] = {
        {sky::Language::Latin, false}, {sky::Language::Japanese, false}, {sky::Language::English, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.whole ? "whole gores, kit" : "halves");
        const sky::SkyRequest sky = everything(row.language);
        const std::vector<Piece> globe = wholeGlobe(globeParameters(true), sky, row.whole);
        LabelsOnce labels;
        for (const Piece& piece : globe) {
            std::vector<scene::Text> own; // the kit's labels of the piece, and its gore's or plate's
            forEach<scene::Text>(piece.scene, [&](const scene::Text& t) {
                if (t.role < scene::Role::GridLine)
                    own.push_back(t);
            });
            forEach<scene::Text>(piece.scene, [&](const scene::Text& t) {
                if (t.role < scene::Role::GridLine)
                    return;
                for (const scene::Text& o : own)
                    EXPECT_FALSE(sky::boxesOverlap(sky::labelBox(t), sky::labelBox(o))) << t.text << " on " << o.text;
                labels.count(t);
                for (const scene::Point& c : sky::labelBox(t))
                    EXPECT_TRUE(inPiece(piece, {c.x, c.y}, 0.0)) << t.text;
                // Upright with north up: on a gore north is +x on paper (the meridians lean by less than 25°).
                if (piece.target == StarTarget::Gore) {
                    EXPECT_GT(std::cos((t.rotationDeg - 90.0) * stars::DegreeFactor), std::cos(25.0 * stars::DegreeFactor))
                        << t.text;
                }
            });
        }
        labels.expectEachOnce(*sky.data);
    }
}

TEST(GoreSky, EclipticCrossesTheEquatorAtZeroAndOneEightyDegrees)
{
    GoreParameters p = globeParameters(true);
    p.n = 5; // λ 180° falls on a central meridian, λ 0° on a seam
    sky::SkyRequest sky = everything();
    sky.layers = {};
    sky.layers.ecliptic = true;
    std::map<long, int> crossings;
    for (const Piece& piece : wholeGlobe(p, sky)) {
        if (piece.target != StarTarget::Gore)
            continue;
        const double E = piece.plan.params.hemisphere == 1 ? 2.0 : piece.scene.width - 2.0;
        forEach<scene::Path>(piece.scene, [&](const scene::Path& path) {
            if (path.role != scene::Role::Ecliptic || path.index != -1)
                return;
            for (const auto& run : path.runs)
                for (const scene::Point& end : {run.front(), run.back()})
                    if (std::fabs(end.x - E) < kOnCutCm) {
                        // On the equator the across value is tan Δλ.
                        const double lambda = piece.plan.layout.centralLongitude
                                              + std::atan((end.y - piece.scene.height / 2) / p.sphereRadius) / stars::DegreeFactor;
                        const double wrapped = std::fmod(lambda + 360.0, 360.0);
                        EXPECT_TRUE(std::fabs(wrapped - 180.0) < 1e-6 || std::fabs(std::remainder(wrapped, 360.0)) < 1e-6)
                            << wrapped;
                        ++crossings[std::lround(wrapped) % 360];
                    }
        });
    }
    EXPECT_GT(crossings[0], 0);
    EXPECT_GT(crossings[180], 0);
}
