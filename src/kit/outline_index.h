#pragma once

#include "kit/polygon.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kit {

/// A closed outline with its edges sorted into a grid of cells, so that asking whether a dot
/// reaches the outline visits only the few edges near the dot, however many points it has.
class OutlineIndex
{
public:
    /// Indexes `outline` (its corners in order, the last joined back to the first).
    explicit OutlineIndex(Polygon outline);

    /// Whether some point of the outline lies closer to `p` than `distance` cm; false for a point
    /// that is no finite number and for a distance that is not above 0.
    bool within(Point p, double distance) const;

    /// A stretch of the outline near a point: the edge from corner `index` to the next, and its
    /// point `nearest` to that point, √`squared` cm away.
    struct Near
    {
        std::size_t index = 0;
        Point nearest;
        double squared = 0.0; ///< the squared distance, cm²

        /// Whether this stretch is nearer than `other`, or as near and numbered lower.
        bool before(const Near& other) const
        {
            return squared < other.squared || (squared == other.squared && index < other.index);
        }
    };

    /// Calls `visit(Near)` for the edges of the outline closer to `p` than `distance` cm, in no
    /// order, an edge possibly more than once.
    template <typename Visit>
    void visitNear(Point p, double distance, Visit&& visit) const
    {
        const std::optional<Probe> probe = probeFor(p, distance);
        if (!probe)
            return;
        const auto consider = [&](std::size_t i) {
            if (const std::optional<Near> near = measured(i, *probe))
                visit(*near);
        };
        const CellRange cells = cellsWithin(p, distance);
        if (coversEveryEdge(cells)) {
            for (std::size_t i = 0; i < m_outline.size(); ++i)
                consider(i);
            return;
        }
        for (int r = cells.r0; r <= cells.r1; ++r)
            for (int c = cells.c0; c <= cells.c1; ++c)
                for (const std::uint32_t i : cell(r, c))
                    consider(i);
    }

    /// Sorts the edges into groups, edge i into `groups[i]` (below `count`), for nearestInGroups;
    /// until then they are one group. Each group is searched along its longer direction.
    void setGroups(std::vector<std::uint16_t> groups, std::size_t count);

    /// For each group of edges `wanted` holds true for (every group when it is empty), the one
    /// nearest to `p` of those visitNear(p, distance) visits (the lowest numbered of equally near
    /// ones), or none; none for the other groups. Only the edges of a group whose stretch along
    /// its longer direction comes within `distance` of `p` are measured.
    void nearestInGroups(Point p, double distance, std::vector<std::optional<Near>>& nearest,
                         const std::vector<bool>& wanted = {}) const;

    /// The point of the segment from `a` to `b` nearest to `p`.
    static Point nearestOnSegment(const Point& a, const Point& b, const Point& p)
    {
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
        return {a.x + t * dx, a.y + t * dy};
    }

    /// The outline indexed.
    const Polygon& outline() const { return m_outline; }

private:
    struct CellRange
    {
        int c0, c1, r0, r1;
    };
    /// The cells a disc of radius `distance` round `p` may reach.
    CellRange cellsWithin(Point p, double distance) const;
    /// Whether `cells` are more than the outline has edges: each edge is then measured once instead.
    bool coversEveryEdge(const CellRange& cells) const
    {
        return static_cast<double>(cells.r1 - cells.r0 + 1) * (cells.c1 - cells.c0 + 1) > static_cast<double>(m_outline.size());
    }

    /// A disc edges are measured against: an edge is measured exactly (by std::hypot) only where
    /// its squared distance leaves in doubt whether it is nearer than `distance`.
    struct Probe
    {
        Point p;
        double distance, below, above; ///< `distance`, and its square a hair below and above
    };
    /// The disc of radius `distance` round `p`; none where no edge can be nearer than `distance`
    /// (the outline's box out of reach, or `p` or `distance` no number that can reach one).
    std::optional<Probe> probeFor(Point p, double distance) const
    {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !(distance > 0) || m_outline.empty())
            return std::nullopt;
        if (p.x + distance < m_box.left || p.x - distance > m_box.right || p.y + distance < m_box.top
            || p.y - distance > m_box.bottom)
            return std::nullopt;
        const double limit = distance * distance;
        return Probe{p, distance, limit * (1 - 1e-9), limit * (1 + 1e-9)};
    }
    /// Whether the clearance grid alone shows every edge at least `distance` from `p`.
    bool clearOf(Point p, double distance) const;
    struct Run;
    /// Calls `measure(i)` for the edges i of `run` that may come within `reach` of `p` along the
    /// run, chunk by chunk from p's outwards, passing over a chunk when `farther(lowest)` holds for
    /// the squared distance its box keeps from p (a hair short of it, against rounding); stops at
    /// the first call that returns true, and says whether there was one.
    template <typename Farther, typename Measure>
    bool searchRun(const Run& run, Point p, double reach, Farther&& farther, Measure&& measure) const;
    /// Edge `i` as it meets `probe`, when nearer than its distance.
    std::optional<Near> measured(std::size_t i, const Probe& probe) const
    {
        const Point q = nearestOnSegment(m_outline[i], m_outline[after(i)], probe.p);
        const double ex = probe.p.x - q.x, ey = probe.p.y - q.y, squared = ex * ex + ey * ey;
        if (squared < probe.below || (squared <= probe.above && std::hypot(ex, ey) < probe.distance))
            return Near{i, q, squared};
        return std::nullopt;
    }

    Polygon m_outline;
    Box m_box;
    double m_cell = 1.0;
    int m_columns = 1, m_rows = 1;
    /// A length far beyond what rounding can move a point of the outline or its distance by, cm.
    double m_slack = 0.0;
    /// The clearance grid, of finer cells than the edges are sorted into: per cell, how many cells
    /// away (in rows or columns, whichever is more) the nearest cell is that an edge reaches into,
    /// up to 255; 0 for a cell an edge reaches into.
    double m_fine = 1.0, m_perFine = 1.0; ///< a cell's side, and cells a centimetre
    int m_fineColumns = 1, m_fineRows = 1;
    std::vector<std::uint8_t> m_clearance;
    /// The corner after corner `i`.
    std::size_t after(std::size_t i) const { return i + 1 == m_outline.size() ? 0 : i + 1; }
    /// The edges (by first corner) that reach into the cell at `at`, or in row `r` and column `c`.
    std::span<const std::uint32_t> cell(std::size_t at) const
    {
        return {m_edges.data() + m_cellStart[at], m_edges.data() + m_cellStart[at + 1]};
    }
    std::span<const std::uint32_t> cell(int r, int c) const
    {
        return cell(static_cast<std::size_t>(r) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(c));
    }

    std::vector<std::uint32_t> m_cellStart; ///< per cell, where its edges start in m_edges; one more at the end
    std::vector<std::uint32_t> m_edges;     ///< the cells' edges, cell after cell
    std::vector<std::uint16_t> m_groups; ///< per edge, its group (setGroups; one group of them all until then)
    std::size_t m_groupCount = 0;
    /// A group's edges along the direction its corners spread most in (y rather than x when
    /// `alongY`), sorted by where they start: each edge's lowest and highest coordinate in that
    /// direction, and the highest of any edge so far, by which a stretch of coordinates finds
    /// every edge that reaches into it; and the box of each kChunk edges in that order, by which
    /// those too far off to be the nearest are passed over together.
    struct Run
    {
        static constexpr std::size_t kChunk = 8;
        Box spread; ///< the box of the group's corners
        bool alongY = false;
        std::vector<std::uint32_t> edges;
        std::vector<double> low, high, highest;
        std::vector<Box> chunks;
    };
    std::vector<Run> m_runs; ///< per group
};

} // namespace kit
