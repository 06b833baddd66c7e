// The gore Draw from the main window, the gore and plate windows, and their bitmap saves.
#include "ui/canvas_view.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
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

const QString kDefaultName = QStringLiteral("N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp");
const QString kBitmaps = QStringLiteral("*.bmp");

} // namespace

class GoreWindowsTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowsAtLoad();
    void drawWithDefaults();
    void refusedDraw_data();
    void refusedDraw();
    void refusalKeepsEarlierDrawing();
    void badStarFileIsReported();
    void closedWindowIsMadeAgain();

    void saveWithDefaults();
    void nameFollowsTheDrawing_data();
    void nameFollowsTheDrawing();
    void refusedDrawKeepsTheName();
    void programFolderNotWritable_data();
    void programFolderNotWritable();
    void failedWriteIsReported();
    void savePlate();
    void southPlateWindow();
    void plateStarsWithoutPlateBoxStayHidden();

private:
    void pickAndDraw();

    QString m_starFile;
};

void GoreWindowsTest::initTestCase() { ui::installFontSubstitutions(); }

void GoreWindowsTest::init()
{
    setUpForm();
    // Two stars of gore 1 of 8, northern half, well inside the boundary of the plate.
    m_starFile = QString::fromStdString(m_temp->write("stars.csv", "10,30,1\r\n20,-20,3\r\n40,10,2.5\r\n"));
}

void GoreWindowsTest::cleanup() { tearDownForm(); }

void GoreWindowsTest::pickAndDraw()
{
    pick("Command1", m_starFile);
    click("Command2");
}

void GoreWindowsTest::windowsAtLoad()
{
    ui::Form2 gore;
    QCOMPARE(gore.windowTitle(), QStringLiteral("ORW2008 - 描画窓(みかん)"));
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(gore.label(i)->text(), QStringLiteral("Label%1").arg(i));
    // 23.0 × 16.0 cm at 96 / 2.54 pixels a centimetre: 869.3 × 604.7.
    QCOMPARE(gore.canvas().image().size(), QSize(869, 605));
    QCOMPARE(gore.canvas().image().pixel(0, 0), qRgb(255, 255, 255));
    // Client area 11880 × 10230 twips at 15 twips a pixel.
    QCOMPARE(gore.size(), QSize(792, 682));

    ui::Form3 plate;
    QCOMPARE(plate.windowTitle(), QStringLiteral("Form3"));
    // 18.547 × 18.018 cm: 701.0 × 681.0 pixels.
    QCOMPARE(plate.canvas().image().size(), QSize(701, 681));
}

void GoreWindowsTest::drawWithDefaults()
{
    pickAndDraw();
    QVERIFY2(m_messages->shown.empty(), m_messages->shown.empty() ? "" : qPrintable(m_messages->shown.front().text));
    ui::Form2* window = m_form->goreWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("ORW2008 - 描画窓(みかん)"));
    // 13·π/2 + 2 and 2·tan(22.5°)·13 + 2.
    QVERIFY(std::abs(window->canvas().width() - 22.420) < kPixelToleranceCm);
    QVERIFY(std::abs(window->canvas().height() - 12.770) < kPixelToleranceCm);
    QCOMPARE(window->picture()->size(), window->canvas().image().size());
    // 847 pixels do not fit the 792-pixel window: the canvas scrolls.
    auto* area = window->findChild<QScrollArea*>(QStringLiteral("Picture1Area"));
    QVERIFY(area);
    QVERIFY(area->horizontalScrollBar()->maximum() > 0);
    QCOMPARE(window->label(1)->text(), QStringLiteral("n = 8"));
    QCOMPARE(window->label(2)->text(), QStringLiteral("k = 1"));
    QCOMPARE(window->label(3)->text(), QStringLiteral("最微等級 = 8.5"));
    QCOMPARE(window->label(4)->text(), QStringLiteral("北"));
    QCOMPARE(window->label(5)->text(), QStringLiteral("恒星サイズ：公比=2.5 ,倍率=10"));
    QCOMPARE(window->label(6)->text(), QStringLiteral("ORW本体のﾃﾞｨﾚｸﾄﾘに保存されます。"));
    QCOMPARE(window->saveButton()->text(), QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟ形式で保存(&S)"));
    // Something was drawn: the canvas is no longer plain white.
    const QImage image = window->canvas().image();
    bool inked = false;
    for (int y = 0; y < image.height() && !inked; ++y)
        for (int x = 0; x < image.width() && !inked; ++x)
            inked = image.pixel(x, y) != qRgb(255, 255, 255);
    QVERIFY(inked);
    QVERIFY(!m_form->plateWindow() || !m_form->plateWindow()->isVisible());
}

void GoreWindowsTest::refusedDraw_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prompt"); // empty: any message naming the fault
    QTest::newRow("n zero") << "Text1" << "0" << QStringLiteral("負または零の分割数nは定義できません。");
    QTest::newRow("n negative") << "Text1" << "-3" << QStringLiteral("負または零の分割数nは定義できません。");
    QTest::newRow("k beyond n") << "Text2" << "9" << QStringLiteral(" n < k です。");
    QTest::newRow("n not a number") << "Text1" << "eight" << QString();
    QTest::newRow("k out of range") << "Text2" << "40000" << QString();
    QTest::newRow("faintest empty") << "Text3" << "" << QString();
    QTest::newRow("ratio not a number") << "Text4" << "2,5x" << QString();
    QTest::newRow("radius not a number") << "Text6" << "abc" << QString();
    QTest::newRow("boundary not a number") << "Text8" << "north" << QString();
}

void GoreWindowsTest::refusedDraw()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, prompt);
    m_form->textBox(box)->setText(text);
    pickAndDraw();
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    const ui::Message& shown = m_messages->shown.front();
    if (!prompt.isEmpty())
        QCOMPARE(shown.text, prompt);
    else
        QVERIFY(!shown.text.isEmpty());
    QCOMPARE(shown.title, QStringLiteral("Tessel"));
    QCOMPARE(shown.icon, ui::MessageIcon::Critical);
    QVERIFY(!shown.withCancel);
    // Nothing was opened, shown or drawn.
    QVERIFY(!m_form->goreWindow() || !m_form->goreWindow()->isVisible());
    QVERIFY(!m_form->plateWindow() || !m_form->plateWindow()->isVisible());
}

void GoreWindowsTest::refusalKeepsEarlierDrawing()
{
    pickAndDraw();
    ui::Form2* window = m_form->goreWindow();
    QVERIFY(window);
    const QImage before = window->canvas().image().copy();
    const QString label1 = window->label(1)->text();
    m_form->textBox(QStringLiteral("Text1"))->setText(QStringLiteral("4"));
    m_form->textBox(QStringLiteral("Text3"))->setText(QStringLiteral("bright"));
    click("Command2");
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    QCOMPARE(m_form->goreWindow(), window);
    QCOMPARE(window->canvas().image(), before);
    QCOMPARE(window->label(1)->text(), label1);
}

void GoreWindowsTest::badStarFileIsReported()
{
    m_starFile = QString::fromStdString(m_temp->write("header.csv", "lambda,phi,vmag\r\n10,30,1\r\n"));
    pickAndDraw();
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    QCOMPARE(m_messages->shown.front().icon, ui::MessageIcon::Critical);
    QVERIFY(m_messages->shown.front().text.contains(QStringLiteral("header.csv")));
    QVERIFY(m_form->isVisible());
}

void GoreWindowsTest::closedWindowIsMadeAgain()
{
    pickAndDraw();
    QPointer<ui::Form2> first = m_form->goreWindow();
    QVERIFY(first);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QVERIFY(!m_form->goreWindow());
    click("Command2");
    QVERIFY(m_form->goreWindow());
    QVERIFY(m_form->goreWindow()->isVisible());
    QCOMPARE(m_form->goreWindow()->label(1)->text(), QStringLiteral("n = 8"));
    QVERIFY(m_messages->shown.empty());
}

void GoreWindowsTest::saveWithDefaults()
{
    pickAndDraw();
    QTest::mouseClick(m_form->goreWindow()->saveButton(), Qt::LeftButton);
    QVERIFY(m_messages->shown.empty());
    QCOMPARE(filesIn(folder(), kBitmaps), QStringList{kDefaultName});
    QCOMPARE(m_form->goreBitmapPath(), folder() + QDir::separator() + kDefaultName);
    const BitmapHeader header = readBitmapHeader(QDir(folder()).absoluteFilePath(kDefaultName));
    QVERIFY(header.valid);
    // 22.42 × 12.77 cm at 96 / 2.54 pixels a centimetre.
    QCOMPARE(header.width, 847);
    QCOMPARE(header.height, 483);
    QCOMPARE(header.xPixelsPerMetre, 3780);
    QCOMPARE(header.yPixelsPerMetre, 3780);
    // Saving again replaces the file.
    QTest::mouseClick(m_form->goreWindow()->saveButton(), Qt::LeftButton);
    QCOMPARE(filesIn(folder(), kBitmaps), QStringList{kDefaultName});
}

void GoreWindowsTest::nameFollowsTheDrawing_data()
{
    // Boxes typed before the Draw, boxes typed after it; the saved name and width follow the former.
    QTest::addColumn<QStringList>("drawn");  // box=text pairs set before the Draw
    QTest::addColumn<QStringList>("edited"); // box=text pairs set after it
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width"); // pixels: (R·π/2 + 2) cm at 96 dpi
    QTest::newRow("print size, then back to the check size")
        << QStringList{"Text6=80", "Text5=20"} << QStringList{"Text6=13", "Text5=10"}
        << "N8_K1_NS1_Vb8.5_Sr2.5_Ss20_80cm.bmp" << 4825;
    QTest::newRow("typed forms stay as typed at the Draw")
        << QStringList{"Text1=8.0", "Text6= 20"} << QStringList{"Text1=8", "Text6=13", "Text2=2"}
        << "N8.0_K1_NS1_Vb8.5_Sr2.5_Ss10_ 20cm.bmp" << 1263;
    QTest::newRow("hemisphere changed after the Draw")
        << QStringList{} << QStringList{"Check1=0", "Text3=6"} << "N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp" << 847;
}

void GoreWindowsTest::nameFollowsTheDrawing()
{
    QFETCH(QStringList, drawn);
    QFETCH(QStringList, edited);
    QFETCH(QString, name);
    QFETCH(int, width);
    const auto type = [this](const QStringList& pairs) {
        for (const QString& pair : pairs) {
            const QString box = pair.section(QLatin1Char('='), 0, 0);
            const QString text = pair.section(QLatin1Char('='), 1);
            if (box.startsWith(QLatin1String("Check")))
                m_form->checkBox(box)->setChecked(text == QLatin1String("1"));
            else
                m_form->textBox(box)->setText(text);
        }
    };
    type(drawn);
    pickAndDraw();
    QVERIFY(m_messages->shown.empty());
    type(edited);
    QTest::mouseClick(m_form->goreWindow()->saveButton(), Qt::LeftButton);
    QVERIFY(m_messages->shown.empty());
    QCOMPARE(filesIn(folder(), kBitmaps), QStringList{name});
    QCOMPARE(readBitmapHeader(QDir(folder()).absoluteFilePath(name)).width, width);
    QCOMPARE(m_form->goreBitmapPath(), QDir::toNativeSeparators(folder()) + QDir::separator() + name);
    // The gore window says where the file went.
    QCOMPARE(m_form->goreWindow()->statusText(),
             QStringLiteral("保存しました: ") + QDir::toNativeSeparators(folder()) + QDir::separator() + name);
}

void GoreWindowsTest::refusedDrawKeepsTheName()
{
    // A refused Draw leaves the drawing shown, and so its name.
    pickAndDraw();
    m_form->textBox(QStringLiteral("Text1"))->setText(QStringLiteral("4"));
    m_form->textBox(QStringLiteral("Text2"))->setText(QStringLiteral("5"));
    click("Command2");
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    QTest::mouseClick(m_form->goreWindow()->saveButton(), Qt::LeftButton);
    QCOMPARE(filesIn(folder(), kBitmaps), QStringList{kDefaultName});
}

void GoreWindowsTest::programFolderNotWritable_data()
{
    QTest::addColumn<bool>("readOnly");   // else the folder is missing
    QTest::addColumn<bool>("chooseOther"); // the user picks another folder, else cancels
    QTest::newRow("missing folder, cancelled") << false << false;
    QTest::newRow("missing folder, another folder chosen") << false << true;
    QTest::newRow("read-only folder, another folder chosen") << true << true;
}

void GoreWindowsTest::programFolderNotWritable()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, chooseOther);
    const QString program = QDir(folder()).absoluteFilePath(QStringLiteral("program"));
    if (readOnly) {
        QDir(folder()).mkdir(QStringLiteral("program"));
        QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(program).isWritable()) {
            QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("this user may write into read-only folders");
        }
    }
    QDir(folder()).mkdir(QStringLiteral("other"));
    const QString other = QDir(folder()).absoluteFilePath(QStringLiteral("other/") + kDefaultName);
    m_form->setProgramDirectory(program);
    pickAndDraw();
    m_saves->answers = {chooseOther ? other : QString()};
    QTest::mouseClick(m_form->goreWindow()->saveButton(), Qt::LeftButton);
    if (readOnly)
        QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // The dialog offered the bitmap's own name; no message box either way.
    QCOMPARE(m_saves->prefills.size(), 1);
    QCOMPARE(QFileInfo(m_saves->prefills.front()).fileName(), kDefaultName);
    QVERIFY(m_messages->shown.empty());
    QVERIFY(filesIn(program, kBitmaps).isEmpty());
    const QString status = m_form->goreWindow()->statusText();
    if (!chooseOther) {
        QVERIFY(filesIn(QDir(folder()).absoluteFilePath(QStringLiteral("other")), kBitmaps).isEmpty());
        QVERIFY2(status.contains(QDir::toNativeSeparators(program)), qPrintable(status));
        return;
    }
    QCOMPARE(readBitmapHeader(other).width, 847);
    QCOMPARE(status, QStringLiteral("保存しました: ") + QDir::toNativeSeparators(other));
    // The next save starts in the folder chosen.
    m_saves->answers = {other};
    QTest::mouseClick(m_form->goreWindow()->saveButton(), Qt::LeftButton);
    QCOMPARE(m_saves->prefills.size(), 2);
    QCOMPARE(m_saves->prefills.at(1), other);
}

void GoreWindowsTest::failedWriteIsReported()
{
    // A folder of the bitmap's name stands where the file should go: the write fails.
    QVERIFY(QDir(folder()).mkdir(kDefaultName));
    pickAndDraw();
    QTest::mouseClick(m_form->goreWindow()->saveButton(), Qt::LeftButton);
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    const ui::Message& shown = m_messages->shown.front();
    QCOMPARE(shown.icon, ui::MessageIcon::Critical);
    QCOMPARE(shown.title, QStringLiteral("Tessel"));
    QVERIFY2(shown.text.startsWith(m_form->goreBitmapPath() + QStringLiteral(" に保存できませんでした。")),
             qPrintable(shown.text));
    QVERIFY(m_form->goreWindow()->statusText().startsWith(QStringLiteral("保存できませんでした: ")));
    QVERIFY(m_form->goreWindow()->isVisible());
}

void GoreWindowsTest::savePlate()
{
    m_form->checkBox(QStringLiteral("Check4"))->setChecked(true);
    pickAndDraw();
    ui::Form3* plate = m_form->plateWindow();
    QVERIFY(plate);
    QVERIFY(plate->isVisible());
    QCOMPARE(plate->windowTitle(), QStringLiteral("Form3"));
    QTest::mouseClick(plate->saveButton(), Qt::LeftButton);
    QVERIFY(m_messages->shown.empty());
    const QString name = QStringLiteral("N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm_plate.bmp");
    QCOMPARE(filesIn(folder(), kBitmaps), QStringList{name});
    // The plate a Draw with the north plate prepares is square round the octagon of gore tops,
    // 2·R·cos B / cos(π/n) + 2 = 2·13·cos 70° / cos 22.5° + 2 = 11.625 cm, 439.4 pixels at 96 dpi.
    const BitmapHeader header = readBitmapHeader(QDir(folder()).absoluteFilePath(name));
    QCOMPARE(header.width, 439);
    QCOMPARE(header.height, 439);
    QCOMPARE(plate->picture()->size(), QSize(439, 439));
    QCOMPARE(header.xPixelsPerMetre, 3780);
}

void GoreWindowsTest::southPlateWindow()
{
    // With 南半球 ticked a star at 80° south in gore 1 goes to a second plate window.
    m_starFile = QString::fromStdString(m_temp->write("south.csv", "10,-80,1\r\n"));
    m_form->checkBox(QStringLiteral("Check1"))->setChecked(false);
    m_form->checkBox(QStringLiteral("Check5"))->setChecked(true);
    pickAndDraw();
    QVERIFY(m_messages->shown.empty());
    ui::Form3* south = m_form->southPlateWindow();
    QVERIFY(south);
    QVERIFY(south->isVisible());
    QCOMPARE(south->windowTitle(), QStringLiteral("Form3 - 南"));
    QVERIFY(!m_form->plateWindow() || !m_form->plateWindow()->isVisible());
    QCOMPARE(south->picture()->size(), QSize(439, 439));
    QTest::mouseClick(south->saveButton(), Qt::LeftButton);
    QVERIFY(m_messages->shown.empty());
    QCOMPARE(filesIn(folder(), kBitmaps), QStringList{QStringLiteral("N8_K1_NS0_Vb8.5_Sr2.5_Ss10_13cm_plateS.bmp")});
}

void GoreWindowsTest::plateStarsWithoutPlateBoxStayHidden()
{
    // A star at 80° north in gore 1 of 8 belongs on the plate (boundary 70°).
    m_starFile = QString::fromStdString(m_temp->write("polar.csv", "10,80,1\r\n"));
    pickAndDraw();
    QVERIFY(m_messages->shown.empty());
    ui::Form3* plate = m_form->plateWindow();
    QVERIFY(plate);
    QVERIFY(!plate->isVisible());
    // Its canvas keeps the window's own size, 18.547 × 18.018 cm: 701 × 681 pixels at 96 dpi.
    QCOMPARE(plate->canvas().image().size(), QSize(701, 681));
    QVERIFY(m_form->goreWindow()->isVisible());
}

QTEST_MAIN(GoreWindowsTest)
#include "gore_windows_test.moc"
