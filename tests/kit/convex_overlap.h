#pragma once

#include "kit/polygon.h"

#include <cmath>

namespace testing_support {

/// Area in cm² that `polygon` shares with the convex polygon `convex` (either turning direction),
/// clipping one by the other edge by edge (Sutherland–Hodgman).
inline double sharedArea(const kit::Polygon& polygon, const kit::Polygon& convex)
{
    const double turn = kit::signedArea(convex) > 0 ? 1.0 : -1.0;
    kit::Polygon out = polygon;
    for (std::size_t i = 0; i < convex.size() && !out.empty(); ++i) {
        const kit::Point a = convex[i], b = convex[(i + 1) % convex.size()];
        const auto side = [&](kit::Point p) { return turn * ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)); };
        kit::Polygon in = std::move(out);
        out.clear();
        for (std::size_t j = 0; j < in.size(); ++j) {
            const kit::Point p = in[j], q = in[(j + 1) % in.size()];
            const double sp = side(p), sq = side(q);
            if (sp >= 0)
                out.push_back(p);
            if ((sp >= 0) != (sq >= 0)) {
                const double t = sp / (sp - sq);
                out.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
            }
        }
    }
    return out.size() < 3 ? 0.0 : std::fabs(kit::signedArea(out));
}

} // namespace testing_support
