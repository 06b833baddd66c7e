#include "export/label_placement.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace exporter {

namespace {

using scene::Point;

/// Line width of a hairline on paper as a renderer draws it, centimetres, for the room it takes.
constexpr double kHairline = 0.02;
/// Steps of the search for a clear spot, centimetres.
constexpr double kStep = 0.1;

struct Segment
{
    Point a, b;
    double pad;   ///< half the line's width
    bool barrier; ///< a cut or fold line
};

/// What Obstacles::touched says of a spot across a cut or fold line.
constexpr std::size_t kNever = static_cast<std::size_t>(-1);

/// Whether the segment a–b meets `box` (Liang and Barsky's clipping).
bool crosses(const Point& a, const Point& b, const LabelBox& box)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

/// Whether the segments p–q and a–b cross.
bool segmentsCross(const Point& p, const Point& q, const Point& a, const Point& b)
{
    const auto side = [](const Point& o, const Point& u, const Point& v) {
        return (u.x - o.x) * (v.y - o.y) - (u.y - o.y) * (v.x - o.x);
    };
    const double d1 = side(a, b, p), d2 = side(a, b, q), d3 = side(p, q, a), d4 = side(p, q, b);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

/// Whether `p` lies inside the closed `ring` (even-odd rule).
bool inside(const std::vector<Point>& ring, const Point& p)
{
    bool in = false;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const Point &a = ring[i], &b = ring[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

LabelBox grown(const LabelBox& b, double by) { return {b.left - by, b.top - by, b.right + by, b.bottom + by}; }

LabelBox moved(const LabelBox& b, double dx, double dy) { return {b.left + dx, b.top + dy, b.right + dx, b.bottom + dy}; }

Point centre(const LabelBox& b) { return {(b.left + b.right) / 2, (b.top + b.bottom) / 2}; }

/// Whether a dot of `radius` (centimetres, hairline included) centred at `c` reaches `box`.
bool dotMeets(const Point& c, double radius, const LabelBox& box)
{
    const double dx = c.x - std::clamp(c.x, box.left, box.right), dy = c.y - std::clamp(c.y, box.top, box.bottom);
    const double d2 = dx * dx + dy * dy, r2 = radius * radius;
    // The squared distance decides but for a hair's breadth round the rim, where hypot's rounding does.
    if (d2 < r2 * (1 - 1e-9))
        return true;
    if (d2 > r2 * (1 + 1e-9))
        return false;
    return std::hypot(dx, dy) <= radius;
}

/// Dots bucketed on a square grid by their centres, so that a spot looks only at those near it.
class DotGrid
{
public:
    void build(const std::vector<scene::Dot>& dots, const LabelBox& area)
    {
        left_ = area.left;
        top_ = area.top;
        columns_ = std::max(1, static_cast<int>(std::ceil((area.right - area.left) / kCell)));
        rows_ = std::max(1, static_cast<int>(std::ceil((area.bottom - area.top) / kCell)));
        start_.assign(static_cast<std::size_t>(columns_) * rows_ + 1, 0);
        std::vector<std::size_t> cellOf(dots.size());
        for (std::size_t i = 0; i < dots.size(); ++i) {
            cellOf[i] = cell(column(dots[i].centre.x), row(dots[i].centre.y));
            ++start_[cellOf[i] + 1];
            reach_ = std::max(reach_, radius(dots[i]));
        }
        for (std::size_t c = 1; c < start_.size(); ++c)
            start_[c] += start_[c - 1];
        std::vector<std::size_t> next(start_.begin(), start_.end() - 1);
        entries_.resize(dots.size());
        for (std::size_t i = 0; i < dots.size(); ++i)
            entries_[next[cellOf[i]]++] = {dots[i].centre, radius(dots[i])};
    }

    /// How many dots `box` touches, counted on from `n` and stopping past `limit`.
    std::size_t count(const LabelBox& box, std::size_t n, std::size_t limit) const
    {
        const int c0 = column(box.left - reach_), c1 = column(box.right + reach_);
        const int r0 = row(box.top - reach_), r1 = row(box.bottom + reach_);
        for (int r = r0; r <= r1; ++r)
            for (std::size_t i = start_[cell(c0, r)], end = start_[cell(c1, r) + 1]; i < end; ++i)
                if (dotMeets(entries_[i].centre, entries_[i].radius, box) && ++n > limit)
                    return n;
        return n;
    }

private:
    static constexpr double kCell = 0.25;
    struct Entry
    {
        Point centre;
        double radius;
    };
    static double radius(const scene::Dot& d) { return std::max(d.radius, scene::kMinPrintRadius) + kHairline; }
    int column(double x) const { return std::clamp(static_cast<int>(std::floor((x - left_) / kCell)), 0, columns_ - 1); }
    int row(double y) const { return std::clamp(static_cast<int>(std::floor((y - top_) / kCell)), 0, rows_ - 1); }
    std::size_t cell(int c, int r) const { return static_cast<std::size_t>(r) * columns_ + c; }

    double left_ = 0.0, top_ = 0.0, reach_ = 0.0;
    int columns_ = 1, rows_ = 1;
    std::vector<std::size_t> start_{0, 0}; ///< where each cell's dots begin in entries_, row by row
    std::vector<Entry> entries_;
};

/// The ink of one template near a label, to test spots against.
struct Obstacles
{
    std::vector<Segment> lines;  ///< every line drawn, the cut outline and fold lines included
    std::vector<Point> barriers; ///< pairs: segments a label never moves across (cut, folds)
    std::vector<scene::Dot> dots;
    DotGrid dotGrid; ///< `dots`, once gathered
    std::vector<LabelBox> texts;
    std::vector<std::vector<Point>> outlines; ///< the cut outlines' runs

    /// How many dots, texts and lines `box` touches, counted up to `limit` + 1; kNever when it
    /// touches a cut or fold line.
    std::size_t touched(const LabelBox& box, std::size_t limit) const
    {
        std::size_t n = 0;
        for (const Segment& s : lines)
            if (crosses(s.a, s.b, grown(box, s.pad))) {
                if (s.barrier)
                    return kNever;
                if (++n > limit)
                    return n;
            }
        n = dotGrid.count(box, n, limit);
        if (n > limit)
            return n;
        for (const LabelBox& t : texts)
            if (t.meets(box) && ++n > limit)
                return n;
        return n;
    }

    /// Whether `box`, which touches no line of the cut outline, lies inside it: then its centre does.
    bool enclosed(const LabelBox& box) const
    {
        return std::any_of(outlines.begin(), outlines.end(),
                           [&](const std::vector<Point>& ring) { return inside(ring, centre(box)); });
    }

    bool reachable(const Point& from, const Point& to) const
    {
        for (std::size_t i = 0; i + 1 < barriers.size(); i += 2)
            if (segmentsCross(from, to, barriers[i], barriers[i + 1]))
                return false;
        return true;
    }
};

/// The ink of `s` near `area`, the label `self` left out.
Obstacles obstaclesNear(const scene::Scene& s, const scene::Text* self, const LabelBox& area)
{
    Obstacles o;
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items) {
            if (const auto* d = std::get_if<scene::Dot>(&item)) {
                const double r = std::max(d->radius, scene::kMinPrintRadius);
                if (LabelBox{d->centre.x - r, d->centre.y - r, d->centre.x + r, d->centre.y + r}.meets(area))
                    o.dots.push_back(*d);
            } else if (const auto* t = std::get_if<scene::Text>(&item)) {
                if (t != self && !t->text.empty() && textBox(*t).meets(area))
                    o.texts.push_back(textBox(*t));
            } else if (const auto* p = std::get_if<scene::Path>(&item)) {
                if (p->fill)
                    continue; // a printed ground, not a line
                const bool barrier = p->role == scene::Role::CutOutline || p->role == scene::Role::TabFold;
                const double pad = std::max(p->stroke.width, kHairline) / 2 + (p->dotRadius > 0 ? p->dotRadius : 0.0);
                for (const auto& run : p->runs) {
                    if (p->role == scene::Role::CutOutline && run.size() > 2)
                        o.outlines.push_back(run);
                    const std::size_t n = run.size();
                    const std::size_t segments = n < 2 ? 0 : (p->closed && n > 2 ? n : n - 1);
                    for (std::size_t i = 0; i < segments; ++i) {
                        const Point &a = run[i], &b = run[(i + 1) % n];
                        if (barrier)
                            o.barriers.insert(o.barriers.end(), {a, b});
                        const LabelBox extent{std::min(a.x, b.x) - pad, std::min(a.y, b.y) - pad,
                                              std::max(a.x, b.x) + pad, std::max(a.y, b.y) + pad};
                        if (extent.meets(area))
                            o.lines.push_back({a, b, pad, barrier});
                    }
                    if (n == 1 && p->dotRadius > 0)
                        o.dots.push_back(scene::Dot{p->role, -1, run.front(), p->dotRadius});
                }
            }
        }
    o.dotGrid.build(o.dots, area);
    return o;
}

} // namespace

LabelBox textBox(const scene::Text& t)
{
    double ems = 0.0;
    for (std::size_t i = 0; i < t.text.size();) {
        const auto lead = static_cast<unsigned char>(t.text[i]);
        // UTF-8: one byte for ASCII, two for Latin, Greek and Cyrillic letters, three or four for wide characters.
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        ems += length <= 2 ? 0.62 : 1.0;
        i += length;
    }
    const double em = t.sizePt * 2.54 / 72.0;
    const double width = ems * em;
    const double start = t.anchor == scene::Anchor::Start ? 0.0 : t.anchor == scene::Anchor::Middle ? -width / 2 : -width;
    // The box in the text's own frame (x along the baseline, y downward), turned clockwise on paper.
    const Point corners[4] = {{start, -0.8 * em}, {start + width, -0.8 * em}, {start + width, 0.25 * em}, {start, 0.25 * em}};
    const double r = t.rotationDeg * std::numbers::pi / 180.0, c = std::cos(r), s = std::sin(r);
    LabelBox box{t.at.x, t.at.y, t.at.x, t.at.y};
    bool first = true;
    for (const Point& q : corners) {
        const Point p{t.at.x + q.x * c - q.y * s, t.at.y + q.x * s + q.y * c};
        box = first ? LabelBox{p.x, p.y, p.x, p.y}
                    : LabelBox{std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y)};
        first = false;
    }
    return box;
}

void placePieceLabels(scene::Scene& s)
{
    for (scene::Layer& layer : s.layers)
        for (scene::Item& item : layer.items) {
            auto* t = std::get_if<scene::Text>(&item);
            if (!t || t->role != scene::Role::PieceLabel || t->text.empty())
                continue;
            const LabelBox box = textBox(*t);
            const Obstacles near = obstaclesNear(s, t, grown(box, kLabelReach + kLabelClearance));
            if (near.outlines.empty())
                continue;
            // What a spot touches, kNever when it is off the piece or across a fold from the label's place.
            const auto touches = [&](double dx, double dy, std::size_t limit) {
                const LabelBox at = moved(box, dx, dy);
                const std::size_t n = near.touched(grown(at, kLabelClearance), limit);
                return n <= limit && near.enclosed(at) && near.reachable(centre(box), centre(at)) ? n : kNever;
            };
            std::size_t fewest = touches(0.0, 0.0, kNever - 1);
            if (fewest == 0)
                continue;
            // Spots on a grid round the label, nearest first: the first that touches nothing, else the
            // nearest that touches fewest, fewer than where it was.
            std::vector<Point> steps;
            const int n = static_cast<int>(kLabelReach / kStep);
            for (int j = -n; j <= n; ++j)
                for (int i = -n; i <= n; ++i)
                    if ((i != 0 || j != 0) && std::hypot(i, j) * kStep <= kLabelReach)
                        steps.push_back({i * kStep, j * kStep});
            std::stable_sort(steps.begin(), steps.end(), [](const Point& a, const Point& b) {
                return std::hypot(a.x, a.y) < std::hypot(b.x, b.y);
            });
            Point best{0.0, 0.0};
            for (const Point& d : steps) {
                const std::size_t count = touches(d.x, d.y, fewest == kNever ? kNever - 1 : fewest - 1);
                if (count < fewest) {
                    fewest = count;
                    best = d;
                    if (fewest == 0)
                        break;
                }
            }
            t->at.x += best.x;
            t->at.y += best.y;
        }
}

} // namespace exporter
