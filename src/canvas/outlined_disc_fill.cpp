#include "canvas/outlined_disc_fill.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

// The pixels are found with the painter's own steps: every sum, product and rounding below is
// done in the same order on the same values as the painter's, so that the same pixels come out.
// (Built without contracting a product and a sum into one step, which would round differently.)

namespace canvas {

namespace {

/// Control-point distance of the ellipse's quarters, in half-widths, as the painter takes it.
constexpr double kKappa = 0.5522847498;
/// Most halvings of a quarter before its pieces are stroked as lines, or taken as the brush's edges.
constexpr int kMaxHalvings = 6, kMaxFillHalvings = 9;
/// How far, in pixels, a piece of the brush's outline may lie from its chord (weighted by the chord).
constexpr double kFlatness = 0.25;
/// Largest disc handled, pixels across.
constexpr double kMaxAcross = 4096.0;
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
    Stroke(const Pixels& pixels, QRgb colour) : m_pixels(pixels), m_colour(colour) {}

    /// The outline from `start` through `cubics` cubic Béziers, three points each in `controls`,
    /// the last ending at `start`.
    void closedCubics(Pt start, const Pt* controls, int cubics)
    {
        // The pixel and direction the closing line ends with, for the first line to meet.
        const Pt beforeEnd = controls[3 * cubics - 2], end = controls[3 * cubics - 1];
        lastOfClosingLine(beforeEnd.x, beforeEnd.y, end.x, end.y);
        Pt p = start;
        for (int i = 0; i < cubics; ++i, controls += 3) {
            // The points last to first, as they are halved.
            Pt points[3 * kMaxHalvings + 4];
            points[3] = p;
            points[2] = controls[0];
            points[1] = controls[1];
            points[0] = controls[2];
            halve(points, kMaxHalvings);
            p = controls[2];
        }
    }

private:
    void set(int x, int y)
    {
        if (x < 0 || x >= m_pixels.width || y < 0 || y >= m_pixels.height)
            return;
        m_pixels.row(y)[x] = m_colour;
    }

    /// Halves the cubic of `points` (last to first) until flat, and strokes its pieces in order.
    void halve(Pt* points, int level)
    {
        if (level) {
            const double dx = points[3].x - points[0].x;
            const double dy = points[3].y - points[0].y;
            const double length = .25 * (std::fabs(dx) + std::fabs(dy));
            if (std::fabs(dx * (points[0].y - points[2].y) - dy * (points[0].x - points[2].x)) >= length
                || std::fabs(dx * (points[0].y - points[1].y) - dy * (points[0].x - points[1].x)) >= length) {
                split(points);
                --level;
                halve(points + 3, level);
                halve(points, level);
                return;
            }
        }
        line(points[3].x, points[3].y, points[0].x, points[0].y, NoCaps);
    }

    /// The cubic of points[0..3] as two: points[3..6] the first half, points[0..3] the second.
    static void split(Pt* points)
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

    /// The last pixel and direction of the line from (x1, y1) to (x2, y2), without setting any.
    void lastOfClosingLine(double rx1, double ry1, double rx2, double ry2)
    {
        m_last = {INT_MIN, INT_MIN};
        int x1 = sixtyFourths(rx1), y1 = sixtyFourths(ry1), x2 = sixtyFourths(rx2), y2 = sixtyFourths(ry2);
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

    /// The pixels of one line of the outline, one a row (steep) or one a column (shallow); a
    /// pixel the line before set is not set again, one missing between them is added.
    void line(double rx1, double ry1, double rx2, double ry2, int caps)
    {
        int x1 = sixtyFourths(rx1), y1 = sixtyFourths(ry1), x2 = sixtyFourths(rx2), y2 = sixtyFourths(ry2);
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
    Pixel m_last{INT_MIN, INT_MIN};
    int m_lastDir = NoDirection;
    bool m_lastAxisAligned = false;
};

} // namespace

void OutlinedDiscFill::flatten(Point a, Point b, Point c, Point d)
{
    struct Cubic
    {
        Point p1, p2, p3, p4;
    };
    const auto mid = [](Point p, Point q) { return Point{(p.x + q.x) * .5, (p.y + q.y) * .5}; };
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
        if (length > 1.) {
            off = std::fabs((dx) * (q->p1.y - q->p2.y) - (dy) * (q->p1.x - q->p2.x))
                + std::fabs((dx) * (q->p1.y - q->p3.y) - (dy) * (q->p1.x - q->p3.x));
        } else {
            off = std::fabs(q->p1.x - q->p2.x) + std::fabs(q->p1.y - q->p2.y) + std::fabs(q->p1.x - q->p3.x)
                + std::fabs(q->p1.y - q->p3.y);
            length = 1.;
        }
        if (off < kFlatness * length || levels[top] == 0) {
            m_polygon.push_back(q->p4);
            --top;
        } else {
            const Point m12 = mid(q->p1, q->p2), m23 = mid(q->p2, q->p3), m34 = mid(q->p3, q->p4);
            const Point m123 = mid(m12, m23), m234 = mid(m23, m34), m = mid(m123, m234);
            const Cubic first{q->p1, m12, m123, m}, second{m, m234, m34, q->p4};
            q[1] = first;
            q[0] = second;
            levels[top + 1] = --levels[top];
            ++top;
        }
    }
}

bool OutlinedDiscFill::crossings(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by)
{
    int winding = 1;
    if (ay > by) {
        std::swap(ax, bx);
        std::swap(ay, by);
        winding = -1;
    }
    // The rows whose centre lies below a and not below b.
    const int first = static_cast<int>((ay + 32) >> 6), last = static_cast<int>((by - 32) >> 6);
    if (first > last)
        return true;
    // 16 fraction bits, half a pixel added.
    std::int64_t x = 32768 + ax * 1024, step = 0;
    if (bx != ax) {
        const double slope = static_cast<double>(bx - ax) / static_cast<double>(by - ay);
        step = static_cast<std::int64_t>(slope * 65536.);
        x += (step * (std::int64_t(first) * 65536 + 32768 - ay * 1024)) >> 16;
    }
    for (int row = first; row <= last; ++row, x += step) {
        const auto k = static_cast<std::size_t>(row - m_top);
        std::uint8_t& count = m_crossCount[k];
        if (count == kSlots)
            return false;
        m_crossX[k * kSlots + count] = static_cast<std::int32_t>(x >> 16);
        m_crossWinding[k * kSlots + count] = static_cast<std::int8_t>(winding);
        ++count;
    }
    return true;
}

bool OutlinedDiscFill::fill(QImage& image, double centreX, double centreY, double radius, QRgb colour)
{
    if (image.format() != QImage::Format_RGB32)
        return false;
    colour |= 0xff000000u; // as the painter keeps an opaque colour in such a picture
    // The painter's rectangle.
    const double x = centreX - radius, y = centreY - radius, w = 2 * radius, h = 2 * radius;
    // Inside the picture with a pixel to spare, so that nothing is clipped.
    if (!(radius >= 1.0 && w < kMaxAcross && x >= 1.0 && y >= 1.0 && x + w <= image.width() - 1.0
          && y + h <= image.height() - 1.0))
        return false;
    // On whole pixels, or so near them that the painter may take them as whole, it draws the
    // ellipse another way.
    if (nearWhole(x) && nearWhole(y) && nearWhole(w) && nearWhole(h))
        return false;

    // The ellipse's quarters as the painter makes them, from the right-hand point downwards first.
    const double w2 = w / 2, w2k = w2 * kKappa, h2 = h / 2, h2k = h2 * kKappa;
    const Pt start{x + w, y + h2};
    const Pt controls[12] = {
        {x + w, y + h2 + h2k}, {x + w2 + w2k, y + h}, {x + w2, y + h},
        {x + w2 - w2k, y + h}, {x, y + h2 + h2k},     {x, y + h2},
        {x, y + h2 - h2k},     {x + w2 - w2k, y},     {x + w2, y},
        {x + w2 + w2k, y},     {x + w, y + h2 - h2k}, {x + w, y + h2},
    };

    // The brush's polygon, its corners rounded to 1/64 pixel.
    m_polygon.clear();
    m_polygon.push_back({start.x, start.y});
    for (int q = 0; q < 4; ++q) {
        const Pt* c = controls + 3 * q;
        flatten(m_polygon.back(), {c[0].x, c[0].y}, {c[1].x, c[1].y}, {c[2].x, c[2].y});
    }
    const std::size_t n = m_polygon.size();
    m_x.resize(n);
    m_y.resize(n);
    std::int64_t minY = INT64_MAX, maxY = INT64_MIN;
    for (std::size_t i = 0; i < n; ++i) {
        m_x[i] = qRound(m_polygon[i].x * 64);
        m_y[i] = qRound(m_polygon[i].y * 64);
        minY = std::min(minY, m_y[i]);
        maxY = std::max(maxY, m_y[i]);
    }

    // Each row's crossings of the polygon's edges, at the pixel whose centre is nearest at or
    // right of it; a row is filled between them where the outline wound an odd number of times.
    m_top = static_cast<int>((minY + 32) >> 6);
    const int bottom = static_cast<int>((maxY - 32) >> 6);
    const auto rows = static_cast<std::size_t>(std::max(0, bottom - m_top + 1));
    m_crossCount.assign(rows, 0);
    m_crossX.resize(rows * kSlots);
    m_crossWinding.resize(rows * kSlots);
    for (std::size_t i = 0; i + 1 < n; ++i)
        if (!crossings(m_x[i], m_y[i], m_x[i + 1], m_y[i + 1]))
            return false;

    const Pixels pixels{image.bits(), image.bytesPerLine(), image.width(), image.height()};
    for (std::size_t k = 0; k < rows; ++k) {
        std::int32_t* xs = &m_crossX[k * kSlots];
        std::int8_t* windings = &m_crossWinding[k * kSlots];
        const int count = m_crossCount[k];
        // In order along the row; a few at most, mostly two in order already.
        for (int i = 1; i < count; ++i)
            for (int j = i; j > 0 && xs[j] < xs[j - 1]; --j) {
                std::swap(xs[j], xs[j - 1]);
                std::swap(windings[j], windings[j - 1]);
            }
        QRgb* const line = pixels.row(m_top + static_cast<int>(k));
        int winding = 0;
        for (int i = 0; i + 1 < count; ++i) {
            winding += windings[i];
            if (winding & 1)
                fillRun(line + xs[i], line + xs[i + 1], colour);
        }
    }

    Stroke(pixels, colour).closedCubics(start, controls, 4);
    return true;
}

} // namespace canvas
