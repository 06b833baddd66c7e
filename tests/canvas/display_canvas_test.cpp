#include "canvas/display_canvas.h"

#include <QtTest>

#include <functional>

using namespace canvas;

namespace {

using Drawing = std::function<void(DrawingCanvas&)>;

} // namespace

Q_DECLARE_METATYPE(Drawing)

class DisplayCanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsAgainAtAnyDensity_data()
    {
        QTest::addColumn<Drawing>("draw");
        QTest::newRow("diagonal line") << Drawing([](DrawingCanvas& c) { c.Line(0.1f, 0.2f, 4.9f, 3.3f); });
        QTest::newRow("lines in colours") << Drawing([](DrawingCanvas& c) {
            c.setForeColor(kRed);
            c.Line(1.0f, 0.0f, 1.0f, 4.0f);
            c.Line(0.0f, 2.05f, 5.0f, 2.3f, Rgb{0, 0, 255});
        });
        QTest::newRow("circles, filled and framed") << Drawing([](DrawingCanvas& c) {
            c.setFillColor(Rgb{0, 128, 0});
            c.Circle(2.5f, 2.0f, 1.2f);
            c.setForeColor(kRed);
            c.Circle(0.6f, 0.7f, 0.1f);
        });
        QTest::newRow("dots under a pixel, one off the canvas") << Drawing([](DrawingCanvas& c) {
            c.Circle(1.013f, 1.027f, 0.01f);
            c.Circle(3.3f, 2.2f, 0.02f);
            c.Circle(-0.5f, 1.0f, 0.01f);
        });
        QTest::newRow("what Cls cleared is gone") << Drawing([](DrawingCanvas& c) {
            c.Line(0.0f, 0.0f, 5.0f, 4.0f);
            c.Cls();
            c.Line(0.0f, 4.0f, 5.0f, 0.0f);
        });
    }
    void drawsAgainAtAnyDensity()
    {
        QFETCH(Drawing, draw);
        DisplayCanvas c(5.0f, 4.0f);
        draw(c);
        const QImage own = c.image().convertToFormat(QImage::Format_RGB32);
        const QRectF whole(QPointF(0, 0), QSizeF(own.size()));
        // At one device pixel a canvas pixel it is the canvas's picture, pixel for pixel.
        QCOMPARE(c.render(1.0, whole), own);
        // At two, twice the pixels each way.
        const QImage dense = c.render(2.0, whole);
        QCOMPARE(dense.size(), own.size() * 2);
        // A part drawn alone is the same part of the whole, but for a stray pixel where a slanting
        // edge passes a pixel's centre (the stroker rounds other numbers).
        const QImage part = c.render(2.0, QRectF(37, 21, 80, 50)), same = dense.copy(QRect(74, 42, 160, 100));
        QCOMPARE(part.size(), same.size());
        int differing = 0;
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                differing += part.pixel(x, y) != same.pixel(x, y);
        QVERIFY2(differing <= 4, qPrintable(QString::number(differing)));
        // Every inked pixel of the canvas has ink near it at twice the density, and the other way round.
        const auto inked = [](const QImage& image, int x, int y) {
            return image.rect().contains(x, y) && image.pixel(x, y) != qRgb(255, 255, 255);
        };
        const auto near = [&inked](const QImage& image, int x, int y, int reach) {
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx)
                    if (inked(image, x + dx, y + dy))
                        return true;
            return false;
        };
        int ink = 0;
        for (int y = 0; y < own.height(); ++y)
            for (int x = 0; x < own.width(); ++x)
                if (inked(own, x, y)) {
                    ++ink;
                    QVERIFY2(near(dense, 2 * x, 2 * y, 2), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                }
        QVERIFY(ink > 0);
        for (int y = 0; y < dense.height(); ++y)
            for (int x = 0; x < dense.width(); ++x)
                if (inked(dense, x, y))
                    QVERIFY2(near(own, x / 2, y / 2, 1), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
};

QTEST_GUILESS_MAIN(DisplayCanvasTest)
#include "display_canvas_test.moc"
