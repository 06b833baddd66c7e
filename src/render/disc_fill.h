#pragma once

#include "render/pixel_fill.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

namespace exporter {

/// Sets the pixels an aliased QPainter::drawEllipse(centre, radius, radius) with no pen and an
/// opaque brush sets, without the painter's cost for each dot. The painter's pixels are those
/// whose centres lie inside the ellipse's four Bézier quarters flattened to within a quarter
/// pixel, the corners taken to 1/64 pixel; the outline of each radius is kept, relative to the
/// centre, for the next dot of that radius.
class DiscFill
{
public:
    /// Sets the pixels of the disc in `image` (Format_RGB32, ARGB32 or BGR888) to `colour` and returns
    /// true; or sets nothing and returns false when it cannot be sure of the painter's pixels:
    /// the disc not wholly inside the picture, under 2.5 pixels in radius or 500 across, on
    /// whole pixels, or a corner or crossing of its outline at a rounding tie.
    bool fill(QImage& image, double centreX, double centreY, double radius, QRgb colour)
    {
        return fill(PixelRows(image), centreX, centreY, radius, colour);
    }
    /// The same in the picture of `rows`.
    bool fill(const PixelRows& rows, double centreX, double centreY, double radius, QRgb colour);

private:
    struct Corner
    {
        double x, y;
    };
    /// The flattened outline of one radius about the centre 0, 0; not `sure` when a choice in
    /// flattening it was too close to call for the painter's own rounding.
    struct Outline
    {
        std::vector<Corner> corners;
        bool sure = true;
    };
    static Outline flattened(double radius);
    /// The outline of `radius`, flattened once in the program for every DiscFill (on any thread).
    static std::shared_ptr<const Outline> sharedOutline(double radius);
    /// The outline of `radius`, kept here too once found.
    const Outline& outline(double radius);

    /// An outline kept here, in the slot of its radius's bits.
    struct Kept
    {
        std::uint64_t radiusBits = 0;
        std::shared_ptr<const Outline> outline;
    };
    static constexpr int kKeptBits = 11;

    std::vector<Kept> m_kept = std::vector<Kept>(std::size_t(1) << kKeptBits);
    std::vector<std::int64_t> m_x, m_y;                      ///< one dot's corners, fixed point
    std::vector<std::int64_t> m_lo, m_hi;                    ///< each row's outermost crossings
    std::vector<std::uint8_t> m_crossings;                   ///< each row's count of them
};

} // namespace exporter
