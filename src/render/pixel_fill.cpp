#include "render/pixel_fill.h"

namespace exporter {

void fillPixels(QImage& image, const QRect& rect, QRgb colour)
{
    const QRect r = rect & image.rect();
    if (r.isEmpty())
        return;
    uchar* const bits = image.bits();
    const QImage::Format format = image.format();
    const qsizetype perLine = image.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y)
        fillRun(bits + y * perLine, format, r.left(), r.width(), colour);
}

} // namespace exporter
