#pragma once

#include <QIODevice>
#include <QImage>

namespace exporter {

/// Writes `image` to `device` as a Windows bitmap, the same bytes as QImage::save(…, "BMP"):
/// a 24-bit picture for 32-bit formats and Format_BGR888 (whose rows are copied as they are),
/// rows bottom-up and padded to 4 bytes, written in large pieces straight from the image's
/// scanlines. Other formats go through Qt's writer. False
/// when a write fails (the device's errno says why).
bool writeBitmapFile(QIODevice& device, const QImage& image);

} // namespace exporter
