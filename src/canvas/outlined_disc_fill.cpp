#include "canvas/outlined_disc_fill.h"

#include <QtGlobal>

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

// The pixels are found with the painter's own steps: every sum, product and rounding below is
// done in the same order as the painter's, so that the same pixels come out. Each radius's
// outlines are made once about the centre 0, 0 and moved to each dot; where a choice in making
// them, or a corner moved, comes so near its threshold that the painter, working from the
// picture's origin, might decide it otherwise, the dot's outlines are made afresh on its own
// coordinates, on the very values the painter takes. (Built without contracting a product and a
// sum into one step, which would round differently.)

namespace canvas {

namespace {

/// Control-point distance of the ellipse's quarters, in half-widths, as the painter takes it.
constexpr double kKappa = 0.5522847498;
/// Most halvings of a quarter before its pieces are stroked as lines, or taken as the brush's edges.
constexpr int kMaxHalvings = 6, kMaxFillHalvings = 9;
/// How far, in pixels, a piece of the brush's outline may lie from its chord (weighted by the chord).
constexpr double kFlatness = 0.25;
/// Most crossings one row holds: a flattened circle crosses each row twice.
constexpr int kSlots = 6;
/// Largest disc handled, pixels across.
constexpr double kMaxAcross = 4096.0;
/// Farthest from the picture's origin a dot is taken, pixels: far within the painter's own limits.
constexpr double kFar = 1 << 20;
/// Outlines kept at most, one a radius; a new radius beyond them starts afresh.
constexpr std::size_t kMaxKept = 4096;
/// Outlines kept about the centre serve pictures up to this many pixels on a side: within it, a
/// corner found from the centre lies within far less than the margins below of where the painter
/// finds it from the picture's origin.
constexpr double kKeptReach = 32768.0;
/// A pixel in the outlines moved to a dot: 1/64 pixel with 32 more fraction bits.
constexpr double kMovedOne = 64.0 * 4294967296.0;
/// How close, relatively, a flattening choice may come to its threshold, and a corner (in 1/64
/// pixels) to a rounding step, before the painter's arithmetic on the picture's coordinates
/// could make it differently.
constexpr double kChoiceMargin = 1e-7, kRoundingMargin = 1e-6;
/// How close to whole pixels the painter's rectangle may come before the painter might take it
/// as lying on them and draw the ellipse another way.
constexpr double kWholeMargin = 1e-6;

/// Which way a line was stepped, so that where the outline turns no pixel is left out or set twice.
enum Direction : int {
    NoDirection = 0,
    TopToBottom = 0x1,
    BottomToTop = 0x2,
    LeftToRight = 0x4,
    RightToLeft = 0x8,
    VerticalMask = 0x3,
    HorizontalMask = 0xc
};
/// Half a pixel added at a line's start or end where the outline turns back.
enum Caps : int { NoCaps = 0, CapBegin = 0x1, CapEnd = 0x2 };

struct Pixel
{
    int x, y;
};
struct Pt
{
    double x, y;
};

/// Fixed point with 16 fraction bits, stepping along a line.
using Fixed16 = std::int64_t;

/// To 1/64 pixel, truncated.
int sixtyFourths(double v) { return static_cast<int>(v * 64.); }
Fixed16 fixedQuotient(int a, int b) { return Fixed16(a) * (1 << 16) / b; }
int swappedCaps(int caps) { return ((caps & CapBegin) << 1) | ((caps & CapEnd) >> 1); }

/// Lengthens a line by half a pixel at a capped start or end: `from` and `to` along the line's
/// main axis, `across` the other coordinate stepped by `step`.
void lengthen(int caps, int& from, int& to, Fixed16& across, Fixed16 step)
{
    if (caps & CapBegin) {
        from -= 32;
        across -= step >> 1;
    }
    if (caps & CapEnd)
        to += 32;
}

bool nearWhole(double v) { return std::fabs(v - std::round(v)) <= kWholeMargin; }

/// A picture's 32-bit pixels.
struct Pixels
{
    uchar* bits;
    qsizetype perLine;
    int width, height;

    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits + static_cast<qsizetype>(y) * perLine); }
};

/// Sets the pixels from `from` up to `to` of a row to `colour`, four at a time where it can.
void fillRun(QRgb* from, QRgb* to, QRgb colour)
{
    const QRgb four[4] = {colour, colour, colour, colour};
    for (; to - from >= 4; from += 4)
        std::memcpy(from, four, sizeof four);
    for (; from < to; ++from)
        *from = colour;
}

/// One closed outline of one-pixel lines, aliased, each pixel set to one colour.
class Stroke
{
public:
    Stroke(const Pixels& pixels, QRgb colour)
        : m_pixels(pixels), m_colour(colour), m_xmin(-1), m_xmax(pixels.width + 1), m_ymin(-1),
          m_ymax(pixels.height + 1)
    {}

    /// The closed outline through the `count` corners of `xs`, `ys` (1/64 pixels), the last the
    /// first again; `closing` the line of control points it ends along, which tells how the
    /// first line meets the last.
    void closedPolyline(const int* xs, const int* ys, std::size_t count, const int (&closing)[4])
    {
        lastOfClosingLine(closing[0], closing[1], closing[2], closing[3]);
        for (std::size_t i = 0; i + 1 < count; ++i)
            line(xs[i], ys[i], xs[i + 1], ys[i + 1], NoCaps);
    }

    /// The same through the corners of `points`, on the picture's coordinates, each line clipped
    /// a pixel beyond the picture as the painter clips it.
    void closedPolyline(const Pt* points, std::size_t count, Pt closingFrom, Pt closingTo)
    {
        m_last = {INT_MIN, INT_MIN};
        double x1 = closingFrom.x, y1 = closingFrom.y, x2 = closingTo.x, y2 = closingTo.y;
        if (!clipLine(x1, y1, x2, y2))
            lastOfClosingLine(sixtyFourths(x1), sixtyFourths(y1), sixtyFourths(x2), sixtyFourths(y2));
        for (std::size_t i = 0; i + 1 < count; ++i) {
            x1 = points[i].x;
            y1 = points[i].y;
            x2 = points[i + 1].x;
            y2 = points[i + 1].y;
            if (!clipLine(x1, y1, x2, y2))
                line(sixtyFourths(x1), sixtyFourths(y1), sixtyFourths(x2), sixtyFourths(y2), NoCaps);
        }
    }

private:
    /// Cuts the line to a pixel beyond the picture; true when nothing of it is left. A line
    /// whose end is cut forgets the pixel the line before ended on.
    bool clipLine(double& x1, double& y1, double& x2, double& y2)
    {
        if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
            return true;
        if (x1 < m_xmin) {
            if (x2 <= m_xmin)
                return clipped();
            y1 += (y2 - y1) / (x2 - x1) * (m_xmin - x1);
            x1 = m_xmin;
        } else if (x1 > m_xmax) {
            if (x2 >= m_xmax)
                return clipped();
            y1 += (y2 - y1) / (x2 - x1) * (m_xmax - x1);
            x1 = m_xmax;
        }
        if (x2 < m_xmin) {
            m_last.x = INT_MIN;
            y2 += (y2 - y1) / (x2 - x1) * (m_xmin - x2);
            x2 = m_xmin;
        } else if (x2 > m_xmax) {
            m_last.x = INT_MIN;
            y2 += (y2 - y1) / (x2 - x1) * (m_xmax - x2);
            x2 = m_xmax;
        }
        if (y1 < m_ymin) {
            if (y2 <= m_ymin)
                return clipped();
            x1 += (x2 - x1) / (y2 - y1) * (m_ymin - y1);
            y1 = m_ymin;
        } else if (y1 > m_ymax) {
            if (y2 >= m_ymax)
                return clipped();
            x1 += (x2 - x1) / (y2 - y1) * (m_ymax - y1);
            y1 = m_ymax;
        }
        if (y2 < m_ymin) {
            m_last.x = INT_MIN;
            x2 += (x2 - x1) / (y2 - y1) * (m_ymin - y2);
            y2 = m_ymin;
        } else if (y2 > m_ymax) {
            m_last.x = INT_MIN;
            x2 += (x2 - x1) / (y2 - y1) * (m_ymax - y2);
            y2 = m_ymax;
        }
        return false;
    }
    bool clipped()
    {
        m_last.x = INT_MIN;
        return true;
    }

    void set(int x, int y)
    {
        if (x < 0 || x >= m_pixels.width || y < 0 || y >= m_pixels.height)
            return;
        m_pixels.row(y)[x] = m_colour;
    }

    /// The last pixel and direction of the line from (x1, y1) to (x2, y2) (1/64 pixels),
    /// without setting any.
    void lastOfClosingLine(int x1, int y1, int x2, int y2)
    {
        m_last = {INT_MIN, INT_MIN};
        const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
        if (dx < dy) {
            bool swapped = false;
            if (y1 > y2) {
                swapped = true;
                std::swap(y1, y2);
                std::swap(x1, x2);
            }
            const Fixed16 xinc = fixedQuotient(x2 - x1, y2 - y1);
            Fixed16 x = Fixed16(x1) * (1 << 10);
            const int y = (y1 + 32) >> 6, ys = (y2 + 32) >> 6;
            const int round = xinc > 0 ? 32 : 0;
            if (y != ys) {
                x += ((y * (1 << 6)) + round - y1) * xinc >> 6;
                if (swapped) {
                    m_last = {static_cast<int>(x >> 16), y};
                    m_lastDir = BottomToTop;
                } else {
                    m_last = {static_cast<int>((x + (ys - y - 1) * xinc) >> 16), ys - 1};
                    m_lastDir = TopToBottom;
                }
                m_lastAxisAligned = std::abs(xinc) < (1 << 14);
            }
        } else {
            if (!dx)
                return;
            bool swapped = false;
            if (x1 > x2) {
                swapped = true;
                std::swap(x1, x2);
                std::swap(y1, y2);
            }
            const Fixed16 yinc = fixedQuotient(y2 - y1, x2 - x1);
            Fixed16 y = Fixed16(y1) * (1 << 10);
            const int x = (x1 + 32) >> 6, xs = (x2 + 32) >> 6;
            const int round = yinc > 0 ? 32 : 0;
            if (x != xs) {
                y += ((x * (1 << 6)) + round - x1) * yinc >> 6;
                if (swapped) {
                    m_last = {x, static_cast<int>(y >> 16)};
                    m_lastDir = RightToLeft;
                } else {
                    m_last = {xs - 1, static_cast<int>((y + (xs - x - 1) * yinc) >> 16)};
                    m_lastDir = LeftToRight;
                }
                m_lastAxisAligned = std::abs(yinc) < (1 << 14);
            }
        }
    }

    /// The pixels of one line of the outline (1/64 pixels), one a row (steep) or one a column
    /// (shallow); a pixel the line before set is not set again, one missing between them is added.
    [[gnu::always_inline]] void line(int x1, int y1, int x2, int y2, int caps)
    {
        const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
        Pixel last = m_last;
        if (dx < dy) {
            int dir = TopToBottom;
            bool swapped = false;
            if (y1 > y2) {
                swapped = true;
                std::swap(y1, y2);
                std::swap(x1, x2);
                caps = swappedCaps(caps);
                dir = BottomToTop;
            }
            const Fixed16 xinc = fixedQuotient(x2 - x1, y2 - y1);
            Fixed16 x = Fixed16(x1) * (1 << 10);
            if ((m_lastDir ^ VerticalMask) == dir)
                caps |= swapped ? CapEnd : CapBegin;
            lengthen(caps, y1, y2, x, xinc);
            int y = (y1 + 32) >> 6, ys = (y2 + 32) >> 6;
            const int round = xinc > 0 ? 32 : 0;
            // A lengthened start rounded away from the pixel the line before ended with goes back.
            if ((caps & CapBegin) && m_last.y == y + 1)
                y++;
            if (y != ys) {
                x += ((y * (1 << 6)) + round - y1) * xinc >> 6;
                Pixel first{static_cast<int>(x >> 16), y};
                last = {static_cast<int>((x + (ys - y - 1) * xinc) >> 16), ys - 1};
                if (swapped)
                    std::swap(first, last);
                const bool axisAligned = std::abs(xinc) < (1 << 14);
                if (m_last.x > INT_MIN) {
                    if (first.x == m_last.x && first.y == m_last.y) {
                        if (swapped) {
                            --ys;
                        } else {
                            ++y;
                            x += xinc;
                        }
                    } else if (m_lastDir != dir
                               && (((axisAligned && m_lastAxisAligned) && m_last.x != first.x && m_last.y != first.y)
                                   || (std::abs(m_last.x - first.x) > 1 || std::abs(m_last.y - first.y) > 1))) {
                        if (swapped) {
                            ++ys;
                        } else {
                            --y;
                            x -= xinc;
                        }
                    } else if (m_lastDir == dir
                               && (std::abs(m_last.x - first.x) <= 1 && std::abs(m_last.y - first.y) > 1)) {
                        x += xinc >> 1;
                        if (swapped)
                            last.x = static_cast<int>(x >> 16);
                        else
                            last.x = static_cast<int>((x + (ys - y - 1) * xinc) >> 16);
                    }
                }
                m_lastDir = dir;
                m_lastAxisAligned = axisAligned;
                do {
                    set(static_cast<int>(x >> 16), y);
                    x += xinc;
                } while (++y < ys);
            }
        } else {
            if (!dx)
                return;
            int dir = LeftToRight;
            bool swapped = false;
            if (x1 > x2) {
                swapped = true;
                std::swap(x1, x2);
                std::swap(y1, y2);
                caps = swappedCaps(caps);
                dir = RightToLeft;
            }
            const Fixed16 yinc = fixedQuotient(y2 - y1, x2 - x1);
            Fixed16 y = Fixed16(y1) * (1 << 10);
            if ((m_lastDir ^ HorizontalMask) == dir)
                caps |= swapped ? CapEnd : CapBegin;
            lengthen(caps, x1, x2, y, yinc);
            int x = (x1 + 32) >> 6, xs = (x2 + 32) >> 6;
            const int round = yinc > 0 ? 32 : 0;
            if ((caps & CapBegin) && m_last.x == x + 1)
                x++;
            if (x != xs) {
                y += ((x * (1 << 6)) + round - x1) * yinc >> 6;
                Pixel first{x, static_cast<int>(y >> 16)};
                last = {xs - 1, static_cast<int>((y + (xs - x - 1) * yinc) >> 16)};
                if (swapped)
                    std::swap(first, last);
                const bool axisAligned = std::abs(yinc) < (1 << 14);
                if (m_last.x > INT_MIN) {
                    if (first.x == m_last.x && first.y == m_last.y) {
                        if (swapped) {
                            --xs;
                        } else {
                            ++x;
                            y += yinc;
                        }
                    } else if (m_lastDir != dir
                               && (((axisAligned && m_lastAxisAligned) && m_last.x != first.x && m_last.y != first.y)
                                   || (std::abs(m_last.x - first.x) > 1 || std::abs(m_last.y - first.y) > 1))) {
                        if (swapped) {
                            ++xs;
                        } else {
                            --x;
                            y -= yinc;
                        }
                    } else if (m_lastDir == dir
                               && (std::abs(m_last.x - first.x) <= 1 && std::abs(m_last.y - first.y) > 1)) {
                        y += yinc >> 1;
                        if (swapped)
                            last.y = static_cast<int>(y >> 16);
                        else
                            last.y = static_cast<int>((y + (xs - x - 1) * yinc) >> 16);
                    }
                }
                m_lastDir = dir;
                m_lastAxisAligned = axisAligned;
                do {
                    set(x, static_cast<int>(y >> 16));
                    y += yinc;
                } while (++x < xs);
            }
        }
        m_last = last;
    }

    const Pixels& m_pixels;
    QRgb m_colour;
    double m_xmin, m_xmax, m_ymin, m_ymax; ///< where lines are cut
    Pixel m_last{INT_MIN, INT_MIN};
    int m_lastDir = NoDirection;
    bool m_lastAxisAligned = false;
};

/// Whether `value` comes within `margin` of `threshold`: a choice the painter, working on the
/// picture's coordinates rather than the centre's, might make the other way.
bool tooClose(double value, double threshold, double margin) { return std::fabs(value - threshold) <= margin; }

/// The ellipse's quarters in the rectangle x, y, w, h as the painter makes them: its right-hand
/// point, then three control points a quarter, downwards first, the last the first again.
struct Quarters
{
    Pt start;
    Pt controls[12];
};

Quarters quarters(double x, double y, double w, double h)
{
    const double w2 = w / 2, w2k = w2 * kKappa, h2 = h / 2, h2k = h2 * kKappa;
    return {{x + w, y + h2},
            {{x + w, y + h2 + h2k}, {x + w2 + w2k, y + h}, {x + w2, y + h},
             {x + w2 - w2k, y + h}, {x, y + h2 + h2k}, {x, y + h2},
             {x, y + h2 - h2k}, {x + w2 - w2k, y}, {x + w2, y},
             {x + w2 + w2k, y}, {x + w, y + h2 - h2k}, {x + w, y + h2}}};
}

/// Adds to `out` the end of each piece of the cubic a, b, c, d as the painter flattens it for its
/// brush. With `sure`, clears it when a choice comes too close to call.
void flattenForBrush(std::vector<Pt>& out, bool* sure, Pt a, Pt b, Pt c, Pt d)
{
    struct Cubic
    {
        Pt p1, p2, p3, p4;
    };
    const auto mid = [](Pt p, Pt q) { return Pt{(p.x + q.x) * .5, (p.y + q.y) * .5}; };
    // Pieces still to halve, the first last; each with the halvings it may still have.
    Cubic pieces[kMaxFillHalvings + 1];
    int levels[kMaxFillHalvings + 1];
    pieces[0] = {a, b, c, d};
    levels[0] = kMaxFillHalvings;
    int top = 0;
    while (top >= 0) {
        Cubic* q = &pieces[top];
        const double dy = q->p4.y - q->p1.y, dx = q->p4.x - q->p1.x;
        double length = std::fabs(dx) + std::fabs(dy), off;
        const double near = std::fabs(q->p1.x - q->p2.x) + std::fabs(q->p1.y - q->p2.y) + std::fabs(q->p1.x - q->p3.x)
                          + std::fabs(q->p1.y - q->p3.y);
        if (sure && tooClose(length, 1., kChoiceMargin))
            *sure = false;
        if (length > 1.) {
            off = std::fabs((dx) * (q->p1.y - q->p2.y) - (dy) * (q->p1.x - q->p2.x))
                + std::fabs((dx) * (q->p1.y - q->p3.y) - (dy) * (q->p1.x - q->p3.x));
        } else {
            off = near;
            length = 1.;
        }
        if (sure && levels[top] != 0) {
            const double scale = length + near + 1;
            if (tooClose(off, kFlatness * length, kChoiceMargin * scale * scale))
                *sure = false;
        }
        if (off < kFlatness * length || levels[top] == 0) {
            out.push_back(q->p4);
            --top;
        } else {
            const Pt m12 = mid(q->p1, q->p2), m23 = mid(q->p2, q->p3), m34 = mid(q->p3, q->p4);
            const Pt m123 = mid(m12, m23), m234 = mid(m23, m34), m = mid(m123, m234);
            const Cubic first{q->p1, m12, m123, m}, second{m, m234, m34, q->p4};
            q[1] = first;
            q[0] = second;
            levels[top + 1] = --levels[top];
            ++top;
        }
    }
}

/// The cubic of points[0..3] (last to first) as two: points[3..6] the first half, points[0..3]
/// the second, as the painter halves it for its pen.
void split(Pt* points)
{
    const double half = .5;
    double a, b, c, d;
    points[6].x = points[3].x;
    c = points[1].x;
    d = points[2].x;
    points[1].x = a = (points[0].x + c) * half;
    points[5].x = b = (points[3].x + d) * half;
    c = (c + d) * half;
    points[2].x = a = (a + c) * half;
    points[4].x = b = (b + c) * half;
    points[3].x = (a + b) * half;

    points[6].y = points[3].y;
    c = points[1].y;
    d = points[2].y;
    points[1].y = a = (points[0].y + c) * half;
    points[5].y = b = (points[3].y + d) * half;
    c = (c + d) * half;
    points[2].y = a = (a + c) * half;
    points[4].y = b = (b + c) * half;
    points[3].y = (a + b) * half;
}

/// Adds to `out` the end of each piece of the cubic of `points` (last to first) as the painter
/// halves it for its pen, `level` times at most. With `sure`, clears it when a choice comes too
/// close to call.
void halveForPen(std::vector<Pt>& out, bool* sure, Pt* points, int level)
{
    if (level) {
        const double dx = points[3].x - points[0].x;
        const double dy = points[3].y - points[0].y;
        const double length = .25 * (std::fabs(dx) + std::fabs(dy));
        const double off2 = std::fabs(dx * (points[0].y - points[2].y) - dy * (points[0].x - points[2].x));
        const double off1 = std::fabs(dx * (points[0].y - points[1].y) - dy * (points[0].x - points[1].x));
        if (sure) {
            const double scale = std::fabs(dx) + std::fabs(dy) + std::fabs(points[0].x - points[1].x)
                               + std::fabs(points[0].y - points[1].y) + std::fabs(points[0].x - points[2].x)
                               + std::fabs(points[0].y - points[2].y) + 1;
            if (tooClose(off2, length, kChoiceMargin * scale * scale)
                || tooClose(off1, length, kChoiceMargin * scale * scale))
                *sure = false;
        }
        if (off2 >= length || off1 >= length) {
            split(points);
            --level;
            halveForPen(out, sure, points + 3, level);
            halveForPen(out, sure, points, level);
            return;
        }
    }
    out.push_back(points[0]);
}

/// Where a rectangle (left, top, right, bottom), or a point, lies against the picture's: over
/// it, apart from it, or too near one of its edges to say whether the painter takes it as over.
enum class Overlap { Over, Apart, Unsure };

Overlap overlap(double l, double t, double r, double b, int width, int height)
{
    constexpr double margin = 1e-6;
    if (r < -margin || l > width + margin || b < -margin || t > height + margin)
        return Overlap::Apart;
    if (r > margin && l < width - margin && b > margin && t < height - margin)
        return Overlap::Over;
    return Overlap::Unsure;
}

/// Both outlines of the ellipse of `q`: the brush's polygon and the pen's, each from the
/// start point round to it again. With `width` and `height`, a quarter of the brush's that lies
/// wholly beside the picture is taken straight, as the painter takes it; false when that cannot
/// be told.
bool bothOutlines(const Quarters& q, std::vector<Pt>& brush, std::vector<Pt>& pen, bool* sure, int width = 0,
                  int height = 0)
{
    brush.assign(1, q.start);
    pen.assign(1, q.start);
    Pt from = q.start;
    for (int i = 0; i < 4; ++i) {
        const Pt* c = q.controls + 3 * i;
        Overlap quarter = Overlap::Over;
        if (width > 0) {
            // Its end on the picture, or else its control points' box over the picture.
            const Overlap end = overlap(c[2].x, c[2].y, c[2].x, c[2].y, width, height);
            if (end != Overlap::Over) {
                const double l = std::min({from.x, c[0].x, c[1].x, c[2].x}), r = std::max({from.x, c[0].x, c[1].x, c[2].x});
                const double t = std::min({from.y, c[0].y, c[1].y, c[2].y}), b = std::max({from.y, c[0].y, c[1].y, c[2].y});
                quarter = overlap(l, t, r, b, width, height);
                if (end == Overlap::Unsure && quarter == Overlap::Apart)
                    quarter = Overlap::Unsure;
            }
        }
        if (quarter == Overlap::Unsure)
            return false;
        if (quarter == Overlap::Over)
            flattenForBrush(brush, sure, brush.back(), c[0], c[1], c[2]);
        else
            brush.push_back(c[2]);
        Pt points[3 * kMaxHalvings + 4];
        points[3] = from;
        points[2] = c[0];
        points[1] = c[1];
        points[0] = c[2];
        halveForPen(pen, sure, points, kMaxHalvings);
        from = c[2];
    }
    return true;
}

} // namespace

struct OutlinedDiscFill::Store
{
    /// The outlines of one radius about the centre 0, 0; not `sure` when a choice in making them
    /// was too close to call for the painter's own arithmetic on a picture's coordinates.
    struct Kept
    {
        /// The corners in 1/64 pixels with 32 more fraction bits, x and y by turns: the brush's,
        /// the pen's, and the line the pen's outline ends along.
        std::vector<std::int64_t> brush, pen;
        std::int64_t closing[4] = {};
        bool sure = true;
        std::uint64_t radiusBits = 0;
    };
    std::unordered_map<std::uint64_t, Kept> kept;
    /// The outlines last taken, in the slot of their radius's bits, found again at once.
    static constexpr int kRecentBits = 11;
    std::vector<const Kept*> recent = std::vector<const Kept*>(std::size_t(1) << kRecentBits);

    std::vector<Pt> brush, pen;                        ///< one dot's outlines on its own coordinates
    std::vector<std::int64_t> brushX, brushY;          ///< the brush's corners, 1/64 pixels, rounded
    std::vector<int> penX, penY;                       ///< the pen's, truncated
    int closing[4] = {};                               ///< the line the pen's outline ends along
    std::vector<std::int32_t> crossX;                  ///< each row's crossings, kSlots a row
    std::vector<std::int8_t> crossWinding;             ///< and which way the outline crosses
    std::vector<std::uint8_t> crossCount;

    const Kept& keptOutlines(double radius)
    {
        const auto key = std::bit_cast<std::uint64_t>(radius);
        const Kept*& slot = recent[(key * 0x9e3779b97f4a7c15u) >> (64 - kRecentBits)];
        if (slot && slot->radiusBits == key)
            return *slot;
        auto it = kept.find(key);
        if (it == kept.end()) {
            if (kept.size() >= kMaxKept) {
                kept.clear();
                std::fill(recent.begin(), recent.end(), nullptr);
            }
            Kept k;
            k.radiusBits = key;
            const Quarters q = quarters(-radius, -radius, 2 * radius, 2 * radius);
            bothOutlines(q, brush, pen, &k.sure);
            const auto fixed = [](const std::vector<Pt>& points, std::vector<std::int64_t>& out) {
                for (const Pt& p : points) {
                    out.push_back(std::llround(p.x * kMovedOne));
                    out.push_back(std::llround(p.y * kMovedOne));
                }
            };
            fixed(brush, k.brush);
            fixed(pen, k.pen);
            const Pt& from = q.controls[10];
            const Pt& to = q.controls[11];
            for (int i = 0; i < 4; ++i)
                k.closing[i] = std::llround((i == 0 ? from.x : i == 1 ? from.y : i == 2 ? to.x : to.y) * kMovedOne);
            it = kept.emplace(key, std::move(k)).first;
        }
        slot = &it->second;
        return it->second;
    }

    /// The corners of `k` moved to the centre x, y and rounded; false when one comes too near a
    /// rounding step to be sure of the painter's rounding.
    bool moved(const Kept& k, double x, double y)
    {
        // In 1/64 pixels with 32 more fraction bits, far finer than the margin; every coordinate
        // is positive (the dot lies inside the picture). The corners are all found first, then
        // whether any came too near a step.
        const std::int64_t centre[2] = {std::llround(x * kMovedOne), std::llround(y * kMovedOne)};
        constexpr std::int64_t mask = (std::int64_t(1) << 32) - 1, half = std::int64_t(1) << 31;
        constexpr auto margin = static_cast<std::int64_t>(kRoundingMargin * (std::int64_t(1) << 32));
        bool near = false;
        const std::size_t n = k.brush.size() / 2, m = k.pen.size() / 2;
        brushX.resize(n);
        brushY.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            for (int a = 0; a < 2; ++a) {
                const std::int64_t v = centre[a] + k.brush[2 * i + a], fraction = v & mask;
                near |= fraction >= half - margin && fraction <= half + margin;
                (a == 0 ? brushX : brushY)[i] = (v >> 32) + (fraction > half ? 1 : 0);
            }
        const auto truncated = [&](std::int64_t v) {
            const std::int64_t fraction = v & mask;
            near |= fraction <= margin || fraction >= mask - margin;
            return static_cast<int>(v >> 32);
        };
        penX.resize(m);
        penY.resize(m);
        for (std::size_t i = 0; i < m; ++i) {
            penX[i] = truncated(centre[0] + k.pen[2 * i]);
            penY[i] = truncated(centre[1] + k.pen[2 * i + 1]);
        }
        for (int i = 0; i < 4; ++i)
            closing[i] = truncated(centre[i % 2] + k.closing[i]);
        return !near;
    }

    /// The outlines of the ellipse of `q` found on its own coordinates, as the painter finds
    /// them, the brush's corners rounded; for a dot over the picture's edge (`width` and `height`
    /// given), false when which quarters the painter flattens cannot be told.
    bool found(const Quarters& q, int width = 0, int height = 0)
    {
        if (!bothOutlines(q, brush, pen, nullptr, width, height))
            return false;
        const std::size_t n = brush.size();
        brushX.resize(n);
        brushY.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            brushX[i] = qRound(brush[i].x * 64);
            brushY[i] = qRound(brush[i].y * 64);
        }
        return true;
    }

    /// Adds the crossings of a line at `x` (16 fraction bits, half a pixel added) on rows `from`
    /// to `to`, stepping by `step` a row.
    [[gnu::always_inline]] bool addRows(std::int64_t x, std::int64_t step, int from, int to, int winding)
    {
        to = std::min(to, rowBottom);
        for (int row = from; row <= to; ++row, x += step) {
            const auto k = static_cast<std::size_t>(row - rowTop);
            std::uint8_t& count = crossCount[k];
            if (count == kSlots)
                return false;
            crossX[k * kSlots + count] = static_cast<std::int32_t>(x >> 16);
            crossWinding[k * kSlots + count] = static_cast<std::int8_t>(winding);
            ++count;
        }
        return true;
    }

    /// Cuts the line at x (stepping by `step` on rows `top` to `bottom`) at the picture's left or
    /// right edge `edge`, as the painter cuts it: the part beyond becomes a line along the edge.
    /// True when nothing of the line itself is left; `ok` false when a row had too many crossings.
    bool cut(std::int64_t& x, int& top, int& bottom, std::int64_t step, std::int64_t edge, int winding, bool& ok)
    {
        const bool right = edge == rightEdge;
        if (x == edge) {
            if ((step > 0) ^ right)
                return false;
            ok = addRows(edge, 0, top, bottom, winding);
            return true;
        }
        const std::int64_t last = x + step * (bottom - top);
        if (last == edge) {
            if ((step < 0) ^ right)
                return false;
            ok = addRows(edge, 0, top, bottom, winding);
            return true;
        }
        if ((last < edge) ^ (x < edge)) {
            const auto rows = static_cast<std::int64_t>(static_cast<double>(edge - x) / (step * (1. / 65536.)));
            if ((x < edge) ^ right) {
                const auto height = static_cast<int>((rows + 1) >> 16);
                const int middle = top + height;
                ok = addRows(edge, 0, top, middle, winding);
                if (middle == bottom)
                    return true;
                x += step * (height + 1);
                top = middle + 1;
            } else {
                const auto height = static_cast<int>(rows >> 16);
                const int middle = top + height;
                if (middle != bottom) {
                    ok = addRows(edge, 0, middle + 1, bottom, winding);
                    bottom = middle;
                }
            }
            return false;
        }
        if ((x < edge) ^ right) {
            ok = addRows(edge, 0, top, bottom, winding);
            return true;
        }
        return false;
    }

    /// Adds each row's crossings of the line from `a` to `b` (1/64 pixels), within the picture;
    /// false when a row has more than it can hold.
    [[gnu::always_inline]] bool crossings(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by)
    {
        int winding = 1;
        if (ay > by) {
            std::swap(ax, bx);
            std::swap(ay, by);
            winding = -1;
        }
        // The rows whose centre lies below a and not below b.
        int first = std::max(rowTop, static_cast<int>((ay + 32) >> 6));
        int last = std::min(rowBottom, static_cast<int>((by - 32) >> 6));
        if (first > last)
            return true;
        // 16 fraction bits, half a pixel added.
        std::int64_t x = 32768 + ax * 1024;
        if (bx == ax)
            return addRows(std::clamp<std::int64_t>(x, 0, rightEdge), 0, first, last, winding);
        const double slope = static_cast<double>(bx - ax) / static_cast<double>(by - ay);
        const auto step = static_cast<std::int64_t>(slope * 65536.);
        x += (step * (std::int64_t(first) * 65536 + 32768 - ay * 1024)) >> 16;
        // Only a line reaching a side can be cut.
        const std::int64_t end = x + step * (last - first);
        if (x <= 0 || end <= 0 || x >= rightEdge || end >= rightEdge) {
            bool ok = true;
            if (cut(x, first, last, step, 0, winding, ok) || cut(x, first, last, step, rightEdge, winding, ok) || !ok)
                return ok;
        }
        return addRows(x, step, first, last, winding);
    }

    int rowTop = 0, rowBottom = 0;  ///< the rows scanned
    std::int64_t rightEdge = 0;     ///< the picture's right edge, 16 fraction bits
};

OutlinedDiscFill::OutlinedDiscFill() : m_store(std::make_unique<Store>()) {}

OutlinedDiscFill::~OutlinedDiscFill() = default;

bool OutlinedDiscFill::fill(QImage& image, double centreX, double centreY, double radius, QRgb colour)
{
    // The steps here are those of the painter of Qt 6.4.2; another may draw otherwise.
    static const bool knownPainter = std::strcmp(qVersion(), "6.4.2") == 0;
    if (!knownPainter || image.format() != QImage::Format_RGB32)
        return false;
    colour |= 0xff000000u; // as the painter keeps an opaque colour in such a picture
    const int width = image.width(), height = image.height();
    // The painter's rectangle.
    const double x = centreX - radius, y = centreY - radius, w = 2 * radius, h = 2 * radius;
    if (!(radius >= 1.0 && w < kMaxAcross && x > -kFar && y > -kFar && x + w < kFar && y + h < kFar))
        return false;
    // On whole pixels, or so near them that the painter may take them as whole, it draws the
    // ellipse another way.
    if (nearWhole(x) && nearWhole(y) && nearWhole(w) && nearWhole(h))
        return false;
    // Inside the picture with a pixel to spare, nothing is cut at its edges.
    const bool inside = x >= 1.0 && y >= 1.0 && x + w <= width - 1.0 && y + h <= height - 1.0;

    // The corners of both outlines: those of the radius moved to the centre where that gives the
    // painter's own, else found afresh on the dot's coordinates.
    Store& s = *m_store;
    bool moved = false;
    if (inside && x + w < kKeptReach && y + h < kKeptReach) {
        const Store::Kept& kept = s.keptOutlines(radius);
        moved = kept.sure && s.moved(kept, centreX, centreY);
    }
    const Quarters q = quarters(x, y, w, h);
    bool brush = true;
    if (!moved) {
        if (!(inside ? s.found(q) : s.found(q, width, height)))
            return false;
        // The painter fills nothing of an ellipse whose control points' box lies beside the picture.
        if (!inside) {
            double l = q.start.x, r = l, t = q.start.y, b = t;
            for (const Pt& c : q.controls) {
                l = std::min(l, c.x);
                r = std::max(r, c.x);
                t = std::min(t, c.y);
                b = std::max(b, c.y);
            }
            const Overlap box = overlap(l, t, r, b, width, height);
            if (box == Overlap::Unsure)
                return false;
            brush = box == Overlap::Over;
        }
    }

    // Each row's crossings of the brush's polygon, at the pixel whose centre is nearest at or
    // right of it, the parts beyond the picture's sides moved onto them; a row is filled between
    // its crossings where the outline has wound an odd number of times.
    std::size_t rows = 0;
    if (brush) {
        const std::size_t n = s.brushX.size();
        const auto [minY, maxY] = std::minmax_element(s.brushY.begin(), s.brushY.end());
        s.rowTop = std::max(0, static_cast<int>((*minY + 32) >> 6));
        s.rowBottom = std::min(height - 1, static_cast<int>((*maxY - 32) >> 6));
        s.rightEdge = std::int64_t(width) << 16;
        rows = static_cast<std::size_t>(std::max(0, s.rowBottom - s.rowTop + 1));
        s.crossCount.assign(rows, 0);
        s.crossX.resize(rows * kSlots);
        s.crossWinding.resize(rows * kSlots);
        if (rows != 0)
            for (std::size_t i = 0; i + 1 < n; ++i)
                if (!s.crossings(s.brushX[i], s.brushY[i], s.brushX[i + 1], s.brushY[i + 1]))
                    return false;
    }

    const Pixels pixels{image.bits(), image.bytesPerLine(), width, height};
    for (std::size_t k = 0; k < rows; ++k) {
        std::int32_t* xs = &s.crossX[k * kSlots];
        std::int8_t* windings = &s.crossWinding[k * kSlots];
        const int count = s.crossCount[k];
        // In order along the row; a few at most, mostly two in order already.
        for (int i = 1; i < count; ++i)
            for (int j = i; j > 0 && xs[j] < xs[j - 1]; --j) {
                std::swap(xs[j], xs[j - 1]);
                std::swap(windings[j], windings[j - 1]);
            }
        QRgb* const line = pixels.row(s.rowTop + static_cast<int>(k));
        int winding = 0;
        for (int i = 0; i + 1 < count; ++i) {
            winding += windings[i];
            if (winding & 1)
                fillRun(line + xs[i], line + xs[i + 1], colour);
        }
    }

    if (moved)
        Stroke(pixels, colour).closedPolyline(s.penX.data(), s.penY.data(), s.penX.size(), s.closing);
    else
        Stroke(pixels, colour).closedPolyline(s.pen.data(), s.pen.size(), q.controls[10], q.controls[11]);
    return true;
}

} // namespace canvas
