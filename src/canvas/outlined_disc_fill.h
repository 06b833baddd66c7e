#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace canvas {

/// Sets the pixels an aliased QPainter::drawEllipse(centre, radius, radius) sets with a cosmetic
/// solid pen (width 0) and an opaque brush of one colour, on a painter without transform or clip,
/// without the painter's cost for each dot. Both are found as the painter finds them, in the
/// same arithmetic on the same picture coordinates: the brush's pixels from the ellipse's four
/// Bézier quarters flattened to a polygon of 1/64-pixel corners and scanned row by row, the pen's
/// stepped along the quarters halved into one-pixel lines.
class OutlinedDiscFill
{
public:
    /// Sets the pixels of the outlined disc in `image` (Format_RGB32) to `colour` and returns
    /// true; or sets nothing and returns false when the painter would draw it another way (on
    /// whole pixels, or near enough to them) or it lies outside what is handled here: another
    /// format, a radius under 1 pixel or the disc 4096 pixels across or more, or the disc not
    /// inside the picture with a pixel to spare.
    bool fill(QImage& image, double centreX, double centreY, double radius, QRgb colour);

private:
    struct Point
    {
        double x, y;
    };
    /// Flattens the cubic `a`, `b`, `c`, `d` as the painter does for its brush, adding the end of each piece.
    void flatten(Point a, Point b, Point c, Point d);
    /// Adds each row's crossings of the line from `a` to `b` (1/64 pixels); false when a row has
    /// more than it can hold.
    bool crossings(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by);

    /// Most crossings one row holds: a flattened circle crosses each row twice.
    static constexpr int kSlots = 6;

    std::vector<Point> m_polygon;           ///< the brush's polygon
    std::vector<std::int64_t> m_x, m_y;     ///< its corners in 1/64 pixels
    int m_top = 0;                          ///< the first row scanned
    std::vector<std::int32_t> m_crossX;     ///< each row's crossings, kSlots a row
    std::vector<std::int8_t> m_crossWinding; ///< and which way the outline crosses
    std::vector<std::uint8_t> m_crossCount;
};

} // namespace canvas
