#pragma once

#include "scene/point.h"

#include <cstddef>
#include <vector>

namespace exporter {

/// A closed outline (a piece's cut) ready to be cut down to small boxes round its dots, many
/// times over: it keeps the bounds of each run of its vertices, so that a box far from most of
/// the outline looks at only the few vertices near it.
class OutlineClip
{
public:
    /// `outline` must outlive this.
    explicit OutlineClip(const std::vector<scene::Point>& outline);

    /// The part of the outline within the box [left, right] × [top, bottom], as a closed polygon;
    /// empty when none of it is. Vertex for vertex what Sutherland and Hodgman's clipping of the
    /// whole outline by the box's left, right, top and bottom side, in that order, gives.
    std::vector<scene::Point> within(double left, double top, double right, double bottom) const;

private:
    /// Vertices a run holds (the last run may hold fewer).
    static constexpr std::size_t kRun = 32;
    struct Bounds
    {
        double left, top, right, bottom;
        bool plain; ///< every coordinate of the run is a number
    };
    const std::vector<scene::Point>& m_outline;
    std::vector<Bounds> m_runs;
};

} // namespace exporter
