#include "kit/outline_index.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace kit {

namespace {

/// Cells along the longer side of the outline's box.
constexpr int kCellsAcross = 64;
/// Cells of the clearance grid along the longer side of the outline's box.
constexpr int kClearanceCellsAcross = 256;
/// Farther than anything.
constexpr double kFar = std::numeric_limits<double>::infinity();

/// The first place in the sorted `v` whose value is not below `x` (`orEqual`: above `x`), as
/// std::lower_bound (std::upper_bound) finds it, without a branch that depends on the values.
std::size_t firstFrom(const std::vector<double>& v, double x, bool orEqual = false)
{
    if (v.empty())
        return 0;
    const double* base = v.data();
    for (std::size_t n = v.size(); n > 1;) {
        const std::size_t half = n / 2;
        base = (orEqual ? base[half] <= x : base[half] < x) ? base + half : base;
        n -= half;
    }
    return static_cast<std::size_t>(base - v.data()) + ((orEqual ? *base <= x : *base < x) ? 1 : 0);
}

/// A box that holds nothing yet.
constexpr Box kNothing{kFar, kFar, -kFar, -kFar};

/// `b` grown to hold the edge from `p` to `q`.
Box holding(const Box& b, const Point& p, const Point& q)
{
    return {std::min({b.left, p.x, q.x}), std::min({b.top, p.y, q.y}), std::max({b.right, p.x, q.x}),
            std::max({b.bottom, p.y, q.y})};
}

/// Calls `take(r, c)` for each cell, in row r and column c, of a grid of `columns` by `rows`
/// cells of `side` cm from the corner of `box` that the box of the edge from `a` to `b` reaches
/// into (a point beyond the grid counting as in its last row or column).
template <typename Take>
void eachCellOf(const Point& a, const Point& b, const Box& box, double side, int columns, int rows, Take&& take)
{
    const auto column = [&](double x) { return std::clamp(static_cast<int>((x - box.left) / side), 0, columns - 1); };
    const auto row = [&](double y) { return std::clamp(static_cast<int>((y - box.top) / side), 0, rows - 1); };
    for (int r = row(std::min(a.y, b.y)); r <= row(std::max(a.y, b.y)); ++r)
        for (int c = column(std::min(a.x, b.x)); c <= column(std::max(a.x, b.x)); ++c)
            take(r, c);
}

double squaredToSegment(const Point& a, const Point& b, const Point& p)
{
    const Point q = OutlineIndex::nearestOnSegment(a, b, p);
    const double ex = p.x - q.x, ey = p.y - q.y;
    return ex * ex + ey * ey;
}

} // namespace

OutlineIndex::OutlineIndex(Polygon outline) : m_outline(std::move(outline)), m_box(boundingBox(m_outline))
{
    m_cell = std::max({m_box.width(), m_box.height(), 1e-9}) / kCellsAcross;
    m_columns = std::max(1, static_cast<int>(std::ceil(m_box.width() / m_cell)));
    m_rows = std::max(1, static_cast<int>(std::ceil(m_box.height() / m_cell)));
    std::vector<std::vector<std::uint32_t>> cells(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows));
    for (std::size_t i = 0, n = m_outline.size(); i < n; ++i)
        eachCellOf(m_outline[i], m_outline[after(i)], m_box, m_cell, m_columns, m_rows, [&](int r, int c) {
            cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(c)].push_back(
                static_cast<std::uint32_t>(i));
        });
    m_cellStart.push_back(0);
    for (const std::vector<std::uint32_t>& edges : cells) {
        m_edges.insert(m_edges.end(), edges.begin(), edges.end());
        m_cellStart.push_back(static_cast<std::uint32_t>(m_edges.size()));
    }
    m_slack = 1e-9 * (std::max({std::fabs(m_box.left), std::fabs(m_box.right), std::fabs(m_box.top),
                                std::fabs(m_box.bottom), m_box.width(), m_box.height()})
                      + m_cell);

    // The clearance grid: the cells each edge's box reaches into are 0, and the others count the
    // steps to the nearest of those, a step to any of the eight neighbours, in a pass down and one up.
    m_fine = std::max({m_box.width(), m_box.height(), 1e-9}) / kClearanceCellsAcross;
    m_perFine = 1 / m_fine;
    m_fineColumns = std::max(1, static_cast<int>(std::ceil(m_box.width() / m_fine)));
    m_fineRows = std::max(1, static_cast<int>(std::ceil(m_box.height() / m_fine)));
    const auto columns = static_cast<std::size_t>(m_fineColumns);
    m_clearance.assign(columns * static_cast<std::size_t>(m_fineRows), 255);
    for (std::size_t i = 0, n = m_outline.size(); i < n; ++i)
        eachCellOf(m_outline[i], m_outline[after(i)], m_box, m_fine, m_fineColumns, m_fineRows, [&](int r, int c) {
            m_clearance[static_cast<std::size_t>(r) * columns + static_cast<std::size_t>(c)] = 0;
        });
    const auto pass = [&](int from, int to, int step) {
        for (int r = from; r != to; r += step)
            for (int c = from < to ? 0 : m_fineColumns - 1; c >= 0 && c < m_fineColumns; c += step) {
                int least = m_clearance[static_cast<std::size_t>(r) * columns + static_cast<std::size_t>(c)];
                const auto take = [&](int rr, int cc) {
                    if (rr >= 0 && rr < m_fineRows && cc >= 0 && cc < m_fineColumns)
                        least = std::min(least, m_clearance[static_cast<std::size_t>(rr) * columns + static_cast<std::size_t>(cc)] + 1);
                };
                take(r - step, c - 1);
                take(r - step, c);
                take(r - step, c + 1);
                take(r, c - step);
                m_clearance[static_cast<std::size_t>(r) * columns + static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(least);
            }
    };
    pass(0, m_fineRows, 1);
    pass(m_fineRows - 1, -1, -1);
    setGroups(std::vector<std::uint16_t>(m_outline.size(), 0), 1);
}

bool OutlineIndex::clearOf(Point p, double distance) const
{
    const double x = (p.x - m_box.left) * m_perFine, y = (p.y - m_box.top) * m_perFine;
    if (!(x >= 0 && y >= 0 && x < m_fineColumns && y < m_fineRows))
        return false;
    const int c = static_cast<int>(x), r = static_cast<int>(y);
    const int k = m_clearance[static_cast<std::size_t>(r) * static_cast<std::size_t>(m_fineColumns) + static_cast<std::size_t>(c)];
    if (k == 0)
        return false;
    // No edge reaches into the cells fewer than k steps from p's: p is at least as far from every
    // edge as from the rim of their square (cells off the grid hold no edge either).
    const double room = std::min({x - (c - k + 1), c + k - x, y - (r - k + 1), r + k - y}) * m_fine;
    return distance < room - m_slack;
}

void OutlineIndex::setGroups(std::vector<std::uint16_t> groups, std::size_t count)
{
    m_groups = std::move(groups);
    m_groupCount = count;
    m_runs.assign(count, {});
    for (std::size_t i = 0; i < m_outline.size(); ++i) {
        Run& run = m_runs[m_groups[i]];
        run.spread = holding(run.edges.empty() ? kNothing : run.spread, m_outline[i], m_outline[after(i)]);
        run.edges.push_back(static_cast<std::uint32_t>(i));
    }
    for (Run& run : m_runs) {
        run.alongY = run.spread.height() > run.spread.width();
        const auto ends = [&](std::uint32_t i) {
            const Point &a = m_outline[i], &b = m_outline[after(i)];
            return run.alongY ? std::minmax(a.y, b.y) : std::minmax(a.x, b.x);
        };
        std::stable_sort(run.edges.begin(), run.edges.end(),
                         [&](std::uint32_t i, std::uint32_t j) { return ends(i).first < ends(j).first; });
        double highest = -kFar;
        for (std::size_t k = 0; k < run.edges.size(); ++k) {
            const std::uint32_t i = run.edges[k];
            const auto [low, high] = ends(i);
            highest = std::max(highest, high);
            run.low.push_back(low);
            run.high.push_back(high);
            run.highest.push_back(highest);
            if (k % Run::kChunk == 0)
                run.chunks.push_back(kNothing);
            run.chunks.back() = holding(run.chunks.back(), m_outline[i], m_outline[after(i)]);
        }
    }
}

template <typename Farther, typename Measure>
bool OutlineIndex::searchRun(const Run& run, Point p, double reach, Farther&& farther, Measure&& measure) const
{
    const Box& b = run.spread;
    if (run.edges.empty() || b.left - p.x > reach || p.x - b.right > reach || b.top - p.y > reach || p.y - b.bottom > reach)
        return false; // the whole group lies farther off
    // The edges that may reach into from … to along the run, and the chunk where p stands.
    const double at = run.alongY ? p.y : p.x, from = at - reach, to = at + reach;
    const std::size_t first = firstFrom(run.highest, from), last = firstFrom(run.low, to, true);
    if (first >= last)
        return false;
    const std::size_t c0 = first / Run::kChunk, c1 = (last - 1) / Run::kChunk;
    // (The stretch reaches as far either side of p: the middle of its edges is about where p is.)
    const std::size_t middle = (first + last - 1) / 2 / Run::kChunk;
    const auto search = [&](std::size_t chunk) {
        const Box& box = run.chunks[chunk];
        const double dx = std::max({0.0, box.left - p.x - m_slack, p.x - box.right - m_slack});
        const double dy = std::max({0.0, box.top - p.y - m_slack, p.y - box.bottom - m_slack});
        if (farther((dx * dx + dy * dy) * (1 - 1e-9)))
            return false;
        for (std::size_t k = std::max(first, chunk * Run::kChunk), end = std::min(last, (chunk + 1) * Run::kChunk); k < end; ++k)
            if (run.high[k] >= from && measure(run.edges[k]))
                return true;
        return false;
    };
    if (search(middle))
        return true;
    for (std::size_t step = 1; middle >= c0 + step || middle + step <= c1; ++step)
        if ((middle >= c0 + step && search(middle - step)) || (middle + step <= c1 && search(middle + step)))
            return true;
    return false;
}

void OutlineIndex::nearestInGroups(Point p, double distance, std::vector<std::optional<Near>>& nearest,
                                   const std::vector<bool>& wanted) const
{
    assert(m_groups.size() == m_outline.size() && "setGroups first");
    assert((wanted.empty() || wanted.size() == m_groupCount) && "a wish for each group");
    nearest.assign(m_groupCount, std::nullopt);
    const std::optional<Probe> probe = probeFor(p, distance);
    if (!probe)
        return;
    // An edge nearer than `distance` reaches within it of p in either direction; a little more
    // is searched, against rounding. From p's chunk outwards, so that the nearest is soon known
    // and the chunks that cannot hold one as near are passed over.
    const double reach = distance * (1 + 1e-9) + m_slack;
    for (std::size_t g = 0; g < m_groupCount; ++g) {
        if (!wanted.empty() && !wanted[g])
            continue;
        std::optional<Near>& best = nearest[g];
        searchRun(
            m_runs[g], p, reach, [&](double lowest) { return best && lowest > best->squared; },
            [&](std::uint32_t i) {
                const std::optional<Near> near = measured(i, *probe);
                if (near && (!best || near->before(*best)))
                    best = near;
                return false;
            });
    }
}

OutlineIndex::CellRange OutlineIndex::cellsWithin(Point p, double distance) const
{
    // A reach beyond the box's size covers every cell (and keeps the cell numbers finite).
    const double reach = std::min(distance, m_box.width() + m_box.height() + m_cell);
    const auto cell = [this](double v, double origin, int count) {
        return std::clamp(static_cast<int>(std::floor((v - origin) / m_cell)), 0, count - 1);
    };
    return {cell(p.x - reach, m_box.left, m_columns), cell(p.x + reach, m_box.left, m_columns),
            cell(p.y - reach, m_box.top, m_rows), cell(p.y + reach, m_box.top, m_rows)};
}

bool OutlineIndex::within(Point p, double distance) const
{
    // No point lies nearer than no distance, or than one that is no number.
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !(distance > 0) || m_outline.empty())
        return false;
    if (p.x + distance < m_box.left || p.x - distance > m_box.right || p.y + distance < m_box.top
        || p.y - distance > m_box.bottom)
        return false;
    if (clearOf(p, distance))
        return false;
    const double limit = distance * distance, reach = distance * (1 + 1e-9) + m_slack;
    return std::any_of(m_runs.begin(), m_runs.end(), [&](const Run& run) {
        return searchRun(
            run, p, reach, [&](double lowest) { return lowest >= limit; },
            [&](std::uint32_t i) { return squaredToSegment(m_outline[i], m_outline[after(i)], p) < limit; });
    });
}

} // namespace kit
