#pragma once

#include <QImage>
#include <QRect>

#include <cstring>

namespace exporter {

/// Sets `count` pixels of the scanline `row` of a picture of `format` (Format_RGB32, ARGB32 or
/// BGR888) from pixel `from` on to the opaque `colour`.
inline void fillRun(uchar* row, QImage::Format format, int from, int count, QRgb colour)
{
    if (format != QImage::Format_BGR888) {
        auto* p = reinterpret_cast<QRgb*>(row) + from;
        for (int i = 0; i < count; ++i)
            p[i] = colour;
        return;
    }
    uchar* p = row + 3 * static_cast<qsizetype>(from);
    const auto b = static_cast<uchar>(qBlue(colour)), g = static_cast<uchar>(qGreen(colour)),
               r = static_cast<uchar>(qRed(colour));
    if (b == g && g == r) { // black, white and greys: every byte the same
        std::memset(p, b, 3 * static_cast<std::size_t>(count));
        return;
    }
    // Four pixels at a time: twelve bytes, the colour's three repeated.
    const uchar four[12] = {b, g, r, b, g, r, b, g, r, b, g, r};
    int i = 0;
    for (; i + 4 <= count; i += 4, p += 12)
        std::memcpy(p, four, sizeof four);
    for (; i < count; ++i, p += 3) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
}

/// The rows of a picture's pixels, taken once for many fills (taking them detaches the picture).
struct PixelRows
{
    explicit PixelRows(QImage& image)
        : bits(image.bits()), perLine(image.bytesPerLine()), width(image.width()), height(image.height()),
          format(image.format())
    {}
    uchar* bits;
    qsizetype perLine;
    int width, height;
    QImage::Format format;
};

/// Sets the pixels of `rect` within the picture of `rows` (Format_RGB32, ARGB32 or BGR888) to
/// `colour`: what QPainter::fillRect does with an opaque colour, without the painter's cost for
/// a few pixels.
void fillPixels(const PixelRows& rows, const QRect& rect, QRgb colour);
/// The same within `image`.
inline void fillPixels(QImage& image, const QRect& rect, QRgb colour) { fillPixels(PixelRows(image), rect, colour); }

} // namespace exporter
