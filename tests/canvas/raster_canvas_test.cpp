#include "canvas/raster_canvas.h"
#include "canvas/solid_blocks.h"
#include "text/input_error.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <random>

using namespace canvas;

class RasterCanvasTest : public QObject
{
    Q_OBJECT

private:
    static int countPixels(const QImage& image, QRgb colour)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == colour;
        return n;
    }

private slots:
    void sizeSnapsToWholePixels_data()
    {
        QTest::addColumn<float>("cm");
        QTest::addColumn<int>("pixels");
        QTest::newRow("gore width") << 22.4203522f << 847;
        QTest::newRow("gore height") << 12.7695f << 483;
        QTest::newRow("face side") << 13.547005f << 512;
        QTest::newRow("one inch") << 2.54f << 96;
    }
    void sizeSnapsToWholePixels()
    {
        QFETCH(float, cm);
        QFETCH(int, pixels);
        RasterCanvas c(1, 1);
        c.setWidth(cm);
        c.setHeight(cm);
        QCOMPARE(c.image().width(), pixels);
        QCOMPARE(c.image().height(), pixels);
        QCOMPARE(c.width(), static_cast<float>(pixels * 2.54 / 96));
    }

    void aZeroSideDoesNotLoseTheOther()
    {
        // 1 cm is 37.8, so 38 pixels; a side of 0 cm is no pixel at all.
        RasterCanvas c(2.54f, 1.0f);
        c.setWidth(0.0f);
        QCOMPARE(c.width(), 0.0f);
        QCOMPARE(c.height(), static_cast<float>(38 * 2.54 / 96));
        c.setWidth(2.54f);
        QCOMPARE(c.image().size(), QSize(96, 38));
        c.setHeight(0.0f);
        c.setHeight(2.54f);
        QCOMPARE(c.image().size(), QSize(96, 96));
        c.Circle(1.27f, 1.27f, 0.5f);
        QCOMPARE(c.image().pixel(48, 48), qRgb(0, 0, 0));
    }

    void tinyCircleMarksItsCentrePixel()
    {
        RasterCanvas c(2.54f, 2.54f);
        c.Circle(1.3f, 1.3f, 0.01f); // 0.38 pixel at (49.1, 49.1)
        const QImage& img = c.image();
        QCOMPARE(countPixels(img, qRgb(0, 0, 0)), 1);
        QCOMPARE(img.pixel(49, 49), qRgb(0, 0, 0));
        c.setForeColor(kRed);
        c.Circle(0.5f, 0.5f, 0.0f);
        QCOMPARE(countPixels(c.image(), qRgb(255, 0, 0)), 1);
    }

    void circleIsFilledAndOutlinedWithoutAntialiasing()
    {
        RasterCanvas c(2.54f, 2.54f);
        c.setForeColor(kRed);
        c.setFillColor(Rgb{0, 0, 255});
        c.Circle(1.27f, 1.27f, 0.5f); // about 19 pixels
        const QImage& img = c.image();
        QCOMPARE(img.pixel(48, 48), qRgb(0, 0, 255));
        const int red = countPixels(img, qRgb(255, 0, 0));
        const int blue = countPixels(img, qRgb(0, 0, 255));
        const int white = countPixels(img, qRgb(255, 255, 255));
        QVERIFY(red > 80);
        QVERIFY(blue > 900);
        // Only the three colours: no blended edge pixels.
        QCOMPARE(red + blue + white, img.width() * img.height());
    }

    void lineIsOnePixelWideInItsColour()
    {
        RasterCanvas c(2.54f, 2.54f);
        c.Line(0.0f, 1.3f, 2.54f, 1.3f, kRed);
        c.Line(1.0f, 0.1f, 1.0f, 0.5f);
        const QImage& img = c.image();
        const int red = countPixels(img, qRgb(255, 0, 0));
        QVERIFY(red >= 95 && red <= 97);
        int rowsWithRed = 0;
        for (int y = 0; y < img.height(); ++y) {
            bool any = false;
            for (int x = 0; x < img.width(); ++x)
                any = any || img.pixel(x, y) == qRgb(255, 0, 0);
            rowsWithRed += any;
        }
        QCOMPARE(rowsWithRed, 1);
        QVERIFY(countPixels(img, qRgb(0, 0, 0)) >= 14);
    }

    void clsPaintsTheBackgroundAndResizeKeepsTheDrawing()
    {
        RasterCanvas c(2.54f, 2.54f);
        c.Circle(1.27f, 1.27f, 0.5f);
        c.setWidth(5.08f);
        QCOMPARE(c.image().pixel(48, 48), qRgb(0, 0, 0));
        QCOMPARE(c.image().pixel(150, 48), qRgb(255, 255, 255));
        c.Cls();
        QCOMPARE(countPixels(c.image(), qRgb(255, 255, 255)), 192 * 96);
    }

    // Dots whose pixels all have their colour already are left out; the picture must stay the
    // painter's, pixel for pixel, whatever was drawn over the settled parts in between.
    void dotsLeftOutChangeNoPixel_data()
    {
        QTest::addColumn<int>("scene");
        QTest::newRow("two colours by turns, lines between") << 1;
        QTest::newRow("line across a settled field, dots over it") << 2;
        QTest::newRow("cleared, then dots again") << 3;
        QTest::newRow("another colour over a settled field, then dots over it") << 4;
    }
    void dotsLeftOutChangeNoPixel()
    {
        QFETCH(int, scene);
        constexpr int kWidth = 157, kHeight = 101; // not whole blocks
        RasterCanvas canvas(QImage(kWidth, kHeight, QImage::Format_RGB32));
        QImage expected(kWidth, kHeight, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter p(&expected); // drawing as the canvas is meant to
        std::mt19937 random(17 + scene);
        std::uniform_real_distribution<double> x(-12, kWidth + 12), y(-12, kHeight + 12), radius(0.3, 12);
        const auto cm = [](double pixels) { return static_cast<float>(pixels * 2.54 / kDotsPerInch); };
        const auto colour = [](Rgb c) { return QColor(c.r, c.g, c.b); };
        const auto dot = [&](double r, Rgb fore, Rgb fill) {
            const float cx = cm(x(random)), cy = cm(y(random)), cr = cm(r);
            canvas.setForeColor(fore);
            canvas.setFillColor(fill);
            canvas.Circle(cx, cy, cr);
            const QPointF centre(centimetresToPixels(cx), centimetresToPixels(cy));
            if (centimetresToPixels(cr) < 1.0)
                return p.fillRect(QRectF(std::floor(centre.x()), std::floor(centre.y()), 1, 1), colour(fore));
            p.setPen(QPen(colour(fore), 0));
            p.setBrush(colour(fill));
            p.drawEllipse(centre, centimetresToPixels(cr), centimetresToPixels(cr));
        };
        const auto dots = [&](int n, Rgb c) {
            for (int i = 0; i < n; ++i)
                dot(radius(random), c, c);
        };
        const auto line = [&](Rgb c) {
            const float x1 = cm(x(random)), y1 = cm(y(random)), x2 = cm(x(random)), y2 = cm(y(random));
            canvas.Line(x1, y1, x2, y2, c);
            p.setPen(QPen(colour(c), 0));
            p.drawLine(QPointF(centimetresToPixels(x1), centimetresToPixels(y1)),
                       QPointF(centimetresToPixels(x2), centimetresToPixels(y2)));
        };
        switch (scene) {
        case 1:
            for (int run = 0; run < 8; ++run) {
                dots(400, run % 2 ? kRed : kBlack);
                line(Rgb{0, 0, 255});
            }
            break;
        case 2:
            dots(3000, kBlack);
            for (int i = 0; i < 5; ++i)
                line(kRed);
            dots(600, kBlack);
            break;
        case 3:
            dots(3000, kBlack);
            canvas.Cls();
            p.fillRect(expected.rect(), Qt::white);
            dots(40, kBlack);
            break;
        case 4:
            dots(3000, kBlack);
            for (int i = 0; i < 200; ++i) // outlined in red, or red and under a pixel
                dot(i % 10 ? 0.2 : 6, kRed, i % 10 ? kRed : kBlack);
            dots(600, kBlack);
            break;
        }
        p.end();
        QCOMPARE(canvas.image(), expected);
    }

    // What the painter sets for a disc or a line lies within the pixels SolidBlocks::reach gives
    // for its span, with a pen of one pixel (as here) or thicker (the span widened by it).
    void reachHoldsEveryPixelThePainterSets()
    {
        std::mt19937 random(3);
        std::uniform_real_distribution<double> at(20, 80), size(0.3, 30);
        for (int i = 0; i < 600; ++i) {
            QImage picture(100, 100, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter p(&picture);
            const double pen = i % 3 == 0 ? 1 : 3, x = at(random), y = at(random), r = size(random);
            QRectF span;
            p.setPen(QPen(Qt::black, i % 3 == 0 ? 0 : pen));
            if (i % 2) {
                p.setBrush(Qt::black);
                p.drawEllipse(QPointF(x, y), r, r);
                span = QRectF(x - r, y - r, 2 * r, 2 * r);
            } else {
                const QPointF to(at(random), at(random));
                p.drawLine(QPointF(x, y), to);
                span = QRectF(QPointF(x, y), to).normalized();
            }
            p.end();
            const auto box = SolidBlocks::reach(span.adjusted(-pen, -pen, pen, pen));
            QVERIFY(box);
            for (int row = 0; row < picture.height(); ++row)
                for (int column = 0; column < picture.width(); ++column)
                    if (picture.pixel(column, row) != qRgb(255, 255, 255))
                        QVERIFY2(column >= box->left && column < box->right && row >= box->top && row < box->bottom,
                                 qPrintable(QString("drawing %1, pixel %2, %3").arg(i).arg(column).arg(row)));
        }
    }

    void savedBitmapCarriesItsRealSize()
    {
        QTemporaryDir dir;
        RasterCanvas c(22.4203522f, 12.7695f);
        c.Cls();
        const QString path = dir.filePath("gore.bmp");
        c.SavePicture(path.toStdString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 18), 847);
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 22), 483);
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 38), 3780);
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 42), 3780);
        const QImage back(path);
        QCOMPARE(back.size(), QSize(847, 483));
        QCOMPARE(countPixels(back, qRgb(255, 255, 255)), 847 * 483);
        // A second save replaces the first.
        c.Circle(1, 1, 0.5f);
        c.SavePicture(path.toStdString());
        QVERIFY(QImage(path).pixel(37, 37) == qRgb(0, 0, 0));
    }

    void failedSaveNamesThePathAndWritesNothing()
    {
        QTemporaryDir dir;
        RasterCanvas c(1, 1);
        const std::string path = dir.filePath("no-such-folder/x.bmp").toStdString();
        try {
            c.SavePicture(path);
            QFAIL("no refusal");
        } catch (const text::InputError& e) {
            QVERIFY(std::string(e.what()).find(path) != std::string::npos);
        }
        QVERIFY(!QFile::exists(QString::fromStdString(path)));
    }
};

QTEST_GUILESS_MAIN(RasterCanvasTest)
#include "raster_canvas_test.moc"
