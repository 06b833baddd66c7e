#include "qt_app.h"

#include "render/pixel_fill.h"

#include <QPainter>

#include <gtest/gtest.h>

TEST(PixelFill, SameAsPaintersFillRect)
{
    // Inside, across each edge, past a corner, wholly outside, and empty.
    const QRect rects[] = {{3, 4, 5, 2}, {-2, 1, 4, 3}, {8, 2, 5, 5}, {1, -3, 2, 5}, {2, 6, 3, 4},
                           {-5, -5, 30, 30}, {20, 3, 2, 2}, {4, 4, 0, 3}};
    for (const QRect& rect : rects) {
        SCOPED_TRACE(std::to_string(rect.x()) + ", " + std::to_string(rect.y()) + ", " + std::to_string(rect.width())
                     + " × " + std::to_string(rect.height()));
        QImage painted(10, 8, QImage::Format_RGB32), filled(10, 8, QImage::Format_RGB32);
        painted.fill(Qt::white);
        filled.fill(Qt::white);
        {
            QPainter painter(&painted);
            painter.fillRect(rect, QColor(12, 34, 56));
        }
        exporter::fillPixels(filled, rect, qRgb(12, 34, 56));
        EXPECT_TRUE(filled == painted);
    }
}

TEST(PixelFill, ThreeBytePicturesAsPaintersFillRect)
{
    // Any colour, and white, black and grey (every byte the same); across an edge and inside.
    const struct { QRect rect; QRgb colour; } rows[] = {
        {{3, 4, 5, 2}, qRgb(12, 34, 56)}, {{-2, 1, 4, 3}, qRgb(200, 1, 90)}, {{-5, -5, 30, 30}, qRgb(255, 255, 255)},
        {{2, 6, 3, 4}, qRgb(255, 255, 255)}, {{1, 2, 7, 3}, qRgb(0, 0, 0)}, {{6, -1, 9, 4}, qRgb(77, 77, 77)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.rect.x()) + ", " + std::to_string(row.rect.y()) + " colour "
                     + std::to_string(row.colour));
        QImage painted(10, 8, QImage::Format_BGR888), filled(10, 8, QImage::Format_BGR888);
        painted.fill(QColor(90, 80, 70));
        filled.fill(QColor(90, 80, 70));
        {
            QPainter painter(&painted);
            painter.fillRect(row.rect, QColor::fromRgb(row.colour));
        }
        exporter::fillPixels(filled, row.rect, row.colour);
        EXPECT_TRUE(filled == painted);
    }
}
