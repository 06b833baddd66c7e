#include "kit/outline_index.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace kit {

namespace {

/// Cells along the longer side of the outline's box.
constexpr int kCellsAcross = 64;
/// Cells of the clearance grid along the longer side of the outline's box.
constexpr int kClearanceCellsAcross = 256;

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
    const auto column = [this](double x) { return std::clamp(static_cast<int>((x - m_box.left) / m_cell), 0, m_columns - 1); };
    const auto row = [this](double y) { return std::clamp(static_cast<int>((y - m_box.top) / m_cell), 0, m_rows - 1); };
    for (std::size_t i = 0, n = m_outline.size(); i < n; ++i) {
        const Point& a = m_outline[i];
        const Point& b = m_outline[after(i)];
        for (int r = row(std::min(a.y, b.y)); r <= row(std::max(a.y, b.y)); ++r)
            for (int c = column(std::min(a.x, b.x)); c <= column(std::max(a.x, b.x)); ++c)
                cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(c)]
                    .push_back(static_cast<std::uint32_t>(i));
    }
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
    m_fineColumns = std::max(1, static_cast<int>(std::ceil(m_box.width() / m_fine)));
    m_fineRows = std::max(1, static_cast<int>(std::ceil(m_box.height() / m_fine)));
    const auto columns = static_cast<std::size_t>(m_fineColumns);
    m_clearance.assign(columns * static_cast<std::size_t>(m_fineRows), 255);
    const auto fineColumn = [this](double x) { return std::clamp(static_cast<int>((x - m_box.left) / m_fine), 0, m_fineColumns - 1); };
    const auto fineRow = [this](double y) { return std::clamp(static_cast<int>((y - m_box.top) / m_fine), 0, m_fineRows - 1); };
    for (std::size_t i = 0, n = m_outline.size(); i < n; ++i) {
        const Point& a = m_outline[i];
        const Point& b = m_outline[after(i)];
        for (int r = fineRow(std::min(a.y, b.y)); r <= fineRow(std::max(a.y, b.y)); ++r)
            for (int c = fineColumn(std::min(a.x, b.x)); c <= fineColumn(std::max(a.x, b.x)); ++c)
                m_clearance[static_cast<std::size_t>(r) * columns + static_cast<std::size_t>(c)] = 0;
    }
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
}

bool OutlineIndex::clearOf(Point p, double distance) const
{
    const double x = (p.x - m_box.left) / m_fine, y = (p.y - m_box.top) / m_fine;
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
    m_cellGroups.assign(m_cellStart.size() - 1, {});
    for (std::size_t c = 0; c + 1 < m_cellStart.size(); ++c)
        for (const std::uint32_t i : cell(c))
            if (std::find(m_cellGroups[c].begin(), m_cellGroups[c].end(), m_groups[i]) == m_cellGroups[c].end())
                m_cellGroups[c].push_back(m_groups[i]);
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
    const auto isWanted = [&](std::uint16_t g) { return wanted.empty() || wanted[g]; };
    if (!wanted.empty() && std::none_of(wanted.begin(), wanted.end(), [](bool w) { return w; }))
        return;
    const auto consider = [&](std::size_t i) {
        if (!isWanted(m_groups[i]))
            return;
        const std::optional<Near> near = measured(i, *probe);
        std::optional<Near>& best = nearest[m_groups[i]];
        if (near && (!best || near->before(*best)))
            best = near;
    };
    const CellRange range = cellsWithin(p, distance);
    if (coversEveryEdge(range)) {
        for (std::size_t i = 0; i < m_outline.size(); ++i)
            consider(i);
        return;
    }
    // The cells by how near to `p` any of their points may lie (squared, kept a hair short of it
    // against rounding): an edge's point nearest to `p` lies in one of the cells it is sorted into.
    struct Cell
    {
        double lowest;
        std::size_t at;
    };
    thread_local std::vector<Cell> cells;
    cells.clear();
    for (int r = range.r0; r <= range.r1; ++r)
        for (int c = range.c0; c <= range.c1; ++c) {
            const std::size_t at = static_cast<std::size_t>(r) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(c);
            if (std::none_of(m_cellGroups[at].begin(), m_cellGroups[at].end(), isWanted))
                continue;
            const double x0 = m_box.left + c * m_cell, y0 = m_box.top + r * m_cell;
            const double dx = std::max({0.0, x0 - p.x, p.x - (x0 + m_cell)}), dy = std::max({0.0, y0 - p.y, p.y - (y0 + m_cell)});
            const double lowest = (dx * dx + dy * dy) * (1 - 1e-9) - 1e-9 * m_cell * m_cell;
            if (lowest <= probe->above)
                cells.push_back({lowest, at});
        }
    std::sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) { return a.lowest < b.lowest; });
    for (const Cell& cell : cells) {
        const bool useful = std::any_of(m_cellGroups[cell.at].begin(), m_cellGroups[cell.at].end(), [&](std::uint16_t g) {
            return isWanted(g) && (!nearest[g] || cell.lowest <= nearest[g]->squared);
        });
        if (useful)
            for (const std::uint32_t i : this->cell(cell.at))
                consider(i);
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
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::isnan(distance) || m_outline.empty())
        return false;
    if (p.x + distance < m_box.left || p.x - distance > m_box.right || p.y + distance < m_box.top
        || p.y - distance > m_box.bottom)
        return false;
    if (clearOf(p, std::fabs(distance)))
        return false;
    const double limit = distance * distance;
    const CellRange cells = cellsWithin(p, distance);
    const int c0 = cells.c0, c1 = cells.c1, r0 = cells.r0, r1 = cells.r1;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            for (const std::uint32_t i : cell(r, c))
                if (squaredToSegment(m_outline[i], m_outline[after(i)], p) < limit)
                    return true;
    return false;
}

} // namespace kit
