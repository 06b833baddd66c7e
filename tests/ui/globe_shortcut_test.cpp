// Ctrl+3 on the main window opens the globe preview of the tab shown, from its boxes, the star
// file picked and the loaded model; without them it says what is missing and opens nothing.
#include "stars/star_catalogue.h"
#include "ui/globe_preview_window.h"
#include "ui/globe_view.h"
#include "ui/status_line.h"
#include "widget_test_support.h"

#include <QtTest>

#include <algorithm>

namespace {

const QString kStars = QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv");
const QString kVertices = QStringLiteral(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-vertices.csv");
const QString kFaces = QStringLiteral(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-faces.csv");

} // namespace

class GlobeShortcutTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void init() { setUpForm(); }
    void cleanup() { tearDownForm(); }

    void opensThePreviewOfTheTabShown_data();
    void opensThePreviewOfTheTabShown();
};

void GlobeShortcutTest::opensThePreviewOfTheTabShown_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("pickStars");
    QTest::addColumn<bool>("pickModel");
    QTest::addColumn<QString>("n");
    QTest::addColumn<int>("seams");    // gore outlines (a half each), or polyhedron edges on the polyhedron tab; −1: no window
    QTest::addColumn<QString>("title"); // end of the preview's caption
    QTest::addColumn<int>("messages");  // message boxes shown
    QTest::newRow("gores, n = 12") << 0 << true << false << "12" << 24 << "n = 12" << 0;
    QTest::newRow("gores, no star file") << 0 << false << false << "8" << -1 << "" << 0;
    QTest::newRow("gores, n = 2 refused") << 0 << true << false << "2" << -1 << "" << 1;
    QTest::newRow("soccer ball") << 1 << true << true << "8" << 90 << "truncated-icosahedron-faces" << 0;
    QTest::newRow("polyhedron, no model") << 1 << true << false << "8" << -1 << "" << 0;
}

void GlobeShortcutTest::opensThePreviewOfTheTabShown()
{
    QFETCH(int, tab);
    QFETCH(bool, pickStars);
    QFETCH(bool, pickModel);
    QFETCH(QString, n);
    QFETCH(int, seams);
    QFETCH(QString, title);
    QFETCH(int, messages);
    m_form->tabControl()->setCurrentIndex(tab);
    if (pickStars)
        pick(tab == 0 ? "Command1" : "Command8", kStars);
    if (pickModel) {
        pick("Command10", kVertices);
        pick("Command9", kFaces);
    }
    box("Text1")->setText(n);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(m_form.get(), Qt::Key_3, Qt::ControlModifier);

    const QList<ui::GlobePreviewWindow*> opened = m_form->findChildren<ui::GlobePreviewWindow*>();
    QCOMPARE(static_cast<int>(m_messages->shown.size()), messages);
    if (seams < 0) {
        QVERIFY(opened.isEmpty());
        if (messages == 0)
            QVERIFY2(m_form->statusLine()->text().contains(QStringLiteral("天球儀")), qPrintable(m_form->statusLine()->text()));
        return;
    }
    QCOMPARE(opened.size(), 1);
    const globe::GlobeModel& model = opened.front()->view()->model();
    QCOMPARE(globe::countLines(model, tab == 0 ? globe::LineKind::GoreOutline : globe::LineKind::FaceEdge), seams);
    // Every star of the catalogue brighter than the tab's faintest magnitude, whatever its default.
    const double faintest = box(tab == 0 ? "Text3" : "Text15")->text().toDouble();
    const stars::StarCatalogue catalogue = stars::ReadStarFile(kStars.toStdString());
    const auto brighter = std::count_if(catalogue.stars.begin(), catalogue.stars.end(),
                                        [faintest](const stars::Star& s) { return s.Vmag < faintest; });
    QVERIFY(brighter > 8000);
    QCOMPARE(static_cast<qsizetype>(model.stars.size()), static_cast<qsizetype>(brighter));
    QVERIFY2(opened.front()->windowTitle().endsWith(title), qPrintable(opened.front()->windowTitle()));
    QVERIFY(opened.front()->isVisible());
}

QTEST_MAIN(GlobeShortcutTest)
#include "globe_shortcut_test.moc"
