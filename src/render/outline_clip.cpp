#include "render/outline_clip.h"

#include <algorithm>
#include <cmath>

namespace exporter {

OutlineClip::OutlineClip(const std::vector<scene::Point>& outline) : m_outline(outline)
{
    for (std::size_t at = 0; at < outline.size(); at += kRun) {
        const std::size_t end = std::min(at + kRun, outline.size());
        Bounds b{outline[at].x, outline[at].y, outline[at].x, outline[at].y, true};
        for (std::size_t i = at; i < end; ++i) {
            const scene::Point& q = outline[i];
            b.plain = b.plain && !std::isnan(q.x) && !std::isnan(q.y);
            b.left = std::min(b.left, q.x), b.right = std::max(b.right, q.x);
            b.top = std::min(b.top, q.y), b.bottom = std::max(b.bottom, q.y);
        }
        m_runs.push_back(b);
    }
}

std::vector<scene::Point> OutlineClip::within(double left, double top, double right, double bottom) const
{
    // The side of the box that first cuts a vertex away, in the order of the passes below
    // (1 left, 2 right, 3 top, 4 bottom); 0 for a vertex within the box.
    const auto cutBy = [&](const scene::Point& p) {
        return !(p.x >= left) ? 1 : !(p.x <= right) ? 2 : !(p.y >= top) ? 3 : !(p.y <= bottom) ? 4 : 0;
    };
    // The same for every vertex of a run, when its bounds show one side cuts them all first.
    const auto runCutBy = [&](const Bounds& b) {
        if (!b.plain)
            return 0;
        if (b.right < left)
            return 1;
        if (!(b.left >= left))
            return 0;
        if (b.left > right)
            return 2;
        if (!(b.right <= right))
            return 0;
        if (b.bottom < top)
            return 3;
        return b.top >= top && b.top > bottom ? 4 : 0;
    };

    // Of consecutive vertices the same side cuts away first, only the first and the last matter:
    // the passes before that side keep them as they are, with nothing between them, and that
    // side's pass drops them but where the stretch's two ends cross it. The outline shrinks to
    // the vertices near the box, with the same result.
    std::vector<scene::Point> out;
    int side = 0;                        // the side of the stretch in hand; 0 none
    const scene::Point* last = nullptr;  // its last vertex so far, when not yet kept
    const auto see = [&](const scene::Point& q, int cut) {
        if (cut != 0 && cut == side) {
            last = &q;
            return;
        }
        if (last)
            out.push_back(*last);
        out.push_back(q);
        side = cut;
        last = nullptr;
    };
    for (std::size_t r = 0; r < m_runs.size(); ++r) {
        const std::size_t at = r * kRun, end = std::min(at + kRun, m_outline.size());
        if (const int cut = runCutBy(m_runs[r]); cut != 0) {
            see(m_outline[at], cut);
            if (end - 1 > at)
                see(m_outline[end - 1], cut);
            continue;
        }
        for (std::size_t i = at; i < end; ++i)
            see(m_outline[i], cutBy(m_outline[i]));
    }
    if (last)
        out.push_back(*last);

    const auto byEdge = [&out](auto inside, auto cross) {
        std::vector<scene::Point> in;
        in.swap(out);
        for (std::size_t i = 0; i < in.size(); ++i) {
            const scene::Point& a = in[(i + in.size() - 1) % in.size()];
            const scene::Point& b = in[i];
            if (inside(b)) {
                if (!inside(a))
                    out.push_back(cross(a, b));
                out.push_back(b);
            } else if (inside(a)) {
                out.push_back(cross(a, b));
            }
        }
    };
    const auto atX = [](double x) {
        return [x](const scene::Point& a, const scene::Point& b) {
            return scene::Point{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)};
        };
    };
    const auto atY = [](double y) {
        return [y](const scene::Point& a, const scene::Point& b) {
            return scene::Point{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
        };
    };
    byEdge([left](const scene::Point& p) { return p.x >= left; }, atX(left));
    byEdge([right](const scene::Point& p) { return p.x <= right; }, atX(right));
    byEdge([top](const scene::Point& p) { return p.y >= top; }, atY(top));
    byEdge([bottom](const scene::Point& p) { return p.y <= bottom; }, atY(bottom));
    return out;
}

} // namespace exporter
