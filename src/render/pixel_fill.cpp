#include "render/pixel_fill.h"

#include <algorithm>

namespace exporter {

void fillPixels(QImage& image, const QRect& rect, QRgb colour)
{
    const QRect r = rect & image.rect();
    if (r.isEmpty())
        return;
    uchar* const bits = image.bits();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * image.bytesPerLine());
        std::fill(row + r.left(), row + r.right() + 1, colour);
    }
}

} // namespace exporter
