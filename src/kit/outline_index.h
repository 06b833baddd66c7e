#pragma once

#include "kit/polygon.h"

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

    /// The edges of the outline closer to `p` than `distance` cm, each once, nearest first.
    std::vector<Near> near(Point p, double distance) const;

    /// The outline indexed.
    const Polygon& outline() const { return m_outline; }

private:
    struct CellRange
    {
        int c0, c1, r0, r1;
    };
    /// The cells a disc of radius `distance` round `p` may reach.
    CellRange cellsWithin(Point p, double distance) const;

    Polygon m_outline;
    Box m_box;
    double m_cell = 1.0;
    int m_columns = 1, m_rows = 1;
    std::vector<std::vector<std::uint32_t>> m_cells; ///< per cell, the edges (by first corner) that reach into it
};

} // namespace kit
