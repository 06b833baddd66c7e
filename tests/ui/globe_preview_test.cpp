// The globe preview window under the offscreen platform: it paints the globe (mirrored when seen
// from inside), dragging turns it, the wheel zooms it, the buttons choose the side and reset it.
#include "globe/globe_finish.h"
#include "globe/gore_globe.h"
#include "ui/fonts.h"
#include "ui/globe_preview_window.h"
#include "ui/globe_view.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <QtTest>

Q_DECLARE_METATYPE(globe::GlobeOrientation)

namespace {

/// Eight gores with both plates and one bright star at 2h −25°, dot radius about 0.09 sphere radii.
/// …its star red, B−V 1.5, as an extended star file gives it.
stars::StarCatalogue brightStar()
{
    stars::StarCatalogue catalogue;
    catalogue.stars = {{30.0, -25.0, -1.0}};
    catalogue.colourIndices = {1.5};
    return catalogue;
}

globe::GlobeModel brightStarGlobe()
{
    gore::GoreParameters p;
    p.northPlate = true;
    p.southPlate = 1;
    return globe::goreGlobe(brightStar(), p);
}

int lightness(const QImage& image, QPointF at) { return QColor(image.pixel(at.toPoint())).lightness(); }

} // namespace

class GlobePreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }
    void init();
    void cleanup() { delete m_window.data(); }

    void paintsTheStarOnItsSide_data();
    void paintsTheStarOnItsSide();
    void showsThePrintedGroundAndStarColours_data();
    void showsThePrintedGroundAndStarColours();
    void dragTurns_data();
    void dragTurns();
    void wheelZooms_data();
    void wheelZooms();
    void buttonsChooseSideAndReset();
    void openedWindowDeletesItselfWhenClosed();
    void dotsStayOnTheGlobeAndFaintThroughIt_data();
    void dotsStayOnTheGlobeAndFaintThroughIt();
    void keysTurnZoomResetAndClose_data();
    void keysTurnZoomResetAndClose();

private:
    ui::GlobeView* view() const { return m_window->view(); }

    QPointer<ui::GlobePreviewWindow> m_window;
};

void GlobePreviewTest::init()
{
    m_window = new ui::GlobePreviewWindow(brightStarGlobe(), QStringLiteral("n = 8"));
    m_window->resize(600, 640);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void GlobePreviewTest::paintsTheStarOnItsSide_data()
{
    QTest::addColumn<bool>("inside");
    QTest::addColumn<int>("starSide"); // +1: right of the centre, −1: left
    QTest::newRow("outside: east is right") << false << 1;
    QTest::newRow("inside: east is left") << true << -1;
}

void GlobePreviewTest::paintsTheStarOnItsSide()
{
    QFETCH(bool, inside);
    QFETCH(int, starSide);
    view()->setInside(inside);
    const QImage image = view()->grab().toImage();
    const globe::GlobeProjection p = view()->projection();
    const QPointF centre(p.centreX, p.centreY);
    const globe::ScreenPoint at = globe::project(p, view()->model().stars.front().direction);
    const QPointF star(at.x, at.y), mirror(2.0 * p.centreX - at.x, at.y);
    QCOMPARE(at.x > p.centreX ? 1 : -1, starSide);
    const QPointF corner(3.0, 3.0);
    // Paper outside (light disc, dark stars); sky inside (dark disc, light stars); the frame around is neither.
    // Clear of the seams (at 0 and ±0.707 of the radius across, front and back) and of the equator.
    const int disc = lightness(image, centre + QPointF(-0.15 * p.scale, p.scale * 0.3));
    QVERIFY2(inside ? disc < 60 : disc > 200, qPrintable(QString::number(disc)));
    QVERIFY(std::abs(lightness(image, corner) - disc) > 40);
    QVERIFY2(std::abs(lightness(image, star) - disc) > 150, "no star dot where the star is");
    QVERIFY2(std::abs(lightness(image, mirror) - disc) < 20, "a star dot on the wrong side");
}

void GlobePreviewTest::showsThePrintedGroundAndStarColours_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<bool>("lightDisc");
    QTest::addColumn<int>("redOverBlue"); // the star's red channel above its blue, at least
    QTest::newRow("white paper, black dots") << false << false << true << 0;
    QTest::newRow("white paper, tinted dots") << false << true << true << 40;
    QTest::newRow("dark ground, white dots") << true << false << false << 0;
    QTest::newRow("dark ground, tinted dots") << true << true << false << 60;
}

void GlobePreviewTest::showsThePrintedGroundAndStarColours()
{
    QFETCH(bool, dark);
    QFETCH(bool, colour);
    QFETCH(bool, lightDisc);
    QFETCH(int, redOverBlue);
    globe::GlobeModel model = brightStarGlobe();
    globe::finishGlobe(model, brightStar(), {colour, dark});
    view()->setModel(model);
    const QImage image = view()->grab().toImage();
    const globe::GlobeProjection p = view()->projection();
    const QColor disc = image.pixelColor((QPointF(p.centreX, p.centreY) + QPointF(-0.15 * p.scale, p.scale * 0.3)).toPoint());
    const globe::ScreenPoint at = globe::project(p, model.stars.front().direction);
    const QColor star = image.pixelColor(QPoint(int(at.x), int(at.y)));
    QVERIFY2(lightDisc ? disc.lightness() > 200 : disc == QColor(16, 30, 68), qPrintable(disc.name()));
    QVERIFY2(std::abs(star.lightness() - disc.lightness()) > 80, qPrintable(star.name() + " on " + disc.name()));
    // A grey dot (the paper's near-black has a touch of blue) or a red one.
    if (redOverBlue == 0)
        QVERIFY2(std::abs(star.red() - star.blue()) <= 5, qPrintable(star.name()));
    else
        QVERIFY2(star.red() - star.blue() >= redOverBlue, qPrintable(star.name()));
}

void GlobePreviewTest::dragTurns_data()
{
    QTest::addColumn<bool>("inside");
    QTest::addColumn<QPoint>("by");
    QTest::addColumn<int>("yawSign");
    QTest::addColumn<int>("pitchSign");
    QTest::newRow("outside, right") << false << QPoint(60, 0) << -1 << 0;
    QTest::newRow("inside, right") << true << QPoint(60, 0) << 1 << 0;
    QTest::newRow("outside, down") << false << QPoint(0, 60) << 0 << 1;
    QTest::newRow("inside, up-left") << true << QPoint(-40, -50) << -1 << -1;
}

void GlobePreviewTest::dragTurns()
{
    QFETCH(bool, inside);
    QFETCH(QPoint, by);
    QFETCH(int, yawSign);
    QFETCH(int, pitchSign);
    view()->setInside(inside);
    QSignalSpy changed(view(), &ui::GlobeView::orientationChanged);
    const QPoint from = view()->rect().center();
    QTest::mousePress(view(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view(), from + by / 2);
    QTest::mouseMove(view(), from + by);
    QTest::mouseRelease(view(), Qt::LeftButton, {}, from + by);
    const globe::GlobeOrientation turned = view()->orientation();
    const auto sign = [](double v) { return v > 1e-9 ? 1 : v < -1e-9 ? -1 : 0; };
    QCOMPARE(sign(turned.yawDeg), yawSign);
    QCOMPARE(sign(turned.pitchDeg), pitchSign);
    QCOMPARE(turned.inside, inside);
    QVERIFY(changed.count() >= 1);
    // A moved pointer without a pressed button turns nothing.
    QTest::mouseMove(view(), from);
    QCOMPARE(view()->orientation().yawDeg, turned.yawDeg);
}

void GlobePreviewTest::wheelZooms_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<double>("zoom");
    QTest::newRow("one notch in") << 120 << 1.15;
    QTest::newRow("one notch out") << -120 << 1.0 / 1.15;
    QTest::newRow("half a notch in") << 60 << std::sqrt(1.15);
}

void GlobePreviewTest::wheelZooms()
{
    QFETCH(int, delta);
    QFETCH(double, zoom);
    const QPointF at = view()->rect().center();
    QWheelEvent wheel(at, view()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view(), &wheel);
    QVERIFY(qAbs(view()->orientation().zoom - zoom) < 1e-12);
}

void GlobePreviewTest::buttonsChooseSideAndReset()
{
    auto* inside = m_window->findChild<QRadioButton*>(QStringLiteral("GlobeInside"));
    auto* outside = m_window->findChild<QRadioButton*>(QStringLiteral("GlobeOutside"));
    auto* reset = m_window->findChild<QPushButton*>(QStringLiteral("GlobeReset"));
    QVERIFY(inside && outside && reset);
    QVERIFY(outside->isChecked());
    inside->click();
    QVERIFY(view()->orientation().inside);
    view()->setOrientation({120.0, -30.0, 3.0, true});
    reset->click();
    QCOMPARE(view()->orientation().yawDeg, 0.0);
    QCOMPARE(view()->orientation().pitchDeg, 0.0);
    QCOMPARE(view()->orientation().zoom, 1.0);
    QVERIFY(view()->orientation().inside); // reset keeps the side
    view()->setInside(false);
    QVERIFY(outside->isChecked()); // the buttons follow the view
}

void GlobePreviewTest::openedWindowDeletesItselfWhenClosed()
{
    QPointer<ui::GlobePreviewWindow> opened = ui::openGlobePreview(nullptr, brightStarGlobe(), QStringLiteral("n = 8"));
    QVERIFY(opened && opened->isVisible());
    QVERIFY(opened->windowTitle().endsWith(QStringLiteral("n = 8")));
    QCOMPARE(opened->view()->model().stars.size(), std::size_t{1});
    opened->close();
    QTRY_VERIFY(opened.isNull());
}

void GlobePreviewTest::dotsStayOnTheGlobeAndFaintThroughIt_data()
{
    QTest::addColumn<bool>("inside");
    QTest::newRow("outside") << false;
    QTest::newRow("inside") << true;
}

void GlobePreviewTest::dotsStayOnTheGlobeAndFaintThroughIt()
{
    QFETCH(bool, inside);
    constexpr int kSame = 20; // lightness difference of pixels of the same surface
    // The bright star (2h, −25°) on the rim, to the side: its dot is cut at the globe's edge.
    view()->setOrientation({30.0 - 90.0, -25.0, 1.0, inside});
    QImage image = view()->grab().toImage();
    globe::GlobeProjection p = view()->projection();
    const double r = view()->model().stars.front().radius * p.scale;
    QVERIFY(r > 8.0);
    const QPointF centre(p.centreX, p.centreY);
    const globe::ScreenPoint rim = globe::project(p, view()->model().stars.front().direction);
    const QPointF out = centre + (QPointF(rim.x, rim.y) - centre) * ((p.scale + r / 2.0) / std::hypot(rim.x - p.centreX, rim.y - p.centreY));
    QVERIFY2(std::abs(lightness(image, out) - lightness(image, QPointF(3.0, 3.0))) < kSame, "a dot past the globe's edge");
    // Behind the globe, at the centre of the picture: a faint point, not a disc of the dot's size.
    view()->setOrientation({30.0 + 180.0, 25.0, 1.0, inside});
    image = view()->grab().toImage();
    p = view()->projection();
    const globe::ScreenPoint behind = globe::project(p, view()->model().stars.front().direction);
    QVERIFY(!behind.facing);
    const QPointF beside(behind.x + r / 2.0, behind.y + r / 3.0);
    const QPointF disc(behind.x + 0.3 * p.scale, behind.y + 0.3 * p.scale);
    QVERIFY2(std::abs(lightness(image, beside) - lightness(image, disc)) < kSame, "a far-side star drawn as a disc");
}

void GlobePreviewTest::keysTurnZoomResetAndClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<double>("yaw"); // from the start view 40°, 20°, zoom 2, outside
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Right turns as a drag right") << int(Qt::Key_Right) << 0 << 25.0 << 20.0 << 2.0 << false;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << 55.0 << 20.0 << 2.0 << false;
    QTest::newRow("Down") << int(Qt::Key_Down) << 0 << 40.0 << 35.0 << 2.0 << false;
    QTest::newRow("Up") << int(Qt::Key_Up) << 0 << 40.0 << 5.0 << 2.0 << false;
    QTest::newRow("+ zooms in a wheel notch") << int(Qt::Key_Plus) << 0 << 40.0 << 20.0 << 2.0 * 1.15 << false;
    QTest::newRow("- zooms out") << int(Qt::Key_Minus) << 0 << 40.0 << 20.0 << 2.0 / 1.15 << false;
    QTest::newRow("Home resets") << int(Qt::Key_Home) << 0 << 0.0 << 0.0 << 1.0 << false;
    QTest::newRow("Esc closes") << int(Qt::Key_Escape) << 0 << 40.0 << 20.0 << 2.0 << true;
    QTest::newRow("Ctrl+W closes") << int(Qt::Key_W) << int(Qt::ControlModifier) << 40.0 << 20.0 << 2.0 << true;
}

void GlobePreviewTest::keysTurnZoomResetAndClose()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(double, yaw);
    QFETCH(double, pitch);
    QFETCH(double, zoom);
    QFETCH(bool, closed);
    constexpr double kTolerance = 1e-9;
    view()->setOrientation({40.0, 20.0, 2.0, false});
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(!m_window->isVisible(), closed);
    QVERIFY2(qAbs(view()->orientation().yawDeg - yaw) < kTolerance, qPrintable(QString::number(view()->orientation().yawDeg)));
    QVERIFY2(qAbs(view()->orientation().pitchDeg - pitch) < kTolerance, qPrintable(QString::number(view()->orientation().pitchDeg)));
    QVERIFY2(qAbs(view()->orientation().zoom - zoom) < kTolerance, qPrintable(QString::number(view()->orientation().zoom)));
}

QTEST_MAIN(GlobePreviewTest)
#include "globe_preview_test.moc"
