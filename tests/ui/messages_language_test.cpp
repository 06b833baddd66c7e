// Every message the window writes itself is in the interface's language: in Japanese no sentence
// is ASCII alone, in English none holds Japanese. (Texts that come from the computation core,
// such as a file's faulty line, are quoted as the core gives them and are not checked here.)
#include "ui/drawing_window.h"
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form4.h"
#include "ui/status_line.h"
#include "widget_test_support.h"

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(ui::Language)

namespace {

const QString kModels = QStringLiteral(ORBWEAVE_DATA_DIR "/models/");

/// What the window is made to say.
enum class Action {
    Quit,
    FirstPickCancelled,
    StarPickOfFaceFile,
    StarPickWithHeader,
    VertexPickOfCatalogue,
    FacePickOfVertexFile,
    ModelMismatch,
    GoreStepOnText,
    FaceStepOnText,
    Saved,
    SaveFolderMissing,
    SaveFailed,
};

/// Which lines of the message the window writes itself.
enum class Lines { All, First, Last };

bool isJapanese(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Lines)

class MessagesLanguageTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void ownMessages_data();
    void ownMessages();
    void qtButtonsAreJapanese();
    void languageCodes_data();
    void languageCodes();
    void badCommandLine_data();
    void badCommandLine();

private:
    QString say(Action action);
};

void MessagesLanguageTest::initTestCase() { ui::installFontSubstitutions(); }

void MessagesLanguageTest::cleanup() { tearDownForm(); }

QString MessagesLanguageTest::say(Action action)
{
    const QString stars = QString::fromStdString(m_temp->write("stars.csv", "90,0,6\r\n"));
    const auto lastMessage = [this] { return m_messages->shown.empty() ? QString() : m_messages->shown.back().text; };
    const auto drawFace = [this, &stars] {
        pick("Command8", stars);
        click("Command7");
        return m_form->faceWindow();
    };
    switch (action) {
    case Action::Quit:
        m_messages->answers.push_back(false);
        click("Command5");
        return lastMessage();
    case Action::FirstPickCancelled:
        pick("Command8", QString());
        return fullText("Label2(1)");
    case Action::StarPickOfFaceFile:
        pick("Command8", kModels + QStringLiteral("cube-faces.csv"));
        return lastMessage();
    case Action::StarPickWithHeader:
        pick("Command8", QString::fromStdString(m_temp->write("header.csv", "lambda,phi,vmag\r\n")));
        return lastMessage();
    case Action::VertexPickOfCatalogue:
        pick("Command10", QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv"));
        return lastMessage();
    case Action::FacePickOfVertexFile:
        pick("Command9", kModels + QStringLiteral("cube-vertices.csv"));
        return lastMessage();
    case Action::ModelMismatch:
        pick("Command10", kModels + QStringLiteral("tetrahedron-vertices.csv"));
        pick("Command9", kModels + QStringLiteral("cube-faces.csv"));
        return lastMessage();
    case Action::GoreStepOnText:
        box("Text2")->setText(QStringLiteral("x"));
        click("Command3");
        return m_form->statusLine()->text();
    case Action::FaceStepOnText:
        box("Text16")->setText(QStringLiteral("x"));
        click("Command12");
        return m_form->statusLine()->text();
    case Action::Saved: {
        ui::Form4* window = drawFace();
        QTest::mouseClick(window->saveButton(), Qt::LeftButton);
        return window->statusText();
    }
    case Action::SaveFolderMissing: {
        m_form->setProgramDirectory(QDir(folder()).absoluteFilePath(QStringLiteral("missing")));
        ui::Form4* window = drawFace();
        QTest::mouseClick(window->saveButton(), Qt::LeftButton);
        return window->statusText();
    }
    case Action::SaveFailed: {
        QDir(folder()).mkdir(QStringLiteral("SurN1_Vb7.0_Sr2.5_Ss10_10cm.bmp"));
        ui::Form4* window = drawFace();
        QTest::mouseClick(window->saveButton(), Qt::LeftButton);
        return lastMessage();
    }
    }
    return QString();
}

void MessagesLanguageTest::ownMessages_data()
{
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<Action>("action");
    QTest::addColumn<Lines>("lines");
    const std::pair<const char*, std::pair<Action, Lines>> rows[] = {
        {"Quit question", {Action::Quit, Lines::All}},
        {"first pick cancelled", {Action::FirstPickCancelled, Lines::All}},
        {"star pick of a face file", {Action::StarPickOfFaceFile, Lines::All}},
        {"star pick with a header line", {Action::StarPickWithHeader, Lines::Last}},
        {"vertex pick of the catalogue", {Action::VertexPickOfCatalogue, Lines::All}},
        {"face pick of a vertex file", {Action::FacePickOfVertexFile, Lines::All}},
        {"vertex and face files apart", {Action::ModelMismatch, Lines::All}},
        {"k+1 on text", {Action::GoreStepOnText, Lines::All}},
        {"face -1 on text", {Action::FaceStepOnText, Lines::All}},
        {"saved", {Action::Saved, Lines::All}},
        {"program folder missing", {Action::SaveFolderMissing, Lines::All}},
        {"write failed", {Action::SaveFailed, Lines::First}},
    };
    for (const auto& row : rows) {
        QTest::addRow("Japanese: %s", row.first) << ui::Language::Japanese << row.second.first << row.second.second;
        QTest::addRow("English: %s", row.first) << ui::Language::English << row.second.first << row.second.second;
    }
}

void MessagesLanguageTest::ownMessages()
{
    QFETCH(ui::Language, language);
    QFETCH(Action, action);
    QFETCH(Lines, lines);
    setUpForm(QString(), 1, language);
    const QString said = say(action);
    QVERIFY2(!said.isEmpty(), "nothing was said");
    QStringList own = said.split(QLatin1Char('\n'));
    if (lines == Lines::First)
        own = own.mid(0, 1);
    else if (lines == Lines::Last)
        own = own.mid(own.size() - 1);
    for (const QString& line : own) {
        if (language == ui::Language::English) {
            QVERIFY2(std::none_of(line.begin(), line.end(), isJapanese), qPrintable(line));
            continue;
        }
        for (const QString& sentence : line.split(QChar(0x3002), Qt::SkipEmptyParts)) {
            if (sentence.trimmed().isEmpty())
                continue;
            QVERIFY2(std::any_of(sentence.begin(), sentence.end(), isJapanese), qPrintable(sentence));
        }
    }
}

void MessagesLanguageTest::qtButtonsAreJapanese()
{
    // Qt's own buttons come from Qt's Japanese translation.
    const ui::Translations japanese(ui::Language::Japanese);
    if (!japanese.missing().isEmpty())
        QFAIL(qPrintable(QStringLiteral("missing: ") + japanese.missing().join(QLatin1Char(' '))));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tessel"), QStringLiteral("終了します。"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

void MessagesLanguageTest::languageCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("language"); // -1: none
    QTest::newRow("ja") << "ja" << int(ui::Language::Japanese);
    QTest::newRow("EN") << "EN" << int(ui::Language::English);
    QTest::newRow("ja_JP is no code") << "ja_JP" << -1;
    QTest::newRow("fr") << "fr" << -1;
    QTest::newRow("empty") << "" << -1;
}

void MessagesLanguageTest::languageCodes()
{
    QFETCH(QString, code);
    QFETCH(int, language);
    const std::optional<ui::Language> found = ui::languageFromCode(code);
    QCOMPARE(found ? int(*found) : -1, language);
}

void MessagesLanguageTest::badCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named"); // what the message must name
    QTest::newRow("unknown language") << QStringList{"--lang", "fr"} << "--lang \"fr\"";
    QTest::newRow("no language") << QStringList{"--lang"} << "lang";
    QTest::newRow("stray argument") << QStringList{"stars.csv"} << "stars.csv";
}

void MessagesLanguageTest::badCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    // The program refuses before it opens a window: a message naming the option, and a failure status.
    QProcess program;
    program.start(QStringLiteral(ORBWEAVE_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY(program.exitCode() != 0);
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(said.contains(named), qPrintable(said));
}

QTEST_MAIN(MessagesLanguageTest)
#include "messages_language_test.moc"
