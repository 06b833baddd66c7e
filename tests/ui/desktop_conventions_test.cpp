// The main window as a desktop program: its menus and keys, dropped files, the recent files,
// what it remembers between runs, the About box, closing it, and saving under another name.
#include "appdata/version.h"
#include "ui/canvas_view.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/help_window.h"
#include "ui/status_line.h"
#include "widget_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QtTest>

namespace {

const QString kStars = QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv");
const QString kVertices = QStringLiteral(ORBWEAVE_DATA_DIR "/models/cube-vertices.csv");
const QString kFaces = QStringLiteral(ORBWEAVE_DATA_DIR "/models/cube-faces.csv");

/// Drops `data` onto `target` as a window system would: enter first, then the drop if accepted.
bool drop(QWidget* target, QMimeData* data)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

QMimeData* filesData(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    data->setUrls(urls);
    return data;
}

} // namespace

class DesktopConventionsTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { setUpForm(); }
    void cleanup()
    {
        tearDownForm();
        QSettings().clear();
    }

    void menusKeepTheOriginalControlsInPlace();
    void keysOpenTheirDialogs_data();
    void keysOpenTheirDialogs();
    void aboutBoxNamesVersionLicenceAndData();
    void droppedFileLoads_data();
    void droppedFileLoads();
    void recentFilesReopen();
    void settingsSurviveARestart();
    void withoutRestoreNothingIsRead();
    void closingTheWindowAsks_data();
    void closingTheWindowAsks();
    void saveAsWritesWhereChosen();
    void newDrawClearsTheSaveStatus();
    void goreLabelsInEnglish();
    void everyControlHasATip_data();
    void everyControlHasATip();
};

void DesktopConventionsTest::initTestCase()
{
    // Settings go to a test folder and a test organisation, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("OrbweaveTest"));
    QCoreApplication::setApplicationName(QStringLiteral("desktop_conventions_test"));
    QSettings().clear();
}

void DesktopConventionsTest::menusKeepTheOriginalControlsInPlace()
{
    // The client area starts below the menu bar and keeps its size: Quit stays where it was.
    QWidget* client = m_form->findChild<QWidget*>(QStringLiteral("client"));
    QVERIFY(m_form->menuBar()->isVisible());
    QCOMPARE(client->y(), m_form->menuBar()->height());
    QVERIFY(m_form->height() >= m_form->menuBar()->height() + client->height() + m_form->statusLine()->height());
    QCOMPARE(m_form->button(QStringLiteral("Command5"))->geometry(), QRect(232, 8, 113, 25));
    QStringList menus;
    for (QAction* a : m_form->menuBar()->actions())
        menus << a->menu()->objectName();
    QCOMPARE(menus, (QStringList{"menuFile", "menuView", "menuHelp"}));
}

void DesktopConventionsTest::keysOpenTheirDialogs_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("opens"); // what shows: "file dialog", "globe", "help", "quit question", "status"
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << int(Qt::ControlModifier) << "file dialog";
    QTest::newRow("Ctrl+P") << int(Qt::Key_P) << int(Qt::ControlModifier) << "globe";
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << "help";
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << "quit question";
    QTest::newRow("Ctrl+S before a Draw") << int(Qt::Key_S) << int(Qt::ControlModifier) << "status";
    QTest::newRow("Alt+1 shows the gore tab") << int(Qt::Key_1) << int(Qt::AltModifier) << "tab 0";
}

void DesktopConventionsTest::keysOpenTheirDialogs()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, opens);
    m_messages->answers.push_back(false); // the quit question is answered Cancel
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(m_form.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_dialog->prefills.size(), opens == QLatin1String("file dialog") ? 1 : 0);
    QCOMPARE(m_form->globeDialog() != nullptr, opens == QLatin1String("globe"));
    auto* help = m_form->findChild<ui::HelpWindow*>();
    QCOMPARE(help && help->isVisible(), opens == QLatin1String("help"));
    if (help)
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("天球儀プレビュー")));
    QCOMPARE(m_messages->shown.size(), std::size_t(opens == QLatin1String("quit question") ? 1 : 0));
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->statusLine()->text().contains(QStringLiteral("保存する描画がありません")),
             opens == QLatin1String("status"));
    QCOMPARE(m_form->tabControl()->currentIndex(), opens == QLatin1String("tab 0") ? 0 : 1);
}

void DesktopConventionsTest::aboutBoxNamesVersionLicenceAndData()
{
    m_form->action(QStringLiteral("actionAbout"))->trigger();
    auto* about = m_form->findChild<QDialog*>(QStringLiteral("AboutDialog"));
    QVERIFY(about && about->isVisible());
    const QString text = about->findChild<QLabel*>(QStringLiteral("aboutText"))->text();
    for (const QString& part : {QStringLiteral("Orbweave ") + QLatin1String(appdata::kVersion),
                                QStringLiteral("GPL-3.0-or-later"), QStringLiteral("Bright Star Catalogue"),
                                QStringLiteral("d3-celestial")})
        QVERIFY2(text.contains(part), qPrintable(part));
}

void DesktopConventionsTest::droppedFileLoads_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("starFile"); // the star file in force afterwards
    QTest::addColumn<QString>("vertexFile");
    QTest::addColumn<int>("messages");
    QTest::newRow("star file") << 0 << QStringList{kStars} << true << kStars << "" << 0;
    QTest::newRow("vertex file on the polyhedron tab") << 1 << QStringList{kVertices} << true << "" << kVertices << 0;
    QTest::newRow("vertex file on the gore tab: refused as a star file")
        << 0 << QStringList{kVertices} << true << "" << "" << 1;
    QTest::newRow("two files at once") << 0 << QStringList{kStars, kFaces} << false << "" << "" << 0;
}

void DesktopConventionsTest::droppedFileLoads()
{
    QFETCH(int, tab);
    QFETCH(QStringList, files);
    QFETCH(bool, accepted);
    QFETCH(QString, starFile);
    QFETCH(QString, vertexFile);
    QFETCH(int, messages);
    m_form->tabControl()->setCurrentIndex(tab);
    std::unique_ptr<QMimeData> data(filesData(files));
    QCOMPARE(drop(m_form.get(), data.get()), accepted);
    QCOMPARE(m_form->StarFileName(), starFile);
    QCOMPARE(QString::fromStdString(m_form->polyhedronModel().VertexFileName), vertexFile);
    QCOMPARE(m_form->button(QStringLiteral("Command2"))->isEnabled(), !starFile.isEmpty());
    QCOMPARE(int(m_messages->shown.size()), messages);
    QCOMPARE(m_dialog->prefills.size(), 0);
}

void DesktopConventionsTest::recentFilesReopen()
{
    const QString copy = QDir(folder()).filePath(QStringLiteral("copy & more.csv"));
    QVERIFY(QFile::copy(kStars, copy));
    pick("Command1", kStars);
    pick("Command1", copy);
    QCOMPARE(m_form->recentFiles(), (QStringList{copy, kStars}));
    auto* menu = m_form->findChild<QMenu*>(QStringLiteral("menuRecent"));
    QVERIFY(menu->isEnabled());
    QCOMPARE(menu->actions().size(), 2);
    QVERIFY2(menu->actions().front()->text().contains(QStringLiteral("copy && more.csv")),
             qPrintable(menu->actions().front()->text()));
    // The older one again: it is read, goes first, and the dialog offers it next.
    menu->actions().at(1)->trigger();
    QCOMPARE(m_form->StarFileName(), kStars);
    QCOMPARE(m_form->recentFiles(), (QStringList{kStars, copy}));
    click("Command1");
    QCOMPARE(m_dialog->prefills.back(), kStars);
}

void DesktopConventionsTest::settingsSurviveARestart()
{
    m_form->hide(); // closing a main window closes the others
    QRect placed;
    const QRect goreWindowPlace(120, 90, 420, 330);
    {
        ui::Form1 first;
        first.setMessagePresenter(std::make_unique<testing_support::RecordingPresenter>(m_messages));
        first.restoreSession();
        first.openStarFile(kStars);
        first.textBox(QStringLiteral("Text1"))->setText(QStringLiteral("12"));
        first.textBox(QStringLiteral("Text9"))->setText(QStringLiteral("12.5"));
        first.textBox(QStringLiteral("Text16"))->setText(QStringLiteral("3"));
        first.checkBox(QStringLiteral("Check1"))->setChecked(false);
        first.checkBox(QStringLiteral("Check8"))->setChecked(true);
        first.tabControl()->setCurrentIndex(0);
        first.show();
        first.button(QStringLiteral("Command2"))->click();
        QVERIFY(first.goreWindow());
        first.goreWindow()->setGeometry(goreWindowPlace);
        first.setGeometry(40, 50, first.width(), first.height() + 20);
        placed = first.geometry();
        QVERIFY(first.close()); // the recorder answers OK
    }
    ui::Form1 second;
    second.restoreSession();
    QCOMPARE(second.StarFileName(), kStars);
    QVERIFY(second.button(QStringLiteral("Command2"))->isEnabled());
    QCOMPARE(second.textBox(QStringLiteral("Text1"))->text(), QStringLiteral("12"));
    QCOMPARE(second.textBox(QStringLiteral("Text9"))->text(), QStringLiteral("12.5"));
    QCOMPARE(second.textBox(QStringLiteral("Text16"))->text(), QStringLiteral("3"));
    QVERIFY(!second.checkBox(QStringLiteral("Check1"))->isChecked());
    QVERIFY(second.checkBox(QStringLiteral("Check8"))->isChecked());
    QCOMPARE(second.tabControl()->currentIndex(), 0);
    QCOMPARE(second.recentFiles(), QStringList{kStars});
    QCOMPARE(second.geometry(), placed);
    // The gore window opens where it stood.
    second.show();
    second.button(QStringLiteral("Command2"))->click();
    QVERIFY(second.goreWindow());
    QCOMPARE(second.goreWindow()->geometry(), goreWindowPlace);
}

void DesktopConventionsTest::withoutRestoreNothingIsRead()
{
    {
        QSettings settings;
        settings.setValue(QStringLiteral("window/texts/Text1"), QStringLiteral("99"));
        settings.setValue(QStringLiteral("window/starFile"), kStars);
    }
    ui::Form1 window;
    QCOMPARE(window.textBox(QStringLiteral("Text1"))->text(), QStringLiteral("8"));
    QVERIFY(window.StarFileName().isEmpty());
    window.openStarFile(kStars);
    QCOMPARE(QSettings().value(QStringLiteral("window/recentFiles")).toStringList(), QStringList());
}

void DesktopConventionsTest::closingTheWindowAsks_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("Cancel keeps everything") << false;
    QTest::newRow("OK ends the program") << true;
}

void DesktopConventionsTest::closingTheWindowAsks()
{
    QFETCH(bool, answer);
    pick("Command1", kStars);
    m_form->tabControl()->setCurrentIndex(0);
    click("Command2");
    QPointer<ui::Form2> gore = m_form->goreWindow();
    QVERIFY(gore && gore->isVisible());
    m_messages->answers.push_back(answer);
    QCOMPARE(m_form->close(), answer);
    QCOMPARE(m_messages->shown.size(), std::size_t(1));
    QCOMPARE(m_messages->shown.front().text, QStringLiteral("終了します。"));
    QVERIFY(m_messages->shown.front().withCancel);
    QCOMPARE(m_form->isVisible(), !answer);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(gore && gore->isVisible(), !answer);
}

void DesktopConventionsTest::saveAsWritesWhereChosen()
{
    pick("Command1", kStars);
    m_form->tabControl()->setCurrentIndex(0);
    click("Command2");
    QDir(folder()).mkdir(QStringLiteral("elsewhere"));
    const QString chosen = QDir(folder()).filePath(QStringLiteral("elsewhere/mine"));
    m_saves->answers.push_back(chosen);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    // Offered under the usual name in the program's folder; written with ".bmp" added.
    QCOMPARE(m_saves->prefills, QStringList{QDir(folder()).filePath(QStringLiteral("N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp"))});
    const testing_support::BitmapHeader header = testing_support::readBitmapHeader(chosen + QStringLiteral(".bmp"));
    QVERIFY(header.valid);
    QCOMPARE(header.width, m_form->goreWindow()->picture()->canvasPixels().width());
    QCOMPARE(header.xPixelsPerMetre, 3780);
    QVERIFY(m_form->goreWindow()->statusText().endsWith(QStringLiteral("mine.bmp")));
    QVERIFY(testing_support::filesIn(folder(), QStringLiteral("*.bmp")).isEmpty());
    // Cancelled: nothing more is written.
    QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(testing_support::filesIn(QDir(folder()).filePath(QStringLiteral("elsewhere")), QStringLiteral("*")),
             QStringList{"mine.bmp"});
}

void DesktopConventionsTest::newDrawClearsTheSaveStatus()
{
    pick("Command8", kStars);
    pick("Command10", kVertices);
    pick("Command9", kFaces);
    box("Text12")->setText(QStringLiteral("55"));
    click("Command7");
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY2(m_form->faceWindow()->statusText().contains(QStringLiteral("保存しました")),
             qPrintable(m_form->faceWindow()->statusText()));
    QCOMPARE(testing_support::filesIn(folder(), QStringLiteral("*.bmp")).size(), 1);
    click("Command7");
    QCOMPARE(m_form->faceWindow()->statusText(), QString());
}

void DesktopConventionsTest::goreLabelsInEnglish()
{
    tearDownForm();
    setUpForm(QString(), 0, ui::Language::English);
    pick("Command1", kStars);
    click("Command2");
    const ui::Form2* gore = m_form->goreWindow();
    QVERIFY(gore);
    for (int i = 1; i <= 6; ++i) {
        const QString text = gore->label(i)->text();
        for (const QChar c : text)
            QVERIFY2(c.unicode() < 0x3000, qPrintable(QStringLiteral("Label%1: %2").arg(i).arg(text)));
    }
    QVERIFY2(gore->label(3)->text().endsWith(QStringLiteral("8.5")), qPrintable(gore->label(3)->text()));
}

void DesktopConventionsTest::everyControlHasATip_data()
{
    QTest::addColumn<ui::Language>("language");
    QTest::newRow("Japanese") << ui::Language::Japanese;
    QTest::newRow("English") << ui::Language::English;
    QTest::newRow("Spanish") << ui::Language::Spanish;
}

void DesktopConventionsTest::everyControlHasATip()
{
    QFETCH(ui::Language, language);
    tearDownForm();
    setUpForm(QString(), -1, language);
    int controls = 0;
    for (QWidget* w : m_form->findChildren<QWidget*>()) {
        if (!(qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)) || w->isHidden()
            || w->objectName().isEmpty())
            continue;
        ++controls;
        // A button's tip is its status tip: its tooltip may be its shortened caption's whole text.
        const QString tip = qobject_cast<QPushButton*>(w) ? w->statusTip() : w->toolTip();
        QVERIFY2(!tip.isEmpty(), qPrintable(w->objectName()));
        if (language != ui::Language::Japanese)
            for (const QChar c : tip)
                QVERIFY2(c.unicode() < 0x3000, qPrintable(w->objectName() + QStringLiteral(": ") + tip));
    }
    QVERIFY(controls >= 39); // 14 buttons, 16 text boxes, 9 check boxes
}

QTEST_MAIN(DesktopConventionsTest)
#include "desktop_conventions_test.moc"
