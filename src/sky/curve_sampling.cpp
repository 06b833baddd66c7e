#include "sky/curve_sampling.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace sky {

namespace {

/// Halvings of a first step before a remaining departure counts as a jump in the projection.
constexpr int kMaxDepth = 34;
/// How closely the end of a stretch with projected points is found, in t.
constexpr double kBoundaryPrecision = 1e-12;

class Sampler
{
public:
    Sampler(const Projection& project, double tolerance) : m_project(project), m_tolerance(tolerance)
    {
        assert(tolerance > 0.0);
    }

    void add(const SkyCurve& curve)
    {
        assert(curve.steps >= 1);
        m_curve = &curve;
        double t0 = 0.0;
        std::optional<scene::Point> q0 = at(0.0);
        if (q0)
            startOrContinue(*q0);
        else
            endPiece();
        for (int k = 1; k <= curve.steps; ++k) {
            const double t1 = k == curve.steps ? 1.0 : static_cast<double>(k) / curve.steps;
            const std::optional<scene::Point> q1 = at(t1);
            walk(t0, q0, t1, q1, 0);
            t0 = t1;
            q0 = q1;
        }
    }

    std::vector<Polyline> finish()
    {
        endPiece();
        return std::move(m_pieces);
    }

private:
    std::optional<scene::Point> at(double t) const
    {
        const SkyPoint p = m_curve->at(t);
        return m_project(p.lambda, p.phi);
    }

    void startOrContinue(scene::Point p)
    {
        if (!m_current.empty() && m_current.back().x == p.x && m_current.back().y == p.y)
            return;
        endPiece();
        m_current.push_back(p);
    }

    void endPiece()
    {
        if (m_current.size() >= 2)
            m_pieces.push_back(std::move(m_current));
        m_current.clear();
    }

    /// The last t from `valid` towards `invalid` that still has a projected point, and that point.
    std::pair<double, scene::Point> lastProjected(double valid, scene::Point point, double invalid) const
    {
        while (std::abs(invalid - valid) > kBoundaryPrecision) {
            const double mid = 0.5 * (valid + invalid);
            if (const auto q = at(mid)) {
                valid = mid;
                point = *q;
            } else {
                invalid = mid;
            }
        }
        return {valid, point};
    }

    void walk(double t0, std::optional<scene::Point> q0, double t1, std::optional<scene::Point> q1, int depth)
    {
        if (q0 && q1) {
            walkProjected(t0, *q0, t1, *q1, depth);
        } else if (q0) {
            const auto [t, q] = lastProjected(t0, *q0, t1);
            walkProjected(t0, *q0, t, q, depth);
            endPiece();
        } else if (q1) {
            const auto [t, q] = lastProjected(t1, *q1, t0);
            endPiece();
            m_current.push_back(q);
            walkProjected(t, q, t1, *q1, depth);
        }
    }

    /// True when the four sub-chords through qa, qm, qb share out the way from p0 to p1 as a
    /// continuous curve does over a short step: none carries more than half of it.
    bool evenlyShared(scene::Point p0, scene::Point qa, scene::Point qm, scene::Point qb, scene::Point p1) const
    {
        const double a = distance(p0, qa), b = distance(qa, qm), c = distance(qm, qb), d = distance(qb, p1);
        const double total = a + b + c + d;
        return total <= m_tolerance || std::max({a, b, c, d}) <= 0.5 * total;
    }

    /// Appends the line from p0 (the last point of the current piece) to p1.
    void walkProjected(double t0, scene::Point p0, double t1, scene::Point p1, int depth)
    {
        if (t1 == t0)
            return;
        const double h = t1 - t0;
        const std::optional<scene::Point> qa = at(t0 + 0.25 * h), qm = at(t0 + 0.5 * h), qb = at(t0 + 0.75 * h);
        const bool projected = qa && qm && qb;
        const bool close = projected && evenlyShared(p0, *qa, *qm, *qb, p1)
                           && std::max({distanceToSegment(*qa, p0, p1), distanceToSegment(*qm, p0, p1),
                                        distanceToSegment(*qb, p0, p1)})
                                  <= m_tolerance;
        if (close) {
            m_current.push_back(p1);
            return;
        }
        if (depth >= kMaxDepth) {
            // Not close after all halvings: the projection jumps here (a seam). Break the line.
            endPiece();
            m_current.push_back(p1);
            return;
        }
        if (!projected) {
            walk(t0, p0, t0 + 0.5 * h, qm, depth + 1);
            walk(t0 + 0.5 * h, qm, t1, p1, depth + 1);
            return;
        }
        walkProjected(t0, p0, t0 + 0.5 * h, *qm, depth + 1);
        walkProjected(t0 + 0.5 * h, *qm, t1, p1, depth + 1);
    }

    const Projection& m_project;
    double m_tolerance;
    const SkyCurve* m_curve = nullptr;
    Polyline m_current;
    std::vector<Polyline> m_pieces;
};

} // namespace

double distanceToSegment(scene::Point p, scene::Point a, scene::Point b)
{
    const scene::Point d = b - a;
    const double length2 = dot(d, d);
    double s = 0.0;
    if (length2 > 0.0)
        s = std::clamp(dot(p - a, d) / length2, 0.0, 1.0);
    return length(p - (a + s * d));
}

std::vector<Polyline> sampleCurve(const SkyCurve& curve, const Projection& project, double toleranceCm)
{
    Sampler sampler(project, toleranceCm);
    sampler.add(curve);
    return sampler.finish();
}

std::vector<Polyline> sampleCurves(const std::vector<SkyCurve>& curves, const Projection& project,
                                   double toleranceCm)
{
    Sampler sampler(project, toleranceCm);
    for (const auto& curve : curves)
        sampler.add(curve);
    return sampler.finish();
}

std::vector<Polyline> samplePath(const std::vector<SkyPoint>& vertices, const Projection& project,
                                 double toleranceCm)
{
    std::vector<SkyCurve> arcs;
    for (std::size_t i = 1; i < vertices.size(); ++i)
        arcs.push_back(greatCircleArc(vertices[i - 1], vertices[i]));
    return sampleCurves(arcs, project, toleranceCm);
}

} // namespace sky
