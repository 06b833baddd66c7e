// The main window: start state, layout, star-file pick, k steps, caption toggles, Quit, fonts.
#include "ui/clickable_label.h"
#include "ui/fonts.h"
#include "ui/frame_box.h"
#include "ui/form1.h"
#include "ui/status_line.h"
#include "ui/tab_control.h"
#include "ui/twips.h"
#include "widget_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

namespace {

const QString kNoFileYet = QStringLiteral("ファイルが読み込まれていません。");
const QString kPickFailed = QStringLiteral("ファイル取得に失敗しました。");

} // namespace

class Form1Test : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startTexts_data();
    void startTexts();
    void startStates();
    void placesInPixels_data();
    void placesInPixels();
    void lowCheckBoxesKeepTheirWholeTickBox();
    void frameBordersPassAboveTheirControls();
    void japaneseTextHasGlyphs();
    void fixedPitchLabels();

    void pickOnOneTabShowsOnBoth_data();
    void pickOnOneTabShowsOnBoth();
    void cancelledFirstPick();
    void cancelAfterPickKeepsFile();
    void drawBeforePickDoesNothing();
    void tabsKeepTyping();

    void stepGorePosition_data();
    void stepGorePosition();

    void captionToggles_data();
    void captionToggles();

    void quitCancelled();
    void quitConfirmed();
};

void Form1Test::initTestCase() { ui::installFontSubstitutions(); }

void Form1Test::init() { setUpForm(); }

void Form1Test::cleanup() { tearDownForm(); }

void Form1Test::startTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("version line") << "Label1" << QStringLiteral("恒星球描画プログラム　ver 2.20   ...for Tessel");
    QTest::newRow("quit") << "Command5" << "Quit(&Q)";
    QTest::newRow("gore pick") << "Command1" << QStringLiteral("読み込み(&R)");
    QTest::newRow("gore status") << "Label2(0)" << kNoFileYet;
    QTest::newRow("polyhedron status") << "Label2(1)" << kNoFileYet;
    QTest::newRow("gore draw ends in a space") << "Command2" << QStringLiteral("描画(&D) ");
    QTest::newRow("polyhedron draw") << "Command7" << QStringLiteral("描画(&D)");
    QTest::newRow("position caption, full-width space") << "Label4" << QStringLiteral("　位置 k=");
    QTest::newRow("n") << "Text1" << "8";
    QTest::newRow("k") << "Text2" << "1";
    QTest::newRow("faintest") << "Text3" << "8.5";
    QTest::newRow("ratio") << "Text4" << "2.5";
    QTest::newRow("magnification") << "Text5" << "10";
    QTest::newRow("radius") << "Text6" << "13";
    QTest::newRow("line latitude") << "Text7" << "70";
    QTest::newRow("plate boundary") << "Text8" << "70";
    QTest::newRow("boundary caption, trailing space") << "Label23" << QStringLiteral("：境界緯度[deg] ");
    QTest::newRow("phi0") << "Text9" << "0";
    QTest::newRow("lambda0") << "Text10" << "90";
    QTest::newRow("face radius") << "Text11" << "10";
    QTest::newRow("range") << "Text12" << "30";
    QTest::newRow("face ratio") << "Text13" << "2.5";
    QTest::newRow("face magnification") << "Text14" << "10";
    QTest::newRow("face faintest") << "Text15" << "7.0";
    QTest::newRow("face number") << "Text16" << "1";
    QTest::newRow("face file, half-width katakana") << "Command9" << QStringLiteral("面座標ﾌｧｲﾙ読込");
    QTest::newRow("vertex status") << "Label40" << QStringLiteral("ﾌｧｲﾙが読込まれていません.");
    QTest::newRow("svg caption, leading space") << "Label44" << QStringLiteral(" .svg 形式で出力");
    QTest::newRow("preview") << "Command13" << "Command13";
    QTest::newRow("notes") << "Label31(2)" << QStringLiteral("07/05/18：　2.00 サッカーボールの出力に成功！");
    QTest::newRow("hidden button") << "Command4" << "Command4";
}

void Form1Test::startTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* widget = m_form->control<QWidget>(name);
    QVERIFY2(widget, qPrintable(name));
    // A caption shortened to fit its control keeps its whole text as tooltip.
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->toolTip().isEmpty() ? label->text() : label->toolTip(), text);
    else if (auto* box = qobject_cast<QLineEdit*>(widget))
        QCOMPARE(box->text(), text);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->toolTip().isEmpty() ? button->text() : button->toolTip(), text);
    else
        QFAIL("unexpected kind of control");
}

void Form1Test::startStates()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Orbweave 2008"));
    ui::TabControl* tabs = m_form->tabControl();
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(tabs->tabBar()->tabText(0), QStringLiteral("経度別横円筒"));
    QCOMPARE(tabs->tabBar()->tabText(1), QStringLiteral("多面体"));
    QCOMPARE(tabs->tabBar()->tabText(2), QStringLiteral("工事中"));
    QCOMPARE(tabs->tabBar()->tabText(3), QStringLiteral("ガイドライン"));
    QVERIFY(m_form->label(QStringLiteral("Label37"))->isVisible());
    QVERIFY(!m_form->label(QStringLiteral("Label36"))->isVisible());

    for (const char* name : {"Check1", "Check2", "Check6"})
        QVERIFY2(m_form->checkBox(QString::fromLatin1(name))->checkState() == Qt::Checked, name);
    for (const char* name : {"Check3", "Check4", "Check5", "Check7", "Check8", "Check9"})
        QVERIFY2(m_form->checkBox(QString::fromLatin1(name))->checkState() == Qt::Unchecked, name);

    QVERIFY(!m_form->button(QStringLiteral("Command2"))->isEnabled());
    QVERIFY(!m_form->button(QStringLiteral("Command7"))->isEnabled());
    QVERIFY(m_form->button(QStringLiteral("Command4"))->isHidden());
    QVERIFY(m_form->StarFileName().isEmpty());
    QCOMPARE(m_form->control<QGroupBox>(QStringLiteral("Frame2"))->title(), QStringLiteral("　ε補正　"));
    QVERIFY(!m_form->goreWindow());
    QVERIFY(!m_form->plateWindow());
}

void Form1Test::placesInPixels_data()
{
    // Twips of the layout tables divided by 15 (96 dpi, the offscreen screen's resolution).
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Command5 on the form") << "Command5" << "client" << QRect(232, 8, 113, 25);
    QTest::newRow("SSTab1") << "SSTab1" << "client" << QRect(0, 40, 355, 497);
    QTest::newRow("Command2 from the tab control") << "Command2" << "SSTab1" << QRect(192, 116, 145, 201);
    QTest::newRow("Text9 over Frame4") << "Text9" << "SSTab1" << QRect(96, 144, 65, 18);
    QTest::newRow("Text5 in Frame3") << "Text5" << "Frame3" << QRect(48, 40, 49, 18);
    QTest::newRow("Label8 on the guideline tab") << "Label8" << "SSTab1" << QRect(16, 72, 313, 113);
    QTest::newRow("Label35 in Frame6") << "Label35" << "Frame6" << QRect(40, 88, 121, 17);
}

void Form1Test::placesInPixels()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    QVERIFY(qFuzzyCompare(ui::screenDotsPerInch(), 96.0));
    QWidget* widget = m_form->findChild<QWidget*>(name);
    QWidget* base = container == QLatin1String("client") ? m_form->centralWidget()
                                                         : m_form->findChild<QWidget*>(container);
    QVERIFY(widget && base);
    const QRect inBase(widget->mapTo(base, QPoint(0, 0)), widget->size());
    QCOMPARE(inBase, pixels);
}

void Form1Test::lowCheckBoxesKeepTheirWholeTickBox()
{
    // Check2 is 255 × 180 twips (17 × 12 pixels) in Frame2, lower than the style's tick box:
    // it grows about the row's middle, keeping its left edge and width.
    auto* box = m_form->findChild<QCheckBox*>(QStringLiteral("Check2"));
    QVERIFY(box);
    const QRect place(box->mapTo(m_form->findChild<QWidget*>(QStringLiteral("Frame2")), QPoint(0, 0)), box->size());
    QCOMPARE(place.left(), 8);
    QCOMPARE(place.width(), 17);
    QCOMPARE(place.height(), qMax(12, box->sizeHint().height()));
    QVERIFY(qAbs((place.top() + place.bottom()) - (16 + 27)) <= 1);
}

void Form1Test::frameBordersPassAboveTheirControls()
{
    // Each frame's border runs through the middle of its title, above its first row of controls
    // (Check2, Check4 and Text4 among them), which start 240 twips below the frame's top.
    const QList<ui::FrameBox*> frames = m_form->findChildren<ui::FrameBox*>();
    QCOMPARE(frames.size(), 6);
    for (const ui::FrameBox* frame : frames) {
        QVERIFY(frame->borderTop() > 0);
        QVERIFY(frame->borderTop() < frame->fontMetrics().height());
        // The line is painted there: right of the title, that row differs from the rows below it.
        const QImage picture = const_cast<ui::FrameBox*>(frame)->grab().toImage();
        const int x = picture.width() - 4;
        QVERIFY(picture.pixel(x, frame->borderTop()) != picture.pixel(x, frame->borderTop() + 2));
        QCOMPARE(picture.pixel(x, frame->borderTop() + 2), picture.pixel(x, frame->borderTop() - 2));
        for (const QWidget* control : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(control->y() > frame->borderTop(), qPrintable(frame->objectName() + QLatin1Char(' ') + control->objectName()));
    }
}

void Form1Test::japaneseTextHasGlyphs()
{
    // Every character of every caption must be in the font the control resolves to.
    QStringList missing;
    const auto check = [&missing](const QString& text, const QFont& font, const QString& where) {
        const QFontMetrics metrics(font);
        for (const uint c : text.toUcs4()) {
            if (c > 0x20 && !metrics.inFontUcs4(c))
                missing << where + QStringLiteral(": U+%1").arg(c, 4, 16, QLatin1Char('0'));
        }
    };
    for (QLabel* label : m_form->findChildren<QLabel*>())
        check(label->text(), label->font(), label->objectName());
    for (QPushButton* button : m_form->findChildren<QPushButton*>())
        check(button->text(), button->font(), button->objectName());
    for (QGroupBox* frame : m_form->findChildren<QGroupBox*>())
        check(frame->title(), frame->font(), frame->objectName());
    QTabBar* bar = m_form->tabControl()->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        check(bar->tabText(i), bar->font(), QStringLiteral("tab %1").arg(i));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
}

void Form1Test::fixedPitchLabels()
{
    if (!QFontDatabase::families().contains(QStringLiteral("IPAGothic")))
        QSKIP("IPAGothic (fonts-ipafont-gothic) is not installed");
    for (const char* name : {"Label3", "Label4", "Label7", "Label8", "Label14", "Label16"}) {
        const QFont font = m_form->label(QString::fromLatin1(name))->font();
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(QFontInfo(font).pointSize(), 9);
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("分")), 2 * metrics.horizontalAdvance(QLatin1Char('n')));
    }
    QVERIFY(m_form->label(QStringLiteral("Label8"))->wordWrap());
    QVERIFY(QFontInfo(m_form->label(QStringLiteral("Label5"))->font()).family() != QStringLiteral("IPAGothic"));
}

void Form1Test::pickOnOneTabShowsOnBoth_data()
{
    QTest::addColumn<QString>("pickButton");
    QTest::newRow("gore tab") << "Command1";
    QTest::newRow("polyhedron tab") << "Command8";
}

void Form1Test::pickOnOneTabShowsOnBoth()
{
    QFETCH(QString, pickButton);
    const QString file = QString::fromStdString(m_temp->write("stars.csv", "10,30,1\r\n"));
    m_dialog->answers.push_back(file);
    m_form->tabControl()->setCurrentIndex(pickButton == QLatin1String("Command1") ? 0 : 1);
    QTest::mouseClick(m_form->button(pickButton), Qt::LeftButton);

    QCOMPARE(m_form->StarFileName(), file);
    QCOMPARE(fullText("Label2(0)"), QDir::toNativeSeparators(file));
    QCOMPARE(fullText("Label2(1)"), QDir::toNativeSeparators(file));
    QVERIFY(m_form->button(QStringLiteral("Command2"))->isEnabled());
    QVERIFY(m_form->button(QStringLiteral("Command7"))->isEnabled());
    QCOMPARE(QDir::current().absolutePath(), folder());
}

void Form1Test::cancelledFirstPick()
{
    m_dialog->answers.push_back(QString());
    click("Command8");
    QCOMPARE(m_dialog->prefills.size(), 1);
    // Never confirmed: the dialog opens in the bundled catalogue's folder.
    QVERIFY(QFileInfo::exists(m_dialog->prefills.front() + QStringLiteral("/bright-stars.csv")));
    QVERIFY(m_form->StarFileName().isEmpty());
    QCOMPARE(m_form->label(QStringLiteral("Label2(0)"))->text(), kPickFailed);
    QCOMPARE(m_form->label(QStringLiteral("Label2(1)"))->text(), kPickFailed);
    QVERIFY(!m_form->button(QStringLiteral("Command2"))->isEnabled());
    QVERIFY(!m_form->button(QStringLiteral("Command7"))->isEnabled());
}

void Form1Test::cancelAfterPickKeepsFile()
{
    const QString file = QString::fromStdString(m_temp->write("stars.csv", "10,30,1\r\n"));
    m_dialog->answers = {file, QString()};
    m_form->pickStarFile();
    m_form->pickStarFile();
    QCOMPARE(m_dialog->prefills.at(1), file);
    QCOMPARE(m_form->StarFileName(), file);
    QCOMPARE(fullText("Label2(1)"), QDir::toNativeSeparators(file));
    QVERIFY(m_form->button(QStringLiteral("Command2"))->isEnabled());
}

void Form1Test::drawBeforePickDoesNothing()
{
    m_form->tabControl()->setCurrentIndex(0);
    click("Command2");
    m_form->drawGore();
    QVERIFY(!m_form->goreWindow());
    QVERIFY(m_messages->shown.empty());
}

void Form1Test::tabsKeepTyping()
{
    m_form->tabControl()->setCurrentIndex(0);
    QLineEdit* text3 = m_form->textBox(QStringLiteral("Text3"));
    text3->selectAll();
    QTest::keyClicks(text3, QStringLiteral("6.5"));
    m_form->tabControl()->setCurrentIndex(3);
    m_form->tabControl()->setCurrentIndex(0);
    QCOMPARE(text3->text(), QStringLiteral("6.5"));
    QCOMPARE(m_form->textBox(QStringLiteral("Text15"))->text(), QStringLiteral("7.0"));
}

void Form1Test::stepGorePosition_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("status"); // what the status line says; empty: nothing
    QTest::newRow("k+1 past n") << "Command3" << "8" << "9" << "";
    QTest::newRow("k-1 below 1") << "Command6" << "1" << "0" << "";
    QTest::newRow("k-1 negative") << "Command6" << "0" << "-1" << "";
    QTest::newRow("k+1 fractional") << "Command3" << "2.5" << "3.5" << "";
    QTest::newRow("k+1 not a number") << "Command3" << "abc" << "abc"
                                      << QStringLiteral("位置 k の「abc」は数ではないので、k+1 は何もしませんでした。");
    QTest::newRow("k-1 empty") << "Command6" << "" << ""
                               << QStringLiteral("位置 k の「」は数ではないので、k-1 は何もしませんでした。");
}

void Form1Test::stepGorePosition()
{
    QFETCH(QString, button);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, status);
    if (ui::Form1::decimalSeparator() != '.')
        QSKIP("the rows are written with a full stop");
    m_form->tabControl()->setCurrentIndex(0);
    m_form->textBox(QStringLiteral("Text2"))->setText(before);
    QTest::mouseClick(m_form->button(button), Qt::LeftButton);
    QCOMPARE(m_form->textBox(QStringLiteral("Text2"))->text(), after);
    QCOMPARE(m_form->statusLine()->text(), status);
    QVERIFY(m_messages->shown.empty());
}

void Form1Test::captionToggles_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("tickedAtStart");
    QTest::newRow("hemisphere") << 0 << "Label6" << "Check1" << true;
    QTest::newRow("epsilon") << 0 << "Label18" << "Check2" << true;
    QTest::newRow("equal latitude") << 0 << "Label20" << "Check3" << false;
    QTest::newRow("vertices") << 1 << "Label42" << "Check7" << false;
    QTest::newRow("edges") << 1 << "Label43" << "Check8" << false;
    QTest::newRow("svg") << 1 << "Label44" << "Check9" << false;
}

void Form1Test::captionToggles()
{
    QFETCH(int, tab);
    QFETCH(QString, label);
    QFETCH(QString, box);
    QFETCH(bool, tickedAtStart);
    m_form->tabControl()->setCurrentIndex(tab);
    QLabel* caption = m_form->label(label);
    QCheckBox* check = m_form->checkBox(box);
    QVERIFY(qobject_cast<ui::ClickableLabel*>(caption));
    QCOMPARE(check->isChecked(), tickedAtStart);
    QTest::mouseClick(caption, Qt::LeftButton);
    QCOMPARE(check->isChecked(), !tickedAtStart);
    QTest::mouseClick(caption, Qt::LeftButton);
    QCOMPARE(check->isChecked(), tickedAtStart);
    // A right click is no click.
    QTest::mouseClick(caption, Qt::RightButton);
    QCOMPARE(check->isChecked(), tickedAtStart);
    // A grayed box becomes ticked.
    check->setCheckState(Qt::PartiallyChecked);
    QTest::mouseClick(caption, Qt::LeftButton);
    QCOMPARE(check->checkState(), Qt::Checked);
}

void Form1Test::quitCancelled()
{
    m_messages->answers.push_back(false);
    click("Command5");
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    const ui::Message& asked = m_messages->shown.front();
    QCOMPARE(asked.text, QStringLiteral("終了します。"));
    QCOMPARE(asked.title, QStringLiteral("Tessel"));
    QCOMPARE(asked.icon, ui::MessageIcon::Question);
    QVERIFY(asked.withCancel);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->textBox(QStringLiteral("Text1"))->text(), QStringLiteral("8"));
}

void Form1Test::quitConfirmed()
{
    m_messages->answers.push_back(true);
    click("Command5");
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    QVERIFY(!m_form->isVisible());
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
