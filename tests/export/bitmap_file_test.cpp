#include "qt_app.h"

#include "render/bitmap_file.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <random>

using exporter::writeBitmapFile;

namespace {

/// A picture of `format` with pixels that differ in every channel.
QImage noisy(int width, int height, QImage::Format format, int dotsPerMetre)
{
    QImage image(width, height, format);
    std::mt19937 random(static_cast<unsigned>(width * 7919 + height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, static_cast<QRgb>(random()));
    if (dotsPerMetre > 0) {
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre + 1);
    }
    return image;
}

QByteArray written(const QImage& image, bool ours)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(ours ? writeBitmapFile(buffer, image) : image.save(&buffer, "BMP"));
    return bytes;
}

} // namespace

TEST(BitmapFile, SameBytesAsQtsWriter)
{
    struct Case { int width, height; QImage::Format format; int dotsPerMetre; };
    // Widths of every row padding (0 to 3 bytes), a picture larger than one written piece,
    // no resolution recorded, and formats that are and are not written here.
    const Case cases[] = {
        {1, 1, QImage::Format_RGB32, 3780},    {2, 3, QImage::Format_RGB32, 11811},
        {3, 2, QImage::Format_RGB32, 11811},   {4, 5, QImage::Format_RGB32, 3780},
        {5, 4, QImage::Format_RGB32, 0},       {701, 613, QImage::Format_RGB32, 11811},
        {6, 7, QImage::Format_ARGB32, 3780},   {7, 6, QImage::Format_RGB888, 3780},
        {5, 3, QImage::Format_BGR888, 11811},  {703, 611, QImage::Format_BGR888, 11811},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " × " + std::to_string(c.height) + ", format "
                     + std::to_string(c.format));
        const QImage image = noisy(c.width, c.height, c.format, c.dotsPerMetre);
        const QByteArray ours = written(image, true), qts = written(image, false);
        ASSERT_EQ(ours.size(), 54 + (3 * c.width + 3) / 4 * 4 * c.height);
        EXPECT_TRUE(ours == qts);
    }
}

TEST(BitmapFile, FailedWriteIsReported)
{
    QBuffer closed; // never opened: every write fails
    EXPECT_FALSE(writeBitmapFile(closed, noisy(3, 3, QImage::Format_RGB32, 3780)));
}
