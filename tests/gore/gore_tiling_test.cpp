// The kit's tiling of the sphere: which piece owns a sky point, and cuts that meet sky point to
// sky point, plate to gore, gore to gore, for stars and sky layers alike.
#include "gore/gore_outline.h"
#include "gore/gore_projection.h"
#include "gore/gore_scene.h"
#include "gore/gore_tiling.h"
#include "gore/kit_stars.h"
#include "sky/sky_data.h"
#include "stars/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace gore;

namespace {

constexpr double kDeg = stars::DegreeFactor;
/// Where glued cuts must meet, cm: a tenth of a millimetre for lengths, less for places.
constexpr double kLengthCm = 0.01;
constexpr double kMeetCm = 0.005;

GoreParameters kitParameters(int n, double boundary, bool epsilon, double radius = 13.0)
{
    GoreParameters p;
    p.n = static_cast<std::int16_t>(n);
    p.plateBoundary = boundary;
    p.epsilonCorrection = epsilon;
    p.sphereRadius = radius;
    p.northPlate = true;
    p.southPlate = 1;
    return p;
}

} // namespace

TEST(GoreTiling, OwnerIsDecidedInSkyCoordinates)
{
    using Kind = KitPiece::Kind;
    struct Row
    {
        double lambda, phi;
        bool epsilon;
        Kind kind;
        int k, hemisphere;
    };
    // n = 8, B = 70°. With ε on, at Δλ = 22.4° a star at 68.6° prints at φ′ = 2·68.6 −
    // atan(cos 22.4°·tan 68.6°) = 70.17° (plate), one at 68.0° at 69.61° (gore).
    const Row rows[] = {
        {10, 20, false, Kind::Gore, 1, 1},       {-10, 20, false, Kind::Gore, 8, 1},
        {370, 20, false, Kind::Gore, 1, 1},      {45, -1, false, Kind::Gore, 2, 0},
        {44.999, 0, false, Kind::Gore, 1, 1},    {359.9999, -30, true, Kind::Gore, 8, 0},
        {0, 71, false, Kind::NorthPlate, 1, 1},  {200, -71, false, Kind::SouthPlate, 5, 0},
        {44.9, 68.6, true, Kind::NorthPlate, 1, 1}, {44.9, 68.0, true, Kind::Gore, 1, 1},
        {44.9, 68.6, false, Kind::Gore, 1, 1},   {-315.1, -68.6, true, Kind::SouthPlate, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "λ " << row.lambda << ", φ " << row.phi << (row.epsilon ? ", ε" : ""));
        const GoreTiling t = makeGoreTiling(kitParameters(8, 70, row.epsilon), false);
        const KitPiece owner = ownerOf(t, row.lambda, row.phi);
        EXPECT_EQ(owner.kind, row.kind);
        EXPECT_EQ(owner.k, row.k);
        if (row.kind == Kind::Gore) {
            EXPECT_EQ(owner.hemisphere, row.hemisphere);
        }
    }
    // Pole to pole, and without plates, the gore takes everything of its sector.
    GoreParameters p = kitParameters(8, 70, true);
    p.northPlate = false;
    const KitPiece whole = ownerOf(makeGoreTiling(p, true), 100, 89);
    EXPECT_EQ(whole.kind, Kind::Gore);
    EXPECT_EQ(whole.k, 3);
    EXPECT_EQ(whole.hemisphere, -1);
}

TEST(GoreTiling, CutLatitudeIsWhereTheLatitudeCoordinateReachesTheBoundary)
{
    // The cut found independently: bisection in long double on φ′(φ) = 2φ − atan(|cos Δλ|·tan φ) = B.
    const auto bisected = [](double boundaryDeg, double dl) {
        const long double B = boundaryDeg * kDeg, c = std::fabs(std::cos(dl * kDeg));
        long double lo = 0, hi = B;
        for (int i = 0; i < 200; ++i) {
            const long double mid = (lo + hi) / 2;
            (2 * mid - std::atan(c * std::tan(mid)) > B ? hi : lo) = mid;
        }
        return static_cast<double>(lo);
    };
    constexpr double kTolerance = 1e-14; // radians: a few units in the last place
    const struct { int n; double boundary; } rows[] = {{3, 1}, {3, 60}, {5, 45}, {8, 70}, {12, 80}, {24, 89.5}, {40, 30}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "n " << row.n << ", B " << row.boundary);
        const GoreTiling t = makeGoreTiling(kitParameters(row.n, row.boundary, true), false);
        const double half = 180.0 / row.n;
        for (const double dl : {-half, -0.7 * half, -1e-6, 0.0, 1e-9, 0.25 * half, 0.999 * half, half})
            EXPECT_NEAR(cutLatitude(t, dl), bisected(row.boundary, dl), kTolerance) << "Δλ " << dl;
        EXPECT_EQ(cutLatitude(t, 0.0), row.boundary * kDeg);
    }
    // Without the correction the cut is the parallel B.
    const GoreTiling plain = makeGoreTiling(kitParameters(8, 70, false), false);
    EXPECT_EQ(cutLatitude(plain, 22.5), 70 * kDeg);
}

TEST(GoreTiling, PlateSidesMatchTheGoresTopsPointForPoint)
{
    const struct { int n; double boundary, radius; bool epsilon; } rows[] = {
        {8, 70, 13, true}, {8, 70, 13, false}, {3, 60, 13, true}, {3, 60, 30, false}, {12, 80, 13, true}, {24, 60, 13, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "n " << row.n << ", B " << row.boundary << ", R " << row.radius
                                        << (row.epsilon ? ", ε on" : ", ε off"));
        const GoreParameters p = kitParameters(row.n, row.boundary, row.epsilon, row.radius);
        const GoreTiling t = makeGoreTiling(p, false);
        // The gore's straight top: the two corners of its outline at x = R·B.
        const kit::Polygon gore = kitGoreOutline(p, t, 1);
        std::vector<scene::Point> top;
        for (const scene::Point& c : gore)
            if (std::fabs(c.x - t.R * t.boundary) < 1e-9)
                top.push_back(c);
        ASSERT_GE(top.size(), 2u);
        const double topLength = distance(top.front(), top.back());
        const kit::Polygon plate = kitPlateOutline(p, t);
        ASSERT_EQ(plate.size(), static_cast<std::size_t>(row.n));
        for (std::size_t j = 0; j < plate.size(); ++j)
            EXPECT_NEAR(distance(plate[j], plate[(j + 1) % plate.size()]), topLength, kLengthCm);
        // Cut points of gore 2 land as far from the middle of its top as from the middle of plate side 2.
        const int k = 2;
        const double centre = sectorCentre(t, k), half = 180.0 / row.n;
        const scene::Point a = plate[1], b = plate[2];
        const scene::Point mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
        const scene::Point along{(b.x - a.x) / distance(a, b), (b.y - a.y) / distance(a, b)}; // towards larger λ
        for (const double dl : {-half, -0.6 * half, -0.1 * half, 0.0, 0.3 * half, 0.9 * half, half}) {
            const double phi = cutLatitude(t, dl) / kDeg;
            const double onGore = t.R * std::tan(dl * kDeg) * std::cos(phi * kDeg);
            for (const bool south : {false, true}) {
                const scene::Point o = kitPlateOffset(t, centre + dl, south ? -phi : phi, south);
                // The southern plate is the northern one mirrored top to bottom.
                const scene::Point q{o.x, south ? -o.y : o.y};
                EXPECT_NEAR((q.x - mid.x) * along.x + (q.y - mid.y) * along.y, onGore, kMeetCm) << "Δλ " << dl;
                EXPECT_NEAR((q.x - mid.x) * along.y - (q.y - mid.y) * along.x, 0.0, kMeetCm) << "Δλ " << dl;
                const sky::SkyPoint back = kitPlateSkyPoint(t, o, south);
                EXPECT_NEAR(back.phi, south ? -phi : phi, 1e-7);
                EXPECT_NEAR(std::remainder(back.lambda - (centre + dl), 360.0), 0.0, 1e-7);
            }
        }
    }
}

TEST(GoreTiling, FigureLinesMeetThemselvesAcrossEveryCut)
{
    sky::SkyLayerOptions options;
    options.figures = true;
    const sky::SkyRequest request{options, std::make_shared<const sky::SkyData>(
                                               sky::loadSkyData(ORBWEAVE_DATA_DIR "/sky", options))};
    const struct { int n; double boundary, radius; bool epsilon, whole; } rows[] = {
        {8, 70, 13, true, false}, {8, 70, 13, false, true}, {3, 60, 30, true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "n " << row.n << (row.epsilon ? ", ε on" : ", ε off")
                                        << (row.whole ? ", whole gores" : ", halves"));
        const GoreParameters p = kitParameters(row.n, row.boundary, row.epsilon, row.radius);
        const GoreTiling t = makeGoreTiling(p, row.whole);
        struct End
        {
            std::size_t piece;
            sky::Vector3 at;
        };
        std::vector<End> ends;
        std::size_t pieces = 0;
        // Each end of a figure line that stops on its piece's cut, carried back to the sky.
        const auto collect = [&](const scene::Scene& s, const std::function<sky::SkyPoint(scene::Point)>& toSky) {
            kit::Polygon cut;
            for (const scene::Layer& layer : s.layers)
                for (const scene::Item& item : layer.items)
                    if (const auto* path = scene::itemIf<scene::Path>(&item); path && path->role == scene::Role::CutOutline)
                        cut = path->runs.front();
            for (const scene::Layer& layer : s.layers)
                for (const scene::Item& item : layer.items)
                    if (const auto* path = scene::itemIf<scene::Path>(&item);
                        path && path->role == scene::Role::ConstellationLine)
                        for (const auto& run : path->runs)
                            for (const scene::Point& q : {run.front(), run.back()})
                                if (kit::distanceToOutline(cut, q) < 1e-6)
                                    ends.push_back({pieces, sky::toVector(toSky(q))});
            ++pieces;
        };
        for (const int h : row.whole ? std::vector<int>{-1} : std::vector<int>{1, 0})
            for (int k = 1; k <= row.n; ++k) {
                GoreParameters pk = p;
                pk.k = static_cast<std::int16_t>(k);
                pk.hemisphere = h < 0 ? 1 : h;
                GoreDrawPlan plan = planKitPiece(pk, t, {});
                plan.sky = request;
                const double w = row.whole ? wholeGoreWidth(plan.layout) : plan.layout.requestedWidth;
                const double ht = plan.layout.requestedHeight;
                const GoreLayout g = gorePiece(plan, w, ht, row.whole).layout;
                collect(buildGoreScene(plan, w, ht, GoreKit{{true, 0.0}, row.whole, false}), [&](scene::Point q) {
                    return goreSkyPoint(g, (q.x - g.equatorX) / g.R, (q.y - g.H / 2) / g.R, row.epsilon);
                });
            }
        for (const StarTarget which : {StarTarget::Plate, StarTarget::SouthPlate}) {
            GoreDrawPlan plan = planKitPiece(p, t, {});
            plan.sky = request;
            const double side = plan.plate.side;
            collect(buildPlatePiece(plan, which, side, side), [&](scene::Point q) {
                return kitPlateSkyPoint(t, {q.x - side / 2, q.y - side / 2}, which == StarTarget::SouthPlate);
            });
        }
        EXPECT_GT(ends.size(), 40u);
        for (const End& e : ends) {
            double nearest = 1e9;
            for (const End& other : ends)
                if (other.piece != e.piece)
                    nearest = std::min(nearest, std::atan2(sky::norm(sky::cross(e.at, other.at)), sky::dot(e.at, other.at)));
            EXPECT_LT(nearest * t.R, kMeetCm) << "an end on piece " << e.piece;
        }
    }
}
