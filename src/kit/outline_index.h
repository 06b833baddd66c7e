#pragma once

#include "kit/polygon.h"

#include <cmath>
#include <cstdint>
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
    /// that is no finite number.
    bool within(Point p, double distance) const;

    /// A stretch of the outline near a point: the edge from corner `index` to the next, and its
    /// point `nearest` to that point, `distance` cm away.
    struct Near
    {
        std::size_t index = 0;
        Point nearest;
        double distance = 0.0;
    };

    /// Calls `visit(Near)` for the edges of the outline closer to `p` than `distance` cm, in no
    /// order, an edge possibly more than once.
    template <typename Visit>
    void visitNear(Point p, double distance, Visit&& visit) const
    {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::isnan(distance) || m_outline.empty())
            return;
        if (p.x + distance < m_box.left || p.x - distance > m_box.right || p.y + distance < m_box.top
            || p.y - distance > m_box.bottom)
            return;
        const CellRange cells = cellsWithin(p, distance);
        for (int r = cells.r0; r <= cells.r1; ++r)
            for (int c = cells.c0; c <= cells.c1; ++c)
                for (const std::uint32_t i :
                     m_cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(c)]) {
                    const Near near = nearOf(p, i);
                    if (near.distance < distance)
                        visit(near);
                }
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
    /// Edge `i` as seen from `p`.
    Near nearOf(Point p, std::size_t i) const;

    Polygon m_outline;
    Box m_box;
    double m_cell = 1.0;
    int m_columns = 1, m_rows = 1;
    std::vector<std::vector<std::uint32_t>> m_cells; ///< per cell, the edges (by first corner) that reach into it
};

} // namespace kit
