#include "render/pixel_fill.h"

#include <cstring>

namespace exporter {

void fillPixels(QImage& image, const QRect& rect, QRgb colour)
{
    const QRect r = rect & image.rect();
    if (r.isEmpty())
        return;
    uchar* const bits = image.bits();
    const QImage::Format format = image.format();
    const qsizetype perLine = image.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        uchar* const row = bits + y * perLine;
        if (format == QImage::Format_BGR888 && (colour & 0xffffffu) == 0xffffffu)
            std::memset(row + 3 * static_cast<qsizetype>(r.left()), 0xff, 3 * static_cast<std::size_t>(r.width()));
        else
            fillRun(row, format, r.left(), r.width(), colour);
    }
}

} // namespace exporter
