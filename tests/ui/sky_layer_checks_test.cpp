// The drawing windows' sky layer boxes: in the status line, clear when made, each turning on
// its layer, read when Draw is clicked and drawn at once into the drawing shown when a box changes.
#include "ui/fonts.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/status_line.h"
#include "widget_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kCatalogue = QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv");
const QStringList kBoxes{QStringLiteral("SkyLines"), QStringLiteral("SkyNames"), QStringLiteral("SkyBounds"),
                         QStringLiteral("SkyGrid"), QStringLiteral("SkyEcliptic"), QStringLiteral("SkyStarNames")};

/// Pixels of the canvas in a colour of their own: not paper, not a star, not a red face edge.
int colouredPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += p != qRgb(255, 255, 255) && p != qRgb(0, 0, 0) && p != qRgb(255, 0, 0);
        }
    return n;
}

} // namespace

class SkyLayerChecksTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }
    void init() { setUpForm(); }
    void cleanup() { tearDownForm(); }

    void boxesInTheStatusLineClear();
    void eachBoxTurnsOnItsLayer_data();
    void eachBoxTurnsOnItsLayer();
    void drawReadsTheBoxes_data();
    void drawReadsTheBoxes();
    void namesLanguage_data();
    void namesLanguage();
};

void SkyLayerChecksTest::boxesInTheStatusLineClear()
{
    ui::Form2 gore;
    ui::Form4 face;
    for (const ui::SkyLayerChecks* checks : {gore.skyChecks(), face.skyChecks()}) {
        QVERIFY(qobject_cast<ui::StatusLine*>(checks->parentWidget()));
        for (const QString& name : kBoxes) {
            QVERIFY2(checks->box(name), qPrintable(name));
            QVERIFY(!checks->box(name)->isChecked());
        }
        QVERIFY(!checks->options().any());
    }
}

void SkyLayerChecksTest::eachBoxTurnsOnItsLayer_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("layer"); // the one layer the options then hold
    QTest::newRow("lines") << "SkyLines" << "figures";
    QTest::newRow("names") << "SkyNames" << "names";
    QTest::newRow("bounds") << "SkyBounds" << "boundaries";
    QTest::newRow("grid") << "SkyGrid" << "grid 10";
    QTest::newRow("ecliptic") << "SkyEcliptic" << "ecliptic";
    QTest::newRow("star names") << "SkyStarNames" << "star names 1.5";
}

void SkyLayerChecksTest::eachBoxTurnsOnItsLayer()
{
    QFETCH(QString, box);
    QFETCH(QString, layer);
    ui::SkyLayerChecks checks;
    QTest::mouseClick(checks.box(box), Qt::LeftButton, {}, QPoint(4, checks.box(box)->height() / 2));
    const sky::SkyLayerOptions o = checks.options();
    QStringList on;
    if (o.figures)
        on << QStringLiteral("figures");
    if (o.names)
        on << QStringLiteral("names");
    if (o.boundaries)
        on << QStringLiteral("boundaries");
    if (o.gridStep)
        on << QStringLiteral("grid %1").arg(o.gridStep);
    if (o.ecliptic)
        on << QStringLiteral("ecliptic");
    if (o.starNameLimit)
        on << QStringLiteral("star names %1").arg(*o.starNameLimit);
    QCOMPARE(on, QStringList{layer});
    // The Japanese interface names the constellations in Japanese.
    QCOMPARE(o.language, sky::Language::Japanese);
}

void SkyLayerChecksTest::drawReadsTheBoxes_data()
{
    QTest::addColumn<QString>("pickButton");
    QTest::addColumn<QString>("drawButton");
    QTest::newRow("gore") << "Command1" << "Command2";
    QTest::newRow("face") << "Command8" << "Command7";
}

void SkyLayerChecksTest::drawReadsTheBoxes()
{
    QFETCH(QString, pickButton);
    QFETCH(QString, drawButton);
    pick(qPrintable(pickButton), kCatalogue);
    const auto draw = [&] {
        click(qPrintable(drawButton));
        QVERIFY2(m_messages->shown.empty(), m_messages->shown.empty() ? "" : qPrintable(m_messages->shown.front().text));
    };
    const auto window = [&]() -> ui::DrawingWindow* {
        return drawButton == QLatin1String("Command2") ? static_cast<ui::DrawingWindow*>(m_form->goreWindow())
                                                       : m_form->faceWindow();
    };
    const auto checks = [&]() {
        return drawButton == QLatin1String("Command2") ? m_form->goreWindow()->skyChecks()
                                                       : m_form->faceWindow()->skyChecks();
    };
    draw();
    QVERIFY(window());
    QCOMPARE(colouredPixels(window()->canvas().image()), 0);
    const QSize drawn = window()->canvas().image().size();
    // A radius typed since the Draw does not count: a tick draws the drawing shown again, at once,
    // with the figures and the grid in their colours.
    box(drawButton == QLatin1String("Command2") ? "Text6" : "Text11")->setText(QStringLiteral("20"));
    checks()->box(QStringLiteral("SkyLines"))->setChecked(true);
    QVERIFY(colouredPixels(window()->canvas().image()) > 100);
    checks()->box(QStringLiteral("SkyGrid"))->setChecked(true);
    QCOMPARE(window()->canvas().image().size(), drawn);
    QVERIFY(m_messages->shown.empty());
    checks()->box(QStringLiteral("SkyLines"))->setChecked(false);
    checks()->box(QStringLiteral("SkyGrid"))->setChecked(false);
    QCOMPARE(colouredPixels(window()->canvas().image()), 0);
    // The next Draw reads the boxes as they stand now.
    draw();
    QVERIFY(window()->canvas().image().width() > drawn.width());
}

void SkyLayerChecksTest::namesLanguage_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("chosen"); // picked in the list; empty: left as it starts
    QTest::addColumn<int>("names");
    using L = sky::Language;
    QTest::newRow("Japanese interface") << int(ui::Language::Japanese) << QString() << int(L::Japanese);
    QTest::newRow("English interface") << int(ui::Language::English) << QString() << int(L::English);
    QTest::newRow("Spanish interface") << int(ui::Language::Spanish) << QString() << int(L::Spanish);
    QTest::newRow("German chosen") << int(ui::Language::Japanese) << QStringLiteral("Deutsch") << int(L::German);
    QTest::newRow("Korean chosen") << int(ui::Language::Spanish) << QStringLiteral("한국어") << int(L::Korean);
}

void SkyLayerChecksTest::namesLanguage()
{
    QFETCH(int, shown);
    QFETCH(QString, chosen);
    QFETCH(int, names);
    const ui::Translations translations(static_cast<ui::Language>(shown));
    ui::SkyLayerChecks checks;
    auto* list = checks.findChild<QComboBox*>(QStringLiteral("SkyNamesLanguage"));
    QVERIFY(list);
    QSignalSpy changed(&checks, &ui::SkyLayerChecks::changed);
    if (!chosen.isEmpty())
        list->setCurrentIndex(list->findText(chosen));
    QCOMPARE(changed.count(), chosen.isEmpty() ? 0 : 1);
    QCOMPARE(int(checks.options().language), names);
    QVERIFY(!checks.options().any()); // choosing a language turns no layer on
    // Without a drawing window (the whole-globe dialog opened first), the names follow the interface.
    if (chosen.isEmpty())
        QCOMPARE(int(ui::skyLayersOf(nullptr).language), names);
}

QTEST_MAIN(SkyLayerChecksTest)
#include "sky_layer_checks_test.moc"
