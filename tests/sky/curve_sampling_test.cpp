#include "sky/boundary_edge.h"
#include "sky/coordinate_grid.h"
#include "sky/curve_sampling.h"
#include "sky/ecliptic.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sky;

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

/// Gnomonic projection about (λ0, φ0) onto a plane touching a sphere of radius R (Snyder,
/// Map Projections – A Working Manual, eqs. 22-4, 22-5); no point beyond 80° from the centre.
Projection gnomonic(double lambda0, double phi0, double radius)
{
    return [=](double lambda, double phi) -> std::optional<scene::Point> {
        const double dl = (lambda - lambda0) * kDeg, f = phi * kDeg, f0 = phi0 * kDeg;
        const double cosC = std::sin(f0) * std::sin(f) + std::cos(f0) * std::cos(f) * std::cos(dl);
        if (cosC < std::cos(80.0 * kDeg))
            return std::nullopt;
        return scene::Point{radius * std::cos(f) * std::sin(dl) / cosC,
                      radius * (std::cos(f0) * std::sin(f) - std::sin(f0) * std::cos(f) * std::cos(dl)) / cosC};
    };
}

/// Sinusoidal projection about the meridian λ0 (Snyder eqs. 30-1, 30-2): a gore-like strip
/// whose seam is the meridian opposite λ0.
Projection sinusoidal(double lambda0, double radius)
{
    return [=](double lambda, double phi) -> std::optional<scene::Point> {
        const double dl = std::remainder(lambda - lambda0, 360.0) * kDeg;
        return scene::Point{radius * dl * std::cos(phi * kDeg), radius * phi * kDeg};
    };
}

double distanceToPolylines(scene::Point p, const std::vector<Polyline>& lines)
{
    double best = INFINITY;
    for (const auto& line : lines)
        for (std::size_t i = 1; i < line.size(); ++i)
            best = std::min(best, distanceToSegment(p, line[i - 1], line[i]));
    return best;
}

struct CurveRow
{
    const char* name;
    SkyCurve curve;
    double lambda0, phi0; ///< where the projections are centred
};

std::vector<CurveRow> curveRows()
{
    return {
        {"Betelgeuse to Rigel", greatCircleArc({88.7929, 7.4071}, {78.6345, -8.2016}), 85.0, 0.0},
        {"long great circle", greatCircleArc({10.0, -40.0}, {60.0, 50.0}), 35.0, 5.0},
        {"parallel +60°", parallelArc(60.0, 0.0, 90.0), 45.0, 60.0},
        {"parallel −80° near the pole", parallelArc(-80.0, 100.0, 250.0), 175.0, -85.0},
        {"meridian 6h", meridianArc(90.0, -70.0, 70.0), 90.0, 0.0},
        {"ecliptic", eclipticCurve(), 90.0, 23.0},
        {"Octans boundary edge", boundaryEdge({111.6521, -82.7759}, {209.1111, -83.1201}), 160.0, -84.0},
    };
}

} // namespace

TEST(CurveSampling, DrawnLineStaysWithinToleranceOfTheTrueCurve)
{
    constexpr int kDense = 6000;
    struct ProjectionRow { const char* name; bool gnomonic; double radius; };
    const ProjectionRow projections[] = {
        {"gnomonic R 13", true, 13.0}, {"gnomonic R 80", true, 80.0},
        {"sinusoidal R 13", false, 13.0}, {"sinusoidal R 80", false, 80.0}};
    for (const auto& row : curveRows()) {
        for (const auto& pr : projections) {
            SCOPED_TRACE(std::string(row.name) + ", " + pr.name);
            const Projection project =
                pr.gnomonic ? gnomonic(row.lambda0, row.phi0, pr.radius) : sinusoidal(row.lambda0, pr.radius);
            const auto lines = sampleCurve(row.curve, project);
            ASSERT_FALSE(lines.empty());
            std::size_t points = 0;
            for (const auto& l : lines)
                points += l.size();
            EXPECT_LT(points, 20000u) << "sampled far too densely";
            double worst = 0.0;
            for (int k = 0; k <= kDense; ++k) {
                const SkyPoint s = row.curve.at(static_cast<double>(k) / kDense);
                if (const auto p = project(s.lambda, s.phi))
                    worst = std::max(worst, distanceToPolylines(*p, lines));
            }
            EXPECT_LE(worst, kLineToleranceCm);
        }
    }
}

TEST(CurveSampling, PolylineSplitsAtASeamAndWhereThereIsNoPoint)
{
    // The whole parallel +20° on a sinusoidal strip about 0h: one seam at 12h, so the line runs
    // 0h → 12h, then from the other side of the strip 12h → 0h, as two pieces.
    const auto strip = sampleCurve(parallelArc(20.0, 0.0, 360.0), sinusoidal(0.0, 13.0));
    ASSERT_EQ(strip.size(), 2u);
    const double halfWidth = 13.0 * 180.0 * kDeg * std::cos(20.0 * kDeg);
    EXPECT_NEAR(strip[0].back().x, halfWidth, 1e-6);
    EXPECT_NEAR(strip[1].front().x, -halfWidth, 1e-6);
    // The equator, from λ 0° round to 360°, seen gnomonically from its point at 3h: only the
    // parts within 80° of 3h, ending exactly there.
    const double edge = 10.0 * std::tan(80.0 * kDeg);
    const auto face = sampleCurve(parallelArc(0.0, 0.0, 360.0), gnomonic(45.0, 0.0, 10.0));
    ASSERT_EQ(face.size(), 2u);
    EXPECT_NEAR(face[0].front().x, -10.0, 1e-9); // λ 0°, 45° west of the centre
    EXPECT_NEAR(face[0].back().x, edge, 1e-6);   // λ 125°
    EXPECT_NEAR(face[1].front().x, -edge, 1e-6); // λ 325°
    EXPECT_NEAR(face[1].back().x, -10.0, 1e-9);  // back at λ 360°
}

TEST(CurveSampling, FigureVerticesAreExactPointsOfTheLine)
{
    // Orion's belt and sword, through Betelgeuse: every vertex projects onto a point of the line.
    const std::vector<SkyPoint> figure{{88.7929, 7.4071}, {83.0017, -0.2991}, {84.0534, -1.2019}, {85.1897, -1.9426}};
    const Projection project = gnomonic(85.0, 0.0, 13.0);
    const auto lines = samplePath(figure, project);
    ASSERT_EQ(lines.size(), 1u);
    for (const auto& v : figure) {
        const scene::Point p = *project(v.lambda, v.phi);
        const bool found = std::any_of(lines[0].begin(), lines[0].end(),
                                       [&](scene::Point q) { return q.x == p.x && q.y == p.y; });
        EXPECT_TRUE(found) << v.lambda << ", " << v.phi;
    }
}
