#include "qt_app.h"

#include "render/disc_fill.h"
#include "render/picture_store.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

using exporter::DiscFill;

namespace {

constexpr QRgb kInk = 0xff0c2238; // qRgb(12, 34, 56)

QImage white(QImage::Format format)
{
    QImage image(96, 80, format);
    image.fill(Qt::white);
    return image;
}

/// The reference: the painter's own aliased disc, no pen.
QImage painted(QImage::Format format, double x, double y, double radius)
{
    QImage image = white(format);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(kInk));
    painter.drawEllipse(QPointF(x, y), radius, radius);
    return image;
}

} // namespace

TEST(DiscFill, SetsThePaintersPixelsOrNone)
{
    const struct { double x, y, radius; bool taken; } rows[] = {
        {20.37, 18.71, 5.23, true},    {40.61, 33.27, 17.9, true}, {47.123, 39.987, 31.4, true},
        {3.0, 20.0, 5.0, false},   // over the left edge
        {93.0, 40.0, 5.0, false},  // over the right edge
        {20.0, 20.0, 2.0, false},  // too small to find the painter's outline again
        {20.5, 20.5, 6.5, false},  // on whole pixels: the painter's other way
        {20.2, 20.0, 5.5, true},   // its bottom corner on row 25's centre line
        {20.2, 21.0, 5.5, true},   // its top corner on row 15's
    };
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_BGR888})
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << "format " << format << ", disc " << row.x << ", " << row.y << " r "
                                            << row.radius);
            QImage ours = white(format);
            DiscFill discs;
            EXPECT_EQ(discs.fill(ours, row.x, row.y, row.radius, kInk), row.taken);
            EXPECT_TRUE(ours == (row.taken ? painted(format, row.x, row.y, row.radius) : white(format)));
        }
}

namespace {

/// Whether `discs` takes the disc at (x, y) of `radius`; one it takes must be as the painter paints it.
bool takenAsPainted(DiscFill& discs, double x, double y, double radius)
{
    SCOPED_TRACE(testing::Message() << "disc " << x << ", " << y << " r " << radius);
    QImage ours = white(QImage::Format_BGR888);
    if (!discs.fill(ours, x, y, radius, kInk))
        return false;
    EXPECT_TRUE(ours == painted(QImage::Format_BGR888, x, y, radius));
    return true;
}

} // namespace

TEST(DiscFill, NearlyEveryDiscIsTakenAndTheSameAsPainted)
{
    // Many radii come again (stars of one magnitude): one DiscFill keeps their outlines.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(0.0, 1.0), size(2.5, 30.0);
    std::vector<double> radii(40);
    for (double& r : radii)
        r = size(random);
    DiscFill discs;
    int taken = 0;
    const int count = 400;
    for (int i = 0; i < count; ++i) {
        const double x = 48 + place(random), y = 40 + place(random), radius = radii[i % radii.size()];
        taken += takenAsPainted(discs, x, y, radius);
    }
    EXPECT_GT(taken, count * 9 / 10);
}

TEST(DiscFill, CornersOnARowsCentreLine)
{
    // Discs whose top or bottom corner lies on a row's centre line, their centres anywhere along
    // the row and on a column's centre.
    std::mt19937 random(3);
    std::uniform_real_distribution<double> place(0.0, 1.0), size(2.5, 30.0);
    DiscFill discs;
    int taken = 0;
    const int count = 300;
    for (int i = 0; i < count; ++i) {
        const double radius = size(random), x = 48 + (i % 8 == 0 ? 0.5 : place(random));
        const double y = i % 2 ? 10.5 + radius : 70.5 - radius; // the top on row 10's, the bottom on row 70's
        taken += takenAsPainted(discs, x, y, radius);
    }
    EXPECT_GT(taken, count * 3 / 4);
}

TEST(DiscFill, OutlinesSharedByThreadsAtOnce)
{
    // Each thread its own DiscFill, all flattening and taking outlines from the program's store
    // together: the same radii, then more radii than the store keeps.
    const struct { int radii; int rounds; } rows[] = {{16, 40}, {4500, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.radii << " radii");
        std::atomic<int> taken = 0, wrong = 0;
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                DiscFill discs;
                std::mt19937 random(static_cast<unsigned>(t));
                std::uniform_real_distribution<double> place(0.0, 1.0);
                for (int i = 0; i < row.radii * row.rounds; ++i) {
                    const double x = 48 + place(random), y = 40 + place(random);
                    const double radius = 2.5 + 27.5 * ((i * 7 + t) % row.radii) / row.radii;
                    QImage ours = white(QImage::Format_BGR888);
                    if (discs.fill(ours, x, y, radius, kInk)) {
                        ++taken;
                        wrong += ours != painted(QImage::Format_BGR888, x, y, radius);
                    }
                }
            });
        for (std::thread& t : threads)
            t.join();
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(taken, 4 * row.radii * row.rounds * 9 / 10);
    }
}

TEST(PictureStore, GivesBackMemoryOnlyForTheSameSize)
{
    exporter::PictureStore store(2);
    const uchar *first = nullptr, *second = nullptr;
    {
        const QImage a = store.picture(31, 7, QImage::Format_BGR888);
        ASSERT_FALSE(a.isNull());
        EXPECT_EQ(a.bytesPerLine(), 96); // 93 bytes padded to whole words, as QImage pads
        // While it is in use another picture gets other memory.
        const QImage b = store.picture(31, 7, QImage::Format_BGR888);
        first = a.constBits();
        second = b.constBits();
        EXPECT_NE(first, second);
    }
    const QImage again = store.picture(31, 7, QImage::Format_BGR888);
    EXPECT_TRUE(again.constBits() == first || again.constBits() == second);
    const QImage other = store.picture(7, 31, QImage::Format_RGB32);
    EXPECT_EQ(other.bytesPerLine(), 28);
    EXPECT_TRUE(other.constBits() != first && other.constBits() != second);
}
