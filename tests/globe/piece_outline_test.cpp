// The pieces' cut outlines mapped back onto the sphere: where a gore's cut at ±B and the plate's
// n-gon land once glued, and how far apart the kit's projections put the two.

#include "globe/piece_outline.h"
#include "gore/polar_plate.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace globe;

namespace {

constexpr double kDeg = sky::kRadiansPerDegree;
constexpr double kSame = 1e-9; // degrees
constexpr double kKitSame = 1e-6; // degrees: the kit's plate map is undone by Newton's steps

double angleDeg(const sky::Vector3& a, const sky::Vector3& b)
{
    return std::atan2(sky::norm(sky::cross(a, b)), sky::dot(a, b)) / kDeg;
}

sky::Vector3 at(double lambda, double phi) { return sky::toVector({lambda, phi}); }

/// Degrees from `v` to the meridian plane of `lambda`.
double offMeridianDeg(const sky::Vector3& v, double lambda)
{
    return std::fabs(std::asin(-v.x * std::sin(lambda * kDeg) + v.y * std::cos(lambda * kDeg))) / kDeg;
}

scene::Point along(scene::Point a, scene::Point b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

} // namespace

TEST(PieceOutline, GoreCutsMeetThePlateWithinTheKitsMismatch)
{
    struct Row
    {
        int n;
        double boundary;
        bool epsilon;
        double cutMismatch; // largest degrees between a point of a gore's cut and the plate point glued to it
        double offSeam;     // largest degrees a gore's edge strays from its seam meridian
        bool kit = false;   // the kit's tiling: edges on the seams, the cut where the plate has it
    };
    // With ε off the edges are the meridians and the cut at B is the parallel B, while the plate's
    // sides are great circles through its corners at atan(tan B·cos(π/n)): they part at the corners
    // by B − atan(tan B·cos(π/n)) (checked point by point below). With ε on (what the gore tab draws
    // by default) the cut comes close to the plate's side, but the edges leave the meridians: the
    // bounds are those of an independent model of the same formulas, rounded up.
    const Row rows[] = {
        {8, 70, false, 1.5025, kSame},  {12, 75, false, 0.5042, kSame}, {6, 60, false, 3.6902, kSame},
        {36, 80, false, 0.0375, kSame}, {8, 70, true, 0.480, 0.580},    {12, 75, true, 0.120, 0.186},
        {6, 60, true, 1.309, 1.249},    {36, 80, true, 0.0033, 0.0074},
        // The kit closes: no sky between neighbours, none doubled at the plate, with ε or without.
        {8, 70, true, kKitSame, kKitSame, true},  {8, 70, false, kKitSame, kKitSame, true},
        {3, 60, true, kKitSame, kKitSame, true},  {24, 80, true, kKitSame, kKitSame, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "n " << row.n << " B " << row.boundary << " ε " << row.epsilon
                                        << (row.kit ? " kit" : ""));
        gore::GoreDrawPlan plan;
        plan.params.n = static_cast<std::int16_t>(row.n);
        plan.params.k = 2;
        plan.params.hemisphere = 1;
        plan.params.northPlate = true;
        plan.params.southPlate = 1;
        plan.params.plateBoundary = row.boundary;
        plan.params.epsilonCorrection = row.epsilon;
        plan.layout = gore::makeGoreLayout(plan.params);
        plan.plate = gore::makePlateLayout(plan.params);
        if (row.kit) {
            plan.tiling = gore::makeGoreTiling(plan.params, false);
            plan.plate = gore::kitPlateLayout(plan.params, *plan.tiling);
        }
        const double sector = 360.0 / row.n, half = 180.0 / row.n;

        // The plate's corners lie on the seam meridians at atan(tan B·cos(π/n)), mirrored in the south;
        // a kit's where the gore's corrected latitude reaches B on the seam: 2φ − atan(cos(π/n)·tan φ) = B.
        double cornerLatitude = std::atan(std::tan(row.boundary * kDeg) * std::cos(half * kDeg)) / kDeg;
        if (row.kit) {
            double lo = 0, hi = row.boundary;
            const auto corrected = [&](double phi) {
                return row.epsilon ? 2 * phi - std::atan(std::cos(half * kDeg) * std::tan(phi * kDeg)) / kDeg : phi;
            };
            for (int i = 0; i < 200; ++i)
                (corrected(0.5 * (lo + hi)) > row.boundary ? hi : lo) = 0.5 * (lo + hi);
            cornerLatitude = lo;
        }
        for (const bool south : {false, true}) {
            const std::vector<sky::Vector3> plate = plateOutlineOnSphere(plan, south);
            ASSERT_GE(plate.size(), static_cast<std::size_t>(row.n + 1));
            EXPECT_LT(angleDeg(plate.front(), plate.back()), kSame);
            for (int j = 0; j < row.n; ++j) {
                const sky::Vector3 corner = at(sector * j, south ? -cornerLatitude : cornerLatitude);
                double nearest = 180;
                for (const sky::Vector3& v : plate)
                    nearest = std::min(nearest, angleDeg(v, corner));
                EXPECT_LT(nearest, kSame) << "corner " << j << (south ? " S" : " N");
            }
            for (std::size_t i = 1; i < plate.size(); ++i)
                ASSERT_LE(angleDeg(plate[i - 1], plate[i]), kOutlineStepDeg * 1.01);
        }

        // Gore 2's edges (stretches 0 and 2) along seams 2 (λ 2·360/n, larger longitudes) and 1.
        const double width = plan.layout.requestedWidth, height = plan.layout.requestedHeight;
        const gore::GorePiece piece = gore::gorePiece(plan, width, height);
        const std::vector<kit::OutlineEdge> edges = gore::goreOutlineEdges(piece, {});
        ASSERT_EQ(edges.size(), 4u); // edge, cut at B, edge, equator
        double offSeam = 0;
        for (const auto& [stretch, seam] : {std::pair{0, 2}, std::pair{2, 1}})
            for (const scene::Point& p : edges[static_cast<std::size_t>(stretch)].points)
                offSeam = std::max(offSeam, offMeridianDeg(goreTemplatePointOnSphere(piece, row.epsilon, p), sector * seam));
        EXPECT_LE(offSeam, row.offSeam);

        // The cut at B runs from seam 2 to seam 1; the plate's side 2 (glued to it) from corner 1 to corner 2.
        const std::vector<scene::Point> cut = edges[1].points;
        const std::vector<scene::Point> ngon = gore::plateCutOutline(plan, plan.plate.side, plan.plate.side);
        double mismatch = 0;
        for (const double t : {0.0, 0.1, 0.25, 0.5, 0.75, 0.9, 1.0}) {
            const sky::Vector3 g = goreTemplatePointOnSphere(piece, row.epsilon, along(cut.front(), cut.back(), t));
            const sky::Vector3 p = plateTemplatePointOnSphere(plan.plate, false, plan.plate.side, plan.plate.side,
                                                              along(ngon[2], ngon[1], t), plan.tiling);
            mismatch = std::max(mismatch, angleDeg(g, p));
            if (!row.epsilon && !row.kit) {
                // Both at the longitude λc + Δλ; the gore at B, the plate at atan(tan B·cos Δλ).
                const double dl = std::atan((1 - 2 * t) * std::tan(half * kDeg));
                EXPECT_NEAR(angleDeg(g, at(plan.layout.centralLongitude + dl / kDeg, row.boundary)), 0.0, kSame);
                EXPECT_NEAR(angleDeg(g, p), row.boundary - std::atan(std::tan(row.boundary * kDeg) * std::cos(dl)) / kDeg,
                            kSame) << "at " << t;
            }
        }
        EXPECT_LE(mismatch, row.cutMismatch);
        if (!row.kit) {
            EXPECT_GT(mismatch, row.cutMismatch * 0.9); // the mismatch is there: the bound is no blanket
        }
    }
}
