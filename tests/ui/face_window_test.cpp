// The polyhedron Draw from the main window, the polyhedron window, its bitmap save and the SVG file.
#include "ui/canvas_view.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form4.h"
#include "ui/tab_control.h"
#include "widget_test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <cmath>

using testing_support::BitmapHeader;
using testing_support::filesIn;
using testing_support::kPixelToleranceCm;
using testing_support::readBitmapHeader;

namespace {

const QString kCatalogue = QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv");
const QString kVertexFile = QStringLiteral(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-vertices.csv");
const QString kFaceFile = QStringLiteral(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-faces.csv");
const QString kDefaultBitmap = QStringLiteral("SurN1_Vb7.0_Sr2.5_Ss10_10cm.bmp");
const QString kDefaultSvg = QStringLiteral("SurN1_Vb7.0_Sr2.5_Ss10_10cm内.svg");

int pixelsOf(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

QByteArray firstLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray line = file.readLine();
    if (line.endsWith("\r\n"))
        line.chop(2);
    return line;
}

} // namespace

class FaceWindowTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowAtLoad();
    void drawWithDefaults();
    void drawFaceOutline();
    void refusedDraw_data();
    void refusedDraw();
    void refusalKeepsEarlierDrawing();
    void closedWindowIsMadeAgain();

    void saveWithDefaults();
    void nameFollowsTheDrawing();
    void programFolderMissing();

    void svgInCurrentDirectory();
    void svgNotWrittenKeepsDrawing();
    void previewMatchesExport();

private:
    /// Picks a small star file in the temp folder (which becomes the current directory) and draws.
    void pickAndDraw();

    QString m_starFile;
};

void FaceWindowTest::initTestCase() { ui::installFontSubstitutions(); }

void FaceWindowTest::init()
{
    setUpForm(QStringLiteral("program"), 1);
    // A star at the default tangent point (0°, 90°), one 10° east of it, and one out of range.
    m_starFile = QString::fromStdString(m_temp->write("stars.csv", "90,0,6\r\n100,10,2\r\n180,0,1\r\n"));
}

void FaceWindowTest::cleanup() { tearDownForm(); }

void FaceWindowTest::pickAndDraw()
{
    pick("Command8", m_starFile);
    click("Command7");
}

void FaceWindowTest::windowAtLoad()
{
    ui::Form4 window;
    QCOMPARE(window.windowTitle(), QStringLiteral("ORW2008 - 描画窓(多面体)"));
    QCOMPARE(window.saveButton()->text(), QStringLiteral("Save As Bitmap"));
    // Twips at 15 a pixel: client 8610 × 7980, Command1 at 3480, 120, 2055 × 255.
    QCOMPARE(window.size(), QSize(574, 532));
    QCOMPARE(window.saveButton()->geometry(), QRect(232, 8, 137, 17));
    // Picture1, 5535 twips a side, is 9.763125 cm: 369 pixels at 96 dpi.
    QCOMPARE(window.canvas().image().size(), QSize(369, 369));
    QVERIFY(std::abs(window.canvas().width() - 9.763125) < 1e-5);
    QCOMPARE(window.picture()->size(), QSize(369, 369));
    QCOMPARE(window.canvas().image().pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(window.canvas().image().pixel(368, 368), qRgb(255, 255, 255));
}

void FaceWindowTest::drawWithDefaults()
{
    pick("Command8", kCatalogue);
    QVERIFY(!m_form->faceWindow());
    click("Command7");
    QVERIFY2(m_messages->shown.empty(), m_messages->shown.empty() ? "" : qPrintable(m_messages->shown.front().text));
    ui::Form4* window = m_form->faceWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    // 2·10·tan 30° + 2 = 13.547005 cm, 512.0 pixels at 96 dpi.
    QVERIFY(std::abs(window->canvas().width() - 13.547005) < kPixelToleranceCm);
    QCOMPARE(window->canvas().image().size(), QSize(512, 512));
    QCOMPARE(window->picture()->size(), QSize(512, 512));
    // The canvas runs past the bottom of the window: it scrolls.
    QVERIFY(window->pictureArea()->viewport()->height() < 512);
    QVERIFY(window->pictureArea()->verticalScrollBar()->maximum() > 0);
    // √(6^2.5) · 10/800, the dot radius of a magnitude-1 star: as much as fits, all of it as tooltip.
    QLabel* label38 = m_form->label(QStringLiteral("Label38"));
    QCOMPARE(label38->toolTip(), QStringLiteral("0.117381343505497"));
    QVERIFY(label38->fontMetrics().horizontalAdvance(label38->text()) <= label38->contentsRect().width());
    QVERIFY2(label38->text().startsWith(QStringLiteral("0.11738")), qPrintable(label38->text()));
    QVERIFY(pixelsOf(window->canvas().image(), qRgb(0, 0, 0)) > 100);
    QCOMPARE(pixelsOf(window->canvas().image(), qRgb(255, 0, 0)), 0);
    // No SVG without Check9.
    QVERIFY(filesIn(QDir::currentPath(), QStringLiteral("*.svg")).isEmpty());
}

void FaceWindowTest::drawFaceOutline()
{
    pick("Command10", kVertexFile);
    pick("Command9", kFaceFile);
    QCOMPARE(box("Text9")->text(), QStringLiteral("90"));
    m_form->checkBox(QStringLiteral("Check7"))->setChecked(true);
    m_form->checkBox(QStringLiteral("Check8"))->setChecked(true);
    pickAndDraw();
    QVERIFY2(m_messages->shown.empty(), m_messages->shown.empty() ? "" : qPrintable(m_messages->shown.front().text));
    const QImage image = m_form->faceWindow()->canvas().image();
    // The pentagon around the north pole: red edges and marks, none of it at the tangent point itself.
    QVERIFY(pixelsOf(image, qRgb(255, 0, 0)) > 200);
    QCOMPARE(image.pixel(256, 256), qRgb(255, 255, 255));
}

void FaceWindowTest::refusedDraw_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("latitude not a number") << "Text9" << "north" << QStringLiteral("緯度φ0");
    QTest::newRow("range 90 degrees") << "Text12" << "90" << QStringLiteral("投影範囲");
    QTest::newRow("radius empty") << "Text11" << "" << QStringLiteral("恒星球半径");
    QTest::newRow("magnitude not a number") << "Text15" << "7,0x" << QStringLiteral("細微等級");
    QTest::newRow("face number not a number") << "Text16" << "one" << QStringLiteral("面番号");
}

void FaceWindowTest::refusedDraw()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, named);
    m_form->textBox(box)->setText(text);
    pickAndDraw();
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    const ui::Message& shown = m_messages->shown.front();
    QCOMPARE(shown.icon, ui::MessageIcon::Critical);
    // The same title as the gore tab's refusals.
    QCOMPARE(shown.title, QStringLiteral("Tessel"));
    QVERIFY(!shown.withCancel);
    QVERIFY2(shown.text.contains(named), qPrintable(shown.text));
    // Nothing was opened or touched.
    QVERIFY(!m_form->faceWindow());
    QCOMPARE(m_form->label(QStringLiteral("Label38"))->text(), QStringLiteral("Vmag = 1"));
}

void FaceWindowTest::refusalKeepsEarlierDrawing()
{
    pickAndDraw();
    ui::Form4* window = m_form->faceWindow();
    QVERIFY(window);
    const QImage before = window->canvas().image().copy();
    // Edges asked for without a face file: refused before anything is cleared.
    m_form->checkBox(QStringLiteral("Check8"))->setChecked(true);
    box("Text11")->setText(QStringLiteral("20"));
    click("Command7");
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    QCOMPARE(m_messages->shown.front().icon, ui::MessageIcon::Critical);
    QCOMPARE(m_form->faceWindow(), window);
    QCOMPARE(window->canvas().image(), before);
}

void FaceWindowTest::closedWindowIsMadeAgain()
{
    pickAndDraw();
    QPointer<ui::Form4> first = m_form->faceWindow();
    QVERIFY(first);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QVERIFY(!m_form->faceWindow());
    click("Command7");
    QVERIFY(m_form->faceWindow());
    QVERIFY(m_form->faceWindow()->isVisible());
    QCOMPARE(m_form->faceWindow()->canvas().image().size(), QSize(512, 512));
    QVERIFY(m_messages->shown.empty());
}

void FaceWindowTest::saveWithDefaults()
{
    pick("Command8", kCatalogue);
    click("Command7");
    QTest::mouseClick(m_form->faceWindow()->saveButton(), Qt::LeftButton);
    QVERIFY(m_messages->shown.empty());
    const QString program = QDir(folder()).absoluteFilePath(QStringLiteral("program"));
    QCOMPARE(filesIn(program, QStringLiteral("*")), QStringList{kDefaultBitmap});
    QCOMPARE(m_form->faceBitmapPath(), QDir::toNativeSeparators(program) + QDir::separator() + kDefaultBitmap);
    // The whole square, though the window shows only its upper part.
    const BitmapHeader header = readBitmapHeader(QDir(program).absoluteFilePath(kDefaultBitmap));
    QVERIFY(header.valid);
    QCOMPARE(header.width, 512);
    QCOMPARE(header.height, 512);
    QCOMPARE(header.xPixelsPerMetre, 3780);
    QTest::mouseClick(m_form->faceWindow()->saveButton(), Qt::LeftButton);
    QCOMPARE(filesIn(program, QStringLiteral("*")), QStringList{kDefaultBitmap});
}

void FaceWindowTest::nameFollowsTheDrawing()
{
    // Boxes edited after the Draw (which redraws nothing) do not rename the picture shown.
    box("Text15")->setText(QStringLiteral("07"));
    pickAndDraw();
    box("Text16")->setText(QStringLiteral("2"));
    box("Text15")->setText(QStringLiteral("7.0"));
    box("Text11")->setText(QStringLiteral("20"));
    QTest::mouseClick(m_form->faceWindow()->saveButton(), Qt::LeftButton);
    const QString program = QDir(folder()).absoluteFilePath(QStringLiteral("program"));
    const QString name = QStringLiteral("SurN1_Vb07_Sr2.5_Ss10_10cm.bmp");
    QCOMPARE(filesIn(program, QStringLiteral("*")), QStringList{name});
    QCOMPARE(readBitmapHeader(QDir(program).absoluteFilePath(name)).width, 512);
    QCOMPARE(m_form->faceWindow()->statusText(),
             QStringLiteral("保存しました: ") + QDir::toNativeSeparators(program) + QDir::separator() + name);
    // Drawn again, the picture takes the boxes' new texts.
    click("Command7");
    QTest::mouseClick(m_form->faceWindow()->saveButton(), Qt::LeftButton);
    QVERIFY(QFileInfo::exists(QDir(program).absoluteFilePath(QStringLiteral("SurN2_Vb7.0_Sr2.5_Ss10_20cm.bmp"))));
}

void FaceWindowTest::programFolderMissing()
{
    // The program's folder cannot take the file: the save dialog is offered, and a cancel writes nothing.
    const QString program = QDir(folder()).absoluteFilePath(QStringLiteral("missing"));
    m_form->setProgramDirectory(program);
    pickAndDraw();
    QTest::mouseClick(m_form->faceWindow()->saveButton(), Qt::LeftButton);
    QCOMPARE(m_saves->prefills.size(), 1);
    QCOMPARE(QFileInfo(m_saves->prefills.front()).fileName(), kDefaultBitmap);
    QVERIFY(m_messages->shown.empty());
    QVERIFY(filesIn(folder(), QStringLiteral("*.bmp")).isEmpty());
    QVERIFY(m_form->faceWindow()->statusText().contains(QDir::toNativeSeparators(program)));
    // The program goes on and the window keeps its drawing.
    QVERIFY(m_form->faceWindow()->isVisible());
    QCOMPARE(m_form->faceWindow()->canvas().image().size(), QSize(512, 512));
}

void FaceWindowTest::svgInCurrentDirectory()
{
    m_form->checkBox(QStringLiteral("Check9"))->setChecked(true);
    pickAndDraw();
    QVERIFY(m_messages->shown.empty());
    // The star pick made the temp folder the current directory; the bitmap folder gets nothing.
    QCOMPARE(QDir::currentPath(), folder());
    QCOMPARE(filesIn(folder(), QStringLiteral("*.svg")), QStringList{kDefaultSvg});
    QVERIFY(filesIn(QDir(folder()).absoluteFilePath(QStringLiteral("program")), QStringLiteral("*")).isEmpty());
    QFile file(QDir(folder()).absoluteFilePath(kDefaultSvg));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    // Header, the two stars within 30° of the tangent point, the closing tag, and the empty rest after the last CR LF.
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith("<svg xml:space=\"default\" width=\"13.5466"));
    // The star at the tangent point, 1 magnitude above the limit, sits at the centre with r = 10/800.
    QVERIFY2(lines[1].startsWith("<ellipse cx=\"6.77333"), lines[1].constData());
    QVERIFY2(lines[1].endsWith(" rx=\"0.0125cm\" ry=\"0.0125cm\" style =\"fill:black;\"/>\r"), lines[1].constData());
    QCOMPARE(lines[3], QByteArray("</svg>\r"));

    // Seen from outside, the name carries 外.
    m_form->checkBox(QStringLiteral("Check6"))->setChecked(false);
    click("Command7");
    QCOMPARE(filesIn(folder(), QStringLiteral("*.svg")).size(), 2);
    QVERIFY(QFile::exists(QDir(folder()).absoluteFilePath(QStringLiteral("SurN1_Vb7.0_Sr2.5_Ss10_10cm外.svg"))));
}

void FaceWindowTest::svgNotWrittenKeepsDrawing()
{
    // A folder of the SVG's name in the current directory: the file cannot be created.
    QVERIFY(QDir(folder()).mkdir(kDefaultSvg));
    m_form->checkBox(QStringLiteral("Check9"))->setChecked(true);
    pickAndDraw();

    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    const ui::Message& shown = m_messages->shown.front();
    QCOMPARE(shown.icon, ui::MessageIcon::Warning);
    QCOMPARE(shown.title, QStringLiteral("Tessel"));
    QVERIFY2(shown.text.contains(kDefaultSvg), qPrintable(shown.text));
    QVERIFY(QFileInfo(QDir(folder()).absoluteFilePath(kDefaultSvg)).isDir());
    // The face is drawn all the same: the star at the tangent point marks the centre.
    QVERIFY(m_form->faceWindow());
    QVERIFY(m_form->faceWindow()->isVisible());
    QCOMPARE(m_form->faceWindow()->canvas().image().pixel(256, 256), qRgb(0, 0, 0));
    QCOMPARE(m_form->label(QStringLiteral("Label38"))->toolTip(), QStringLiteral("0.117381343505497"));
}

void FaceWindowTest::previewMatchesExport()
{
    m_form->checkBox(QStringLiteral("Check9"))->setChecked(true);
    pickAndDraw();
    QVERIFY(m_messages->shown.empty());
    click("Command13");
    QCOMPARE(m_messages->shown.size(), std::size_t{2});
    const QByteArray exported = firstLine(QDir(folder()).absoluteFilePath(kDefaultSvg));
    QVERIFY(!exported.isEmpty());
    QCOMPARE(m_messages->shown[0].text, QString::fromUtf8(exported));
    QVERIFY(m_form->faceWindow()->isVisible());
}

QTEST_MAIN(FaceWindowTest)
#include "face_window_test.moc"
