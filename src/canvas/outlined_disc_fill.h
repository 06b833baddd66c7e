#pragma once

#include <QImage>

#include <memory>

namespace canvas {

/// Sets the pixels an aliased QPainter::drawEllipse(centre, radius, radius) sets with a cosmetic
/// solid pen (width 0) and an opaque brush of one colour, on a painter without transform or clip,
/// without the painter's cost for each dot. Both are found as the painter finds them, in its own
/// arithmetic: the brush's pixels from the ellipse's four Bézier quarters flattened to a polygon
/// of 1/64-pixel corners and scanned row by row, the pen's stepped along the quarters halved into
/// one-pixel lines. The outlines of each radius are kept for the next dot of that radius.
class OutlinedDiscFill
{
public:
    OutlinedDiscFill();
    ~OutlinedDiscFill();
    OutlinedDiscFill(const OutlinedDiscFill&) = delete;
    OutlinedDiscFill& operator=(const OutlinedDiscFill&) = delete;

    /// Sets the pixels of the outlined disc in `image` (Format_RGB32) to `colour` and returns
    /// true; or sets nothing and returns false when the painter would draw it another way (on
    /// whole pixels, or near enough to them) or it lies outside what is handled here: another
    /// format, a radius under 1 pixel or the disc 4096 pixels across or more, a quarter of its
    /// outline too near the picture's edge to tell whether the painter cuts it off, a row crossed
    /// by the outline more than six times, or a painter other than Qt 6.4.2's. The disc may lie
    /// partly or wholly beyond the picture's edges: what the painter sets inside is set.
    bool fill(QImage& image, double centreX, double centreY, double radius, QRgb colour);

private:
    /// The outlines of each radius found so far, and room for one dot's.
    struct Store;
    std::unique_ptr<Store> m_store;
};

} // namespace canvas
