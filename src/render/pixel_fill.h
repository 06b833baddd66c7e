#pragma once

#include <QImage>
#include <QRect>

namespace exporter {

/// Sets the pixels of `rect` within `image` (Format_RGB32 or ARGB32) to `colour`: what
/// QPainter::fillRect does with an opaque colour, without the painter's cost for a few pixels.
void fillPixels(QImage& image, const QRect& rect, QRgb colour);

} // namespace exporter
