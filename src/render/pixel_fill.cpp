#include "render/pixel_fill.h"

namespace exporter {

void fillPixels(const PixelRows& rows, const QRect& rect, QRgb colour)
{
    const QRect r = rect & QRect(0, 0, rows.width, rows.height);
    for (int y = r.top(); y <= r.bottom(); ++y)
        fillRun(rows.bits + y * rows.perLine, rows.format, r.left(), r.width(), colour);
}

} // namespace exporter
