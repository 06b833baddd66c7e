#include "render/sheet_packing.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace exporter {

namespace {

constexpr double kSlack = 1e-9; // cm: rounding in the sizes

struct Rect
{
    double x = 0.0, y = 0.0, w = 0.0, h = 0.0;
    bool holds(const Rect& r) const
    {
        return r.x >= x - kSlack && r.y >= y - kSlack && r.x + r.w <= x + w + kSlack && r.y + r.h <= y + h + kSlack;
    }
};

/// One sheet's free space as the maximal empty rectangles (each grown by the gap on its far sides,
/// so that a rectangle placed flush against another keeps the gap).
struct Sheet
{
    std::vector<Rect> free;

    void place(const Rect& used)
    {
        std::vector<Rect> next;
        for (const Rect& f : free) {
            if (used.x >= f.x + f.w || used.x + used.w <= f.x || used.y >= f.y + f.h || used.y + used.h <= f.y) {
                next.push_back(f);
                continue;
            }
            if (used.x > f.x)
                next.push_back({f.x, f.y, used.x - f.x, f.h});
            if (used.x + used.w < f.x + f.w)
                next.push_back({used.x + used.w, f.y, f.x + f.w - used.x - used.w, f.h});
            if (used.y > f.y)
                next.push_back({f.x, f.y, f.w, used.y - f.y});
            if (used.y + used.h < f.y + f.h)
                next.push_back({f.x, used.y + used.h, f.w, f.y + f.h - used.y - used.h});
        }
        free.clear();
        for (std::size_t i = 0; i < next.size(); ++i) {
            bool inside = false;
            for (std::size_t j = 0; j < next.size() && !inside; ++j)
                inside = j != i && next[j].holds(next[i]) && (!next[i].holds(next[j]) || j < i);
            if (!inside)
                free.push_back(next[i]);
        }
    }
};

/// Best spot for a w × h rectangle on `sheet`: the least leftover along the shorter side.
struct Spot
{
    double shortSide = std::numeric_limits<double>::infinity(), longSide = 0.0;
    Rect at;
    bool turned = false;
};

void consider(const Sheet& sheet, double w, double h, bool turned, Spot& best)
{
    for (const Rect& f : sheet.free) {
        if (w > f.w + kSlack || h > f.h + kSlack)
            continue;
        const double a = f.w - w, b = f.h - h;
        const double shortSide = std::min(a, b), longSide = std::max(a, b);
        if (shortSide < best.shortSide || (shortSide == best.shortSide && longSide < best.longSide))
            best = {shortSide, longSide, {f.x, f.y, w, h}, turned};
    }
}

} // namespace

bool fitsSheet(PackSize s, double width, double height)
{
    return (s.width <= width + kSlack && s.height <= height + kSlack)
           || (s.height <= width + kSlack && s.width <= height + kSlack);
}

std::vector<Placement> packSheets(const std::vector<PackSize>& sizes, double width, double height, double gap,
                                  int& sheets)
{
    std::vector<std::size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&sizes](std::size_t a, std::size_t b) {
        return sizes[a].width * sizes[a].height > sizes[b].width * sizes[b].height;
    });
    // Each rectangle takes its size plus the gap; the area grows by the gap to make up for the last one.
    const Rect area{0, 0, width + gap, height + gap};
    std::vector<Sheet> open;
    std::vector<Placement> out(sizes.size(), Placement{-1, 0, 0, false});
    for (const std::size_t i : order) {
        if (!fitsSheet(sizes[i], width, height))
            continue;
        const double w = sizes[i].width + gap, h = sizes[i].height + gap;
        int chosen = -1;
        Spot spot;
        for (std::size_t s = 0; s < open.size() && chosen < 0; ++s) {
            Spot best;
            consider(open[s], w, h, false, best);
            consider(open[s], h, w, true, best);
            if (best.shortSide < std::numeric_limits<double>::infinity()) {
                chosen = static_cast<int>(s);
                spot = best;
            }
        }
        if (chosen < 0) {
            open.push_back(Sheet{{area}});
            chosen = static_cast<int>(open.size()) - 1;
            consider(open.back(), w, h, false, spot);
            consider(open.back(), h, w, true, spot);
        }
        open[static_cast<std::size_t>(chosen)].place(spot.at);
        out[i] = {chosen, spot.at.x, spot.at.y, spot.turned};
    }
    sheets = static_cast<int>(open.size());
    return out;
}

} // namespace exporter
