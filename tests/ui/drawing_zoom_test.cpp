// The drawing windows on a screen of device pixel ratio 2: zoom (fit, 100 %, in, out) changes
// only what is shown, never the saved bitmap; the view renders at the device pixel ratio; the
// windows stay within the screen.
#include "export/export_options.h"
#include "export/export_templates.h"
#include "render/renderers.h"
#include "globe/globe_model.h"
#include "ui/canvas_view.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/globe_dialog.h"
#include "ui/globe_preview_window.h"
#include "ui/screen_fit.h"
#include "widget_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

using testing_support::filesIn;

namespace {

const QString kDefaultName = QStringLiteral("N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp");

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DrawingZoomTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void zoomControls_data();
    void zoomControls();
    void zoomKeepsSavesIdentical();
    void rendersAtDevicePixelRatio();
    void drawsAtScreenDensity();
    void enlargesCanvasWithoutRenderer();
    void windowsStayOnScreen();
    void fittedSize_data();
    void fittedSize();
    void windowsFitAvailableArea_data();
    void windowsFitAvailableArea();

private:
    ui::Form2* drawGore();
};

void DrawingZoomTest::initTestCase()
{
    ui::installFontSubstitutions();
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void DrawingZoomTest::init() { setUpForm(); }

void DrawingZoomTest::cleanup() { tearDownForm(); }

ui::Form2* DrawingZoomTest::drawGore()
{
    pick("Command1", QString::fromStdString(m_temp->write("stars.csv", "10,30,1\r\n20,-20,3\r\n")));
    click("Command2");
    ui::Form2* window = m_form->goreWindow();
    // The zoom keys are the window's shortcuts: they act in the active window.
    if (window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return nullptr;
    }
    return window;
}

void DrawingZoomTest::zoomControls_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("zoom"); // 0: fit to the window
    QTest::newRow("Ctrl++") << "Ctrl++" << 1.25;
    QTest::newRow("Ctrl+=") << "Ctrl+=" << 1.25;
    QTest::newRow("Ctrl+-") << "Ctrl+-" << 0.8;
    QTest::newRow("Ctrl+wheel forward") << "wheel+" << 1.25;
    QTest::newRow("Ctrl+wheel back") << "wheel-" << 0.8;
    QTest::newRow("Ctrl+0 fits") << "Ctrl+0" << 0.0;
    QTest::newRow("fit button") << "ZoomFit" << 0.0;
    QTest::newRow("Ctrl+1 after Ctrl++") << "Ctrl++,Ctrl+1" << 1.0;
    QTest::newRow("100% button after zoom in") << "ZoomIn,ZoomActual" << 1.0;
}

void DrawingZoomTest::zoomControls()
{
    QFETCH(QString, input);
    QFETCH(double, zoom);
    ui::Form2* window = drawGore();
    QVERIFY(window);
    QCOMPARE(window->zoom(), 1.0);
    QWidget* viewport = window->pictureArea()->viewport();
    for (const QString& step : input.split(QLatin1Char(','))) {
        if (step.startsWith(QLatin1String("wheel"))) {
            const QPoint at = viewport->rect().center();
            QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, step.endsWith(QLatin1Char('+')) ? 120 : -120),
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
        } else if (step.startsWith(QLatin1String("Zoom"))) {
            QWidget* button = window->findChild<QWidget*>(step);
            QVERIFY2(button, qPrintable(step));
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            const QKeySequence keys(step);
            QTest::keySequence(window, keys);
        }
    }
    ui::CanvasView* view = window->picture();
    if (zoom > 0) {
        QCOMPARE(window->zoom(), zoom);
    } else {
        // The whole canvas shows, touching the area on one side.
        const QSize room = window->pictureArea()->maximumViewportSize();
        QVERIFY(view->width() <= room.width() && view->height() <= room.height());
        QVERIFY(view->width() >= room.width() - 1 || view->height() >= room.height() - 1);
        QVERIFY(window->zoom() < 1.0);
    }
    // The view takes the zoomed size; the canvas keeps its own.
    QCOMPARE(view->size(), QSize(qRound(847 * window->zoom()), qRound(483 * window->zoom())));
    QCOMPARE(window->canvas().image().size(), QSize(847, 483));
    const QLabel* zoomText = window->findChild<QLabel*>(QStringLiteral("ZoomText"));
    QCOMPARE(zoomText->text(), QStringLiteral("%1 %").arg(qRound(window->zoom() * 100)));
    // The whole text shows, its end clear of the window's edge.
    const QRect room = zoomText->contentsRect();
    QVERIFY(room.width() >= zoomText->fontMetrics().horizontalAdvance(zoomText->text()));
    QVERIFY2(zoomText->mapTo(window, room.topRight()).x() < window->width() - 1 - zoomText->fontMetrics().averageCharWidth() / 2,
             qPrintable(QString::number(zoomText->mapTo(window, room.topRight()).x())));
}

void DrawingZoomTest::zoomKeepsSavesIdentical()
{
    ui::Form2* window = drawGore();
    QVERIFY(window);
    QTest::mouseClick(window->saveButton(), Qt::LeftButton);
    const QString path = QDir(folder()).absoluteFilePath(kDefaultName);
    const QByteArray atActualSize = contents(path);
    QVERIFY(!atActualSize.isEmpty());
    QCOMPARE(testing_support::readBitmapHeader(path).width, 847);
    for (double zoom : {0.3, 3.7, 8.0}) {
        window->setZoom(zoom);
        window->picture()->grab(); // painted at this zoom
        QVERIFY(QFile::remove(path));
        QTest::mouseClick(window->saveButton(), Qt::LeftButton);
        QVERIFY2(contents(path) == atActualSize, qPrintable(QString::number(zoom)));
    }
    QCOMPARE(filesIn(folder(), QStringLiteral("*.bmp")), QStringList{kDefaultName});
}

void DrawingZoomTest::rendersAtDevicePixelRatio()
{
    ui::Form2* window = drawGore();
    QVERIFY(window);
    ui::CanvasView* view = window->picture();
    QCOMPARE(view->devicePixelRatioF(), 2.0);
    // A renderer that draws a checkerboard of single device pixels, finer than any canvas pixel.
    QList<double> scales;
    view->setScaledSource([&scales](double scale, const QRectF& part) {
        scales << scale;
        QImage image(qRound(part.width() * scale), qRound(part.height() * scale), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        return image;
    });
    window->setZoom(1.5);
    const QImage shown = view->grab().toImage();
    QVERIFY(!scales.isEmpty());
    QCOMPARE(scales.back(), 3.0);
    QCOMPARE(shown.size(), view->size() * 2);
    for (const QPoint at : {QPoint(10, 10), QPoint(11, 10), QPoint(400, 301)})
        QCOMPARE(shown.pixel(at), (at.x() + at.y()) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    // A renderer that cannot answer leaves the canvas's own picture.
    view->setScaledSource([](double, const QRectF&) { return QImage(); });
    window->setZoom(1.0);
    QCOMPARE(view->grab().toImage().pixel(0, 0), qRgb(255, 255, 255));
}

void DrawingZoomTest::drawsAtScreenDensity()
{
    ui::Form2* window = drawGore();
    QVERIFY(window);
    const QImage canvas = window->canvas().image().convertToFormat(QImage::Format_RGB32);
    const QImage shown = window->picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // At 100 % twice the canvas's pixels each way, and not the canvas's pixels doubled.
    QCOMPARE(shown.size(), canvas.size() * 2);
    int split = 0;
    for (int y = 0; y + 1 < shown.height(); y += 2)
        for (int x = 0; x + 1 < shown.width(); x += 2) {
            const QRgb corner = shown.pixel(x, y);
            split += shown.pixel(x + 1, y) != corner || shown.pixel(x, y + 1) != corner
                     || shown.pixel(x + 1, y + 1) != corner;
        }
    QVERIFY2(split > 100, qPrintable(QString::number(split)));
    // The saved bitmap is the 96-dpi picture, as the exporter draws it on any screen.
    QTest::mouseClick(window->saveButton(), Qt::LeftButton);
    const QImage saved(QDir(folder()).absoluteFilePath(kDefaultName));
    QCOMPARE(saved.dotsPerMeterX(), 3780);
    const exporter::TemplateList drawn = exporter::drawExportTemplates(exporter::parseExportOptions(
        {"gores", "--stars", m_temp->path().string() + "/stars.csv", "--format", "bmp"}));
    QVERIFY(!drawn.empty());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
             exporter::rasterImage(drawn.front().scene, 96.0).convertToFormat(QImage::Format_RGB32));
}

void DrawingZoomTest::enlargesCanvasWithoutRenderer()
{
    // Without a renderer each canvas pixel becomes a block of zoom × ratio device pixels.
    ui::Form2* window = drawGore();
    QVERIFY(window);
    window->picture()->setScaledSource({});
    const QImage canvas = window->canvas().image();
    window->setZoom(2.0);
    const QImage shown = window->picture()->grab().toImage();
    QCOMPARE(shown.size(), canvas.size() * 4);
    int inked = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb pixel = canvas.pixel(x, y);
            inked += pixel != qRgb(255, 255, 255) ? 1 : 0;
            if (shown.pixel(4 * x, 4 * y) != pixel || shown.pixel(4 * x + 3, 4 * y + 3) != pixel)
                QFAIL(qPrintable(QStringLiteral("canvas pixel %1, %2 differs").arg(x).arg(y)));
        }
    }
    QVERIFY(inked > 0);
}

void DrawingZoomTest::windowsStayOnScreen()
{
    ui::Form2* window = drawGore();
    QVERIFY(window);
    const QRect available = window->screen()->availableGeometry();
    // The gore window's 792 × 682 logical pixels do not fit this screen: it was made smaller.
    QVERIFY(available.width() < 792 || available.height() < 682);
    QVERIFY2(available.contains(window->frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3×%4 in %5×%6")
                            .arg(window->frameGeometry().x()).arg(window->frameGeometry().y())
                            .arg(window->frameGeometry().width()).arg(window->frameGeometry().height())
                            .arg(available.width()).arg(available.height())));
    // Fitting shows the whole gore in what room is left.
    window->zoomToFit();
    const QSize room = window->pictureArea()->maximumViewportSize();
    QVERIFY(window->picture()->width() <= room.width() && window->picture()->height() <= room.height());
}

void DrawingZoomTest::fittedSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("fitted");
    QTest::newRow("fits") << QSize(800, 600) << QSize(800, 600) << QSize() << QSize(800, 600);
    QTest::newRow("too wide") << QSize(800, 600) << QSize(400, 600) << QSize() << QSize(400, 300);
    QTest::newRow("too tall") << QSize(800, 600) << QSize(1000, 300) << QSize() << QSize(400, 300);
    QTest::newRow("both, height rules") << QSize(792, 682) << QSize(700, 341) << QSize() << QSize(396, 341);
    QTest::newRow("not below the minimum") << QSize(800, 600) << QSize(400, 300) << QSize(500, 100) << QSize(500, 300);
}

void DrawingZoomTest::fittedSize()
{
    QFETCH(QSize, size);
    QFETCH(QSize, room);
    QFETCH(QSize, minimum);
    QFETCH(QSize, fitted);
    QCOMPARE(ui::fittedSize(size, room, minimum.isValid() ? minimum : QSize(0, 0)), fitted);
}

void DrawingZoomTest::windowsFitAvailableArea_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("keepsAspect"); // the 3D preview's row of controls sets its least width
    QTest::newRow("gore window") << "gore" << true;
    QTest::newRow("globe dialog") << "globe" << true;
    QTest::newRow("3D preview") << "3d" << false;
}

void DrawingZoomTest::windowsFitAvailableArea()
{
    QFETCH(QString, window);
    QFETCH(bool, keepsAspect);
    // A free area smaller than any of the windows as they opened on this screen, off its corner.
    const QRect available(40, 30, 390, 290);
    QWidget* opened = nullptr;
    QAbstractScrollArea* scrolls = nullptr;
    if (window == QLatin1String("gore")) {
        ui::Form2* gore = drawGore();
        opened = gore;
        scrolls = gore ? gore->pictureArea() : nullptr;
    } else if (window == QLatin1String("globe")) {
        click("GlobeGores");
        opened = m_form->globeDialog();
        scrolls = opened ? opened->findChild<QScrollArea*>(QStringLiteral("content")) : nullptr;
    } else {
        opened = ui::openGlobePreview(m_form.get(), globe::GlobeModel{}, QStringLiteral("3D"));
    }
    QVERIFY(opened);
    const QSize before = opened->size();
    QVERIFY(before.width() > available.width() || before.height() > available.height());
    ui::keepOnScreen(*opened, available);
    QVERIFY2(available.contains(opened->frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3×%4").arg(opened->frameGeometry().x()).arg(opened->frameGeometry().y())
                            .arg(opened->frameGeometry().width()).arg(opened->frameGeometry().height())));
    // Its aspect kept, to a pixel's rounding.
    const QSize after = opened->size();
    QVERIFY2(!keepsAspect
                 || std::abs(after.width() * before.height() - after.height() * before.width())
                        <= std::max(before.width(), before.height()),
             qPrintable(QStringLiteral("%1×%2 from %3×%4").arg(after.width()).arg(after.height())
                            .arg(before.width()).arg(before.height())));
    // What no longer shows scrolls into view.
    if (scrolls) {
        QApplication::processEvents();
        QVERIFY(scrolls->horizontalScrollBar()->maximum() > 0 || scrolls->verticalScrollBar()->maximum() > 0);
    }
    if (window == QLatin1String("3d"))
        opened->close();
}

int main(int argc, char* argv[])
{
    // A screen of two device pixels to each logical pixel, as QT_SCALE_FACTOR=2 gives on any screen.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    DrawingZoomTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "drawing_zoom_test.moc"
