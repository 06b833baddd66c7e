#include "kit/outline_index.h"

#include <algorithm>
#include <cmath>

namespace kit {

namespace {

/// Cells along the longer side of the outline's box.
constexpr int kCellsAcross = 64;

Point nearestOnSegment(const Point& a, const Point& b, const Point& p)
{
    const Point d = b - a;
    const double length2 = dot(d, d);
    const double t = length2 > 0 ? std::clamp(dot(p - a, d) / length2, 0.0, 1.0) : 0.0;
    return a + t * d;
}

double squaredToSegment(const Point& a, const Point& b, const Point& p)
{
    const Point q = nearestOnSegment(a, b, p);
    const Point e = p - q;
    return dot(e, e);
}

} // namespace

OutlineIndex::OutlineIndex(Polygon outline) : m_outline(std::move(outline)), m_box(boundingBox(m_outline))
{
    m_cell = std::max({m_box.width(), m_box.height(), 1e-9}) / kCellsAcross;
    m_columns = std::max(1, static_cast<int>(std::ceil(m_box.width() / m_cell)));
    m_rows = std::max(1, static_cast<int>(std::ceil(m_box.height() / m_cell)));
    m_cells.resize(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows));
    const auto column = [this](double x) { return std::clamp(static_cast<int>((x - m_box.left) / m_cell), 0, m_columns - 1); };
    const auto row = [this](double y) { return std::clamp(static_cast<int>((y - m_box.top) / m_cell), 0, m_rows - 1); };
    for (std::size_t i = 0, n = m_outline.size(); i < n; ++i) {
        const Point& a = m_outline[i];
        const Point& b = m_outline[(i + 1) % n];
        for (int r = row(std::min(a.y, b.y)); r <= row(std::max(a.y, b.y)); ++r)
            for (int c = column(std::min(a.x, b.x)); c <= column(std::max(a.x, b.x)); ++c)
                m_cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(c)]
                    .push_back(static_cast<std::uint32_t>(i));
    }
}

OutlineIndex::Near OutlineIndex::nearOf(Point p, std::size_t i) const
{
    const Point q = nearestOnSegment(m_outline[i], m_outline[(i + 1) % m_outline.size()], p);
    return {i, q, distance(q, p)};
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
    const double limit = distance * distance;
    const CellRange cells = cellsWithin(p, distance);
    const int c0 = cells.c0, c1 = cells.c1, r0 = cells.r0, r1 = cells.r1;
    const std::size_t n = m_outline.size();
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            for (const std::uint32_t i :
                 m_cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(c)])
                if (squaredToSegment(m_outline[i], m_outline[(i + 1) % n], p) < limit)
                    return true;
    return false;
}

} // namespace kit
