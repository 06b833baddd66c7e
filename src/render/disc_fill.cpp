#include "render/disc_fill.h"

#include "render/pixel_fill.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace exporter {

namespace {

/// Control-point distance of a quarter circle's cubic Bézier, in radii.
constexpr double kKappa = 0.5522847498;
/// Most halvings of a quarter, and the flatness wanted of each piece in pixels (chord-weighted).
constexpr int kMaxHalvings = 9;
constexpr double kFlatness = 0.25;
/// Smallest radius handled, pixels: below it the painter's outline is not found again exactly.
constexpr double kMinRadius = 2.5;
/// Largest disc handled, pixels across.
constexpr double kMaxAcross = 500.0;
/// Fixed point of the scan: 16 fraction bits; corners are taken to 1/64 pixel first.
constexpr int kFractionBits = 16;
constexpr std::int64_t kOne = std::int64_t(1) << kFractionBits;
constexpr std::int64_t kHalfPixel = kOne / 2;
/// How close, in fixed-point units, a crossing may pass a pixel's centre before the painter's
/// own rounding could decide otherwise.
constexpr std::int64_t kTieMargin = 2;
/// How close, relatively, a flattening choice or a corner's rounding may come to its threshold
/// before the painter's arithmetic on the picture's coordinates (not the centre's) could differ.
constexpr double kChoiceMargin = 1e-9, kRoundingMargin = 1e-6;
/// Outlines kept at most; a new radius beyond them starts the store afresh.
constexpr std::size_t kMaxOutlines = 4096;

struct Pt
{
    double x, y;
};

Pt mid(Pt a, Pt b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

/// Adds to `out` the end points of the pieces of the cubic a, b, c, d halved until each lies
/// within the flatness of its chord (or after kMaxHalvings halvings); clears `sure` when a
/// choice comes too close to call.
template <typename Out>
void flatten(Out& out, bool& sure, Pt a, Pt b, Pt c, Pt d, int halvings)
{
    const double dx = d.x - a.x, dy = d.y - a.y;
    double chord = std::fabs(dx) + std::fabs(dy), off;
    if (std::fabs(chord - 1.0) < kChoiceMargin)
        sure = false;
    if (chord > 1.0) {
        off = std::fabs(dx * (a.y - b.y) - dy * (a.x - b.x)) + std::fabs(dx * (a.y - c.y) - dy * (a.x - c.x));
    } else {
        off = std::fabs(a.x - b.x) + std::fabs(a.y - b.y) + std::fabs(a.x - c.x) + std::fabs(a.y - c.y);
        chord = 1.0;
    }
    if (halvings > 0 && std::fabs(off - kFlatness * chord) < kChoiceMargin * (chord + 1.0) * (chord + 1.0))
        sure = false;
    if (off < kFlatness * chord || halvings == 0) {
        out.push_back({d.x, d.y});
        return;
    }
    const Pt ab = mid(a, b), bc = mid(b, c), cd = mid(c, d), abc = mid(ab, bc), bcd = mid(bc, cd), m = mid(abc, bcd);
    flatten(out, sure, a, ab, abc, m, halvings - 1);
    flatten(out, sure, m, bcd, cd, d, halvings - 1);
}

/// Whether fixed-point `v` lies within the tie margin of a pixel's centre line.
bool nearCentre(std::int64_t v)
{
    const std::int64_t f = (v - kHalfPixel) & (kOne - 1);
    return f <= kTieMargin || f >= kOne - kTieMargin;
}

} // namespace

DiscFill::Outline DiscFill::flattened(double radius)
{
    Outline o;
    // The painter's rectangle about the centre 0, 0 and its quarters from the right-hand point,
    // anticlockwise on the page.
    const double left = -radius, w = 2 * radius, c = left + w / 2;
    const Pt ends[4] = {{left + w, c}, {c, left}, {left, c}, {c, left + w}};
    o.corners.push_back({ends[0].x, ends[0].y});
    for (int q = 0; q < 4; ++q) {
        const Pt a = ends[q], d = ends[(q + 1) % 4];
        const Pt b{a.x + kKappa * (d.x - c), a.y + kKappa * (d.y - c)};
        const Pt e{d.x + kKappa * (a.x - c), d.y + kKappa * (a.y - c)};
        flatten(o.corners, o.sure, a, b, e, d, kMaxHalvings);
    }
    return o;
}

std::shared_ptr<const DiscFill::Outline> DiscFill::sharedOutline(double radius)
{
    static std::mutex mutex;
    static std::unordered_map<std::uint64_t, std::shared_ptr<const Outline>> byRadius;
    const auto key = std::bit_cast<std::uint64_t>(radius);
    const std::lock_guard lock(mutex);
    auto it = byRadius.find(key);
    if (it == byRadius.end()) {
        if (byRadius.size() >= kMaxOutlines)
            byRadius.clear(); // those in use stay with their DiscFill
        it = byRadius.emplace(key, std::make_shared<const Outline>(flattened(radius))).first;
    }
    return it->second;
}

const DiscFill::Outline& DiscFill::outline(double radius)
{
    const auto key = std::bit_cast<std::uint64_t>(radius);
    Kept& kept = m_kept[(key * 0x9e3779b97f4a7c15u) >> (64 - kKeptBits)];
    if (!kept.outline || kept.radiusBits != key)
        kept = {key, sharedOutline(radius)};
    return *kept.outline;
}

bool DiscFill::fill(const PixelRows& image, double centreX, double centreY, double radius, QRgb colour)
{
    const double left = centreX - radius, top = centreY - radius, across = 2 * radius;
    if (!(radius >= kMinRadius && across < kMaxAcross && left >= 1.0 && top >= 1.0
          && left + across <= image.width - 1.0 && top + across <= image.height - 1.0))
        return false;
    // On whole pixels the painter draws the ellipse another way.
    if (left == std::floor(left) && top == std::floor(top) && across == std::floor(across))
        return false;
    const Outline& o = outline(radius);
    if (!o.sure)
        return false;

    // The corners in the picture, to the nearest 1/64 pixel; one half way between two steps may be
    // rounded either way.
    const std::size_t n = o.corners.size();
    m_x.resize(n);
    m_y.resize(n);
    std::int64_t maxY = std::numeric_limits<std::int64_t>::min();
    // The disc lies inside the picture: every coordinate is positive, truncation is floor.
    const auto nearest = [](double v, std::int64_t& out) {
        const auto whole = static_cast<std::int64_t>(v);
        const double fraction = v - static_cast<double>(whole);
        out = (whole + (fraction > 0.5 ? 1 : 0)) << (kFractionBits - 6);
        return std::fabs(fraction - 0.5) >= kRoundingMargin;
    };
    for (std::size_t i = 0; i < n; ++i) {
        if (!nearest((centreX + o.corners[i].x) * 64, m_x[i]) || !nearest((centreY + o.corners[i].y) * 64, m_y[i]))
            return false;
        maxY = std::max(maxY, m_y[i]);
    }
    // A corner at the bottom on a row's centre line and a column's: the painter sets that pixel.
    // (Off a column's centre, that row gets no pixel from it, nor from a top corner on a row's
    // centre line; a top corner on both centres meets a crossing at a centre below.)
    if (nearCentre(maxY))
        for (std::size_t i = 0; i < n; ++i)
            if (m_y[i] == maxY && nearCentre(m_x[i]))
                return false;

    // Each row's leftmost and rightmost crossing of its pixels' centre line.
    const auto firstRow = static_cast<std::int64_t>(top);
    const auto rows = static_cast<std::size_t>(across) + 2;
    m_lo.assign(rows, std::numeric_limits<std::int64_t>::max());
    m_hi.assign(rows, std::numeric_limits<std::int64_t>::min());
    m_crossings.assign(rows, 0);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::int64_t x0 = m_x[i], y0 = m_y[i], x1 = m_x[i + 1], y1 = m_y[i + 1];
        if (y0 == y1)
            continue;
        if (y0 > y1) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        // The rows whose centre line s has y0 ≤ s < y1; a short edge often crosses none.
        const std::int64_t fromRow = (y0 - kHalfPixel + kOne - 1) >> kFractionBits;
        const std::int64_t toRow = (y1 - kHalfPixel + kOne - 1) >> kFractionBits;
        if (fromRow >= toRow)
            continue;
        const std::int64_t slope = ((x1 - x0) << kFractionBits) / (y1 - y0);
        for (std::int64_t row = fromRow; row < toRow; ++row) {
            const std::int64_t s = (row << kFractionBits) + kHalfPixel;
            const std::int64_t x = x0 + (((s - y0) * slope) >> kFractionBits);
            const auto k = static_cast<std::size_t>(row - firstRow);
            if (nearCentre(x) || k >= rows)
                return false;
            m_lo[k] = std::min(m_lo[k], x);
            m_hi[k] = std::max(m_hi[k], x);
            ++m_crossings[k];
        }
    }
    for (std::size_t k = 0; k < rows; ++k)
        if (m_crossings[k] != 0 && m_crossings[k] != 2)
            return false;

    uchar* const bits = image.bits;
    const qsizetype perLine = image.perLine;
    const QImage::Format format = image.format;
    for (std::size_t k = 0; k < rows; ++k) {
        if (m_crossings[k] == 0)
            continue;
        // The pixels whose centres lie in (lo, hi].
        const std::int64_t from = ((m_lo[k] - kHalfPixel) >> kFractionBits) + 1;
        const std::int64_t to = (m_hi[k] - kHalfPixel) >> kFractionBits;
        if (to < from)
            continue;
        fillRun(bits + (firstRow + static_cast<std::int64_t>(k)) * perLine, format, static_cast<int>(from),
                static_cast<int>(to - from + 1), colour);
    }
    return true;
}

} // namespace exporter
