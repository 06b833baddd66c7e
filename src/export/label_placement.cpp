#include "export/label_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

namespace exporter {

namespace {

using scene::Point;

/// Line width of a hairline on paper as a renderer draws it, centimetres, for the room it takes.
constexpr double kHairline = 0.02;
/// Steps of the search for a clear spot, centimetres, and steps a centimetre.
constexpr double kStep = 0.1;
constexpr double kPerStep = 1 / kStep;

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

/// The spots a label may move to: its box moved by (i, j) steps and grown by the clearance, for
/// i and j from -reach to reach.
struct Spots
{
    LabelBox box;
    int reach = 0;

    LabelBox at(int i, int j) const { return grown(moved(box, i * kStep, j * kStep), kLabelClearance); }
    std::size_t side() const { return 2 * static_cast<std::size_t>(reach) + 1; }
    std::size_t index(int i, int j) const { return static_cast<std::size_t>(j + reach) * side() + static_cast<std::size_t>(i + reach); }
};

/// A dot as a label meets it: where it is and how far it reaches, its hairline left out.
struct Disc
{
    Point centre;
    double radius;
};

/// How many of `dots` each spot touches, indexed by Spots::index. A dot touches the spots of a
/// run of rows, and in each row a run of neighbouring spots: the runs are found from the
/// geometry, their ends settled by dotMeets itself, and the runs added up row by row.
std::vector<std::uint32_t> dotsPerSpot(const Spots& spots, const std::vector<Disc>& dots)
{
    const int n = spots.reach;
    const std::size_t side = spots.side();
    std::vector<std::int32_t> runs(side * (side + 1), 0); // per row: +1 where a run starts, -1 past its end
    const double c = kLabelClearance;
    // Each row's spots, from row -n - 1 on: all rows' spots start and end alike across.
    std::vector<LabelBox> rows;
    rows.reserve(side + 2);
    for (int j = -n - 1; j <= n + 1; ++j)
        rows.push_back(spots.at(0, j));
    for (const Disc& d : dots) {
        const double r = d.radius + kHairline;
        const Point p = d.centre;
        const auto meets = [&](int i, int j) { return dotMeets(p, r, spots.at(i, j)); };
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(r))
            continue; // it touches no spot
        // Step counts are clamped while still doubles, a far dot's not fitting an int, to half a
        // step and more beyond where they are clamped to in the end: the whole numbers above and
        // below them, found from the int they cut down to, then come out as of the unclamped counts.
        const auto wholeAbove = [](double x) {
            const int cut = static_cast<int>(x);
            return cut + (x > cut ? 1 : 0);
        };
        const auto wholeBelow = [](double x) {
            const int cut = static_cast<int>(x);
            return cut - (x < cut ? 1 : 0);
        };
        const int j0 = std::clamp(wholeAbove(std::clamp((p.y - r - spots.box.bottom - c) / kStep, -n - 1.5, n + 2.5)) - 1, -n, n + 1);
        const int j1 = std::clamp(wholeBelow(std::clamp((p.y + r - spots.box.top + c) / kStep, -n - 2.5, n + 1.5)) + 1, -n - 1, n);
        std::optional<std::pair<int, int>> level; // the run of the rows the centre lies level with, all alike
        for (int j = j0; j <= j1; ++j) {
            const LabelBox& row = rows[static_cast<std::size_t>(j + n + 1)];
            const double dy = p.y - std::clamp(p.y, row.top, row.bottom);
            if (std::abs(dy) > r * (1 + 1e-6))
                continue;
            const std::size_t start = static_cast<std::size_t>(j + n) * (side + 1);
            if (dy == 0.0 && level) {
                if (level->first <= level->second) {
                    ++runs[start + static_cast<std::size_t>(level->first + n)];
                    --runs[start + static_cast<std::size_t>(level->second + n) + 1];
                }
                continue;
            }
            const double h = std::sqrt(std::max(0.0, r * r - dy * dy));
            // (Steps by a multiplication: its rounding differs from a division's by far less than
            // the millionth of a step within which the ends are settled below.)
            // (Ends clamped as the step counts above: one beyond the spots by more than a step
            // needs no settling, the spot at the rim lying well inside it.)
            const double first = std::clamp((p.x - h - row.right) * kPerStep, -n - 2.5, n + 2.5);
            const double last = std::clamp((p.x + h - row.left) * kPerStep, -n - 2.5, n + 2.5);
            const int above = wholeAbove(first), below = wholeBelow(last);
            int lo = std::clamp(above, -n, n + 1);
            int hi = std::clamp(below, -n - 1, n);
            // The ends are settled by dotMeets where rounding could put a spot on either side: a
            // spot within a millionth of a step of the rim (x within a millionth of the whole
            // number nearest to it, `whole` the one at or above it), or a row the dot barely reaches.
            const auto close = [](double x, int whole) { return whole - x < 1e-6 || x - (whole - 1) < 1e-6; };
            if (close(first, above) || close(-last, -below) || h < 1e-3 * r) {
                while (lo > -n && meets(lo - 1, j))
                    --lo;
                while (lo <= hi && !meets(lo, j))
                    ++lo;
                while (hi < n && hi >= lo && meets(hi + 1, j))
                    ++hi;
                while (hi >= lo && !meets(hi, j))
                    --hi;
            }
            if (dy == 0.0)
                level = {lo, hi};
            if (lo > hi)
                continue;
            ++runs[start + static_cast<std::size_t>(lo + n)];
            --runs[start + static_cast<std::size_t>(hi + n) + 1];
        }
    }
    std::vector<std::uint32_t> counts(side * side);
    for (std::size_t j = 0; j < side; ++j) {
        std::int32_t sum = 0;
        for (std::size_t i = 0; i < side; ++i) {
            sum += runs[j * (side + 1) + i];
            counts[j * side + i] = static_cast<std::uint32_t>(sum);
        }
    }
    return counts;
}

/// The ink of one template near a label, to test spots against.
struct Obstacles
{
    std::vector<Segment> lines;  ///< every line drawn, the cut outline and fold lines included
    std::vector<Point> barriers; ///< pairs: segments a label never moves across (cut, folds)
    std::vector<Disc> dots;
    std::vector<LabelBox> texts;
    std::vector<std::vector<Point>> outlines; ///< the cut outlines' runs

    /// `dots` and how many texts and lines `box` touches, counted up to `limit` + 1; kNever when
    /// it touches a cut or fold line.
    std::size_t touched(const LabelBox& box, std::size_t dots, std::size_t limit) const
    {
        std::size_t n = dots;
        for (const Segment& s : lines)
            if (crosses(s.a, s.b, grown(box, s.pad))) {
                if (s.barrier)
                    return kNever;
                if (++n > limit)
                    return n;
            }
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
    // Room for every item as a dot: only what is written of it takes memory, and the list of a
    // star-filled piece is not copied to grow.
    std::size_t items = 0;
    for (const scene::Layer& layer : s.layers)
        items += layer.items.size();
    o.dots.reserve(items);
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items) {
            if (const auto* d = std::get_if<scene::Dot>(&item)) {
                const double r = std::max(d->radius, scene::kMinPrintRadius);
                if (LabelBox{d->centre.x - r, d->centre.y - r, d->centre.x + r, d->centre.y + r}.meets(area))
                    o.dots.push_back({d->centre, r});
            } else if (const auto* t = scene::itemIf<scene::Text>(&item)) {
                if (t != self && !t->text.empty() && textBox(*t).meets(area))
                    o.texts.push_back(textBox(*t));
            } else if (const auto* p = scene::itemIf<scene::Path>(&item)) {
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
                        o.dots.push_back({run.front(), std::max(p->dotRadius, scene::kMinPrintRadius)});
                }
            }
        }
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
            auto* t = scene::itemIf<scene::Text>(&item);
            if (!t || t->role != scene::Role::PieceLabel || t->text.empty())
                continue;
            const LabelBox box = textBox(*t);
            const Obstacles near = obstaclesNear(s, t, grown(box, kLabelReach + kLabelClearance));
            if (near.outlines.empty())
                continue;
            const Spots spots{box, static_cast<int>(kLabelReach / kStep)};
            std::vector<std::uint32_t> dots; // per spot, counted once a spot other than the label's own is needed
            // What the spot (i, j) touches, kNever when it is off the piece or across a fold from the label's place.
            const auto touches = [&](int i, int j, std::size_t limit) {
                const LabelBox at = moved(box, i * kStep, j * kStep);
                const std::size_t onSpot = dots.empty() ? dotsPerSpot(Spots{at, 0}, near.dots)[0] : dots[spots.index(i, j)];
                if (onSpot > limit)
                    return kNever; // its dots alone are too many: the lines need not be looked at
                const std::size_t n = near.touched(spots.at(i, j), onSpot, limit);
                return n <= limit && near.enclosed(at) && near.reachable(centre(box), centre(at)) ? n : kNever;
            };
            std::size_t fewest = touches(0, 0, kNever - 1);
            if (fewest == 0)
                continue;
            dots = dotsPerSpot(spots, near.dots);
            // Spots on a grid round the label, nearest first: the first that touches nothing, else the
            // nearest that touches fewest, fewer than where it was.
            struct Step
            {
                int i, j;
                double distance;
            };
            std::vector<Step> steps;
            for (int j = -spots.reach; j <= spots.reach; ++j)
                for (int i = -spots.reach; i <= spots.reach; ++i)
                    if ((i != 0 || j != 0) && std::hypot(i, j) * kStep <= kLabelReach)
                        steps.push_back({i, j, std::hypot(i * kStep, j * kStep)});
            std::stable_sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) { return a.distance < b.distance; });
            Point best{0.0, 0.0};
            for (const Step& d : steps) {
                const std::size_t count = touches(d.i, d.j, fewest == kNever ? kNever - 1 : fewest - 1);
                if (count < fewest) {
                    fewest = count;
                    best = {d.i * kStep, d.j * kStep};
                    if (fewest == 0)
                        break;
                }
            }
            t->at.x += best.x;
            t->at.y += best.y;
        }
}

} // namespace exporter
