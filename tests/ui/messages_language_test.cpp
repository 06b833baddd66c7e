// Every message the window shows is in the interface language, its own and the refusals that
// come from the computation core alike: in Japanese no sentence is ASCII alone and no three
// English words run together; in English nothing is Japanese but the file names and the values
// it quotes.
#include "ui/drawing_window.h"
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form4.h"
#include "ui/status_line.h"
#include "widget_test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

Q_DECLARE_METATYPE(ui::Language)

namespace {

const QString kModels = QStringLiteral(ORBWEAVE_DATA_DIR "/models/");

bool isJapanese(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

/// `said` without the values it quotes and the paths it names (any word holding a slash).
QString withoutQuotesAndPaths(QString said)
{
    static const QRegularExpression quoted(QStringLiteral("\"[^\"\\n]*\"")), path(QStringLiteral("\\S*/\\S*"));
    return said.remove(quoted).remove(path);
}

/// Why `said` is not all in `language`; empty when it is.
QString languageFault(const QString& said, ui::Language language)
{
    const QString own = withoutQuotesAndPaths(said);
    if (language == ui::Language::Spanish) {
        if (std::any_of(own.begin(), own.end(), isJapanese))
            return QStringLiteral("Japanese in the Spanish interface");
        static const QRegularExpression englishWords(
            QStringLiteral("\\b(?:the|please|is|are|of|cannot|must|would|file|gores?|radius)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        if (const auto match = englishWords.match(own); match.hasMatch())
            return QStringLiteral("English in the Spanish interface: ") + match.captured();
        return {};
    }
    if (language == ui::Language::English) {
        if (std::any_of(own.begin(), own.end(), isJapanese))
            return QStringLiteral("Japanese in the English interface");
        return {};
    }
    static const QRegularExpression englishWords(QStringLiteral("[A-Za-z]+(?:[ ,;:()'-]+[A-Za-z]+){2,}"));
    if (const auto match = englishWords.match(own); match.hasMatch())
        return QStringLiteral("English words: ") + match.captured();
    static const QRegularExpression sentenceEnd(QStringLiteral("[。？\\n]"));
    for (const QString& sentence : own.split(sentenceEnd, Qt::SkipEmptyParts)) {
        const bool letters = std::any_of(sentence.begin(), sentence.end(), [](QChar c) { return c.isLetter(); });
        if (letters && std::none_of(sentence.begin(), sentence.end(), isJapanese))
            return QStringLiteral("a sentence without Japanese: ") + sentence;
    }
    return {};
}

} // namespace

class MessagesLanguageTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyMessage_data();
    void everyMessage();
    void qtButtonsFollowTheInterface_data();
    void qtButtonsFollowTheInterface();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void languageCodes_data();
    void languageCodes();
    void badCommandLine_data();
    void badCommandLine();

private:
    /// One thing the window is made to say, and where it says it.
    struct Scenario
    {
        const char* name;
        std::function<QString()> say;
    };
    std::vector<Scenario> scenarios();

    /// The message box `action` shows last; empty when it shows none.
    QString saidBy(const std::function<void()>& action)
    {
        const std::size_t before = m_messages->shown.size();
        action();
        return m_messages->shown.size() > before ? m_messages->shown.back().text : QString();
    }
    QString file(const char* name, const std::string& content) const
    {
        return QString::fromStdString(m_temp->write(name, content));
    }
    /// Types `texts` into their boxes and ticks `ticked`.
    void fill(const std::vector<std::pair<const char*, const char*>>& texts, const std::vector<const char*>& ticked)
    {
        for (const auto& [name, typed] : texts)
            box(name)->setText(QString::fromUtf8(typed));
        for (const char* name : ticked)
            m_form->checkBox(QString::fromLatin1(name))->setChecked(true);
    }
    /// A gore Draw of one star with the boxes so filled; what the window said.
    QString drawGore(const std::vector<std::pair<const char*, const char*>>& texts,
                     const std::vector<const char*>& ticked = {})
    {
        pick("Command1", file("stars.csv", "20,10,1\r\n"));
        fill(texts, ticked);
        return saidBy([this] { click("Command2"); });
    }
    /// A face Draw of one star (Sirius, at the tangent point) with the boxes so filled; what the window said.
    QString drawFace(const std::vector<std::pair<const char*, const char*>>& texts,
                     const std::vector<const char*>& ticked = {})
    {
        pick("Command8", file("stars.csv", "90,0,-1.46\r\n"));
        fill(texts, ticked);
        return saidBy([this] { click("Command7"); });
    }
    /// The cube's vertex and face files loaded.
    void loadCube()
    {
        pick("Command10", kModels + QStringLiteral("cube-vertices.csv"));
        pick("Command9", kModels + QStringLiteral("cube-faces.csv"));
    }
    /// `path` picked with `button`; what the window said.
    QString pickPath(const char* button, const QString& path)
    {
        return saidBy([&] { pick(button, path); });
    }
    /// `content` picked with `button` as a data file; what the window said.
    QString pickFile(const char* button, const std::string& content)
    {
        return pickPath(button, file("picked.csv", content));
    }
};

void MessagesLanguageTest::initTestCase() { ui::installFontSubstitutions(); }

void MessagesLanguageTest::cleanup() { tearDownForm(); }

std::vector<MessagesLanguageTest::Scenario> MessagesLanguageTest::scenarios()
{
    const auto saveFace = [this] {
        drawFace({});
        QTest::mouseClick(m_form->faceWindow()->saveButton(), Qt::LeftButton);
    };
    const QString cubeFaces = kModels + QStringLiteral("cube-faces.csv");
    const QString cubeVertices = kModels + QStringLiteral("cube-vertices.csv");
    const QString tetrahedronVertices = kModels + QStringLiteral("tetrahedron-vertices.csv");
    return {
        // The window's own texts.
        {"Quit question",
         [this] {
             m_messages->answers.push_back(false);
             return saidBy([this] { click("Command5"); });
         }},
        {"first pick cancelled", [this] { pick("Command8", QString()); return fullText("Label2(1)"); }},
        {"star pick of a face file", [this, cubeFaces] { return pickPath("Command8", cubeFaces); }},
        {"vertex pick of the catalogue",
         [this] { return pickPath("Command10", QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv")); }},
        {"face pick of a vertex file", [this, cubeVertices] { return pickPath("Command9", cubeVertices); }},
        {"vertex and face files apart",
         [this, cubeFaces, tetrahedronVertices] {
             pick("Command10", tetrahedronVertices);
             return pickPath("Command9", cubeFaces);
         }},
        {"k+1 on text", [this] { fill({{"Text2", "x"}}, {}); click("Command3"); return m_form->statusLine()->text(); }},
        {"face -1 on text",
         [this] { fill({{"Text16", "x"}}, {}); click("Command12"); return m_form->statusLine()->text(); }},
        {"saved", [this, saveFace] { saveFace(); return m_form->faceWindow()->statusText(); }},
        {"program folder missing",
         [this, saveFace] {
             m_form->setProgramDirectory(QDir(folder()).absoluteFilePath(QStringLiteral("missing")));
             saveFace();
             return m_form->faceWindow()->statusText();
         }},
        {"bitmap not written",
         [this, saveFace] {
             QDir(folder()).mkdir(QStringLiteral("SurN1_Vb7.0_Sr2.5_Ss10_10cm.bmp"));
             return saidBy(saveFace);
         }},
        // The gore tab's boxes.
        {"gore: n not a number", [this] { return drawGore({{"Text1", "eight"}}); }},
        {"gore: n empty", [this] { return drawGore({{"Text1", ""}}); }},
        {"gore: k out of range", [this] { return drawGore({{"Text2", "40000"}}); }},
        {"gore: n zero", [this] { return drawGore({{"Text1", "0"}}); }},
        {"gore: k beyond n", [this] { return drawGore({{"Text2", "9"}}); }},
        {"gore: one gore", [this] { return drawGore({{"Text1", "1"}}); }},
        {"gore: two gores", [this] { return drawGore({{"Text1", "2"}}); }},
        {"gore: radius 0", [this] { return drawGore({{"Text6", "0"}}); }},
        {"gore: radius too large", [this] { return drawGore({{"Text6", "500"}}); }},
        {"gore: magnification negative", [this] { return drawGore({{"Text5", "-1"}}); }},
        {"gore: boundary 0", [this] { return drawGore({{"Text8", "0"}}); }},
        {"gore: plate too large", [this] { return drawGore({{"Text6", "160"}, {"Text8", "1"}}, {"Check4"}); }},
        {"gore: ratio with no real power", [this] { return drawGore({{"Text4", "-2.5"}}); }},
        {"gore: faintest magnitude far beyond", [this] { return drawGore({{"Text3", "1e308"}}); }},
        {"gore: star dot too large", [this] { return drawGore({{"Text5", "1e308"}}); }},
        {"gore: line latitude off the drawing", [this] { return drawGore({{"Text7", "1e300"}}, {"Check3"}); }},
        {"gore: star file gone",
         [this] {
             pick("Command1", file("stars.csv", "20,10,1\r\n"));
             QFile::remove(QDir(folder()).absoluteFilePath(QStringLiteral("stars.csv")));
             return saidBy([this] { click("Command2"); });
         }},
        // The polyhedron tab's boxes.
        {"face: latitude not a number", [this] { return drawFace({{"Text9", "north"}}); }},
        {"face: longitude empty", [this] { return drawFace({{"Text10", ""}}); }},
        {"face: radius not a number", [this] { return drawFace({{"Text11", "ten"}}); }},
        {"face: range not a number", [this] { return drawFace({{"Text12", "-"}}); }},
        {"face: ratio not a number", [this] { return drawFace({{"Text13", "2.5x"}}); }},
        {"face: magnification not a number", [this] { return drawFace({{"Text14", "x"}}); }},
        {"face: faintest not a number", [this] { return drawFace({{"Text15", "7,0x"}}); }},
        {"face: face number not a number", [this] { return drawFace({{"Text16", "one"}}); }},
        {"face: range 90°", [this] { return drawFace({{"Text12", "90"}}); }},
        {"face: radius 0", [this] { return drawFace({{"Text11", "0"}}); }},
        {"face: canvas too large", [this] { return drawFace({{"Text12", "89"}}); }},
        {"face: magnification negative", [this] { return drawFace({{"Text14", "-1"}}); }},
        {"face: ratio too large for a dot", [this] { return drawFace({{"Text13", "1000"}}); }},
        {"face: faintest too large for a dot", [this] { return drawFace({{"Text15", "1e300"}}); }},
        {"face: magnification too large for a dot", [this] { return drawFace({{"Text14", "1e300"}}); }},
        {"face: corners without a face file", [this] { return drawFace({}, {"Check7"}); }},
        {"face: face beyond the model", [this] { loadCube(); return drawFace({{"Text16", "7"}}, {"Check8"}); }},
        {"face: corner behind the tangent point",
         [this] { loadCube(); return drawFace({{"Text16", "1"}, {"Text9", "-90"}}, {"Check7"}); }},
        {"face: corner without a vertex file",
         [this, cubeFaces] { pick("Command9", cubeFaces); return drawFace({}, {"Check8"}); }},
        {"face: corner beyond the vertices",
         [this, cubeFaces, tetrahedronVertices] {
             pick("Command10", tetrahedronVertices);
             pick("Command9", cubeFaces);
             return drawFace({{"Text16", "2"}}, {"Check8"});
         }},
        {"face: SVG file not written",
         [this] {
             QDir(folder()).mkdir(QStringLiteral("SurN1_Vb7.0_Sr2.5_Ss10_10cm内.svg"));
             return drawFace({}, {"Check9"});
         }},
        // Data files as picked.
        {"stars: header line", [this] { return pickFile("Command8", "lambda,phi,vmag\r\n10,30,1\r\n"); }},
        {"stars: columns swapped", [this] { return pickFile("Command8", "30,101.29,1\r\n"); }},
        {"stars: cut short", [this] { return pickFile("Command8", "1,2,3\r\n4,5\r\n"); }},
        {"stars: comma ending a line", [this] { return pickFile("Command8", "1,2,3,\r\n"); }},
        {"stars: empty field", [this] { return pickFile("Command8", "1,,3\r\n"); }},
        {"stars: number too large", [this] { return pickFile("Command8", "1,2,1e400\r\n"); }},
        {"stars: a folder", [this] { return pickPath("Command8", folder()); }},
        {"stars: no such file",
         [this] { return pickPath("Command8", QDir(folder()).absoluteFilePath(QStringLiteral("none.csv"))); }},
        {"vertices: not a number", [this] { return pickFile("Command10", "10,20\r\n30,east\r\n"); }},
        {"vertices: too many",
         [this] {
             std::string lines;
             for (int i = 0; i <= 32767; ++i)
                 lines += "0,0\n";
             return pickFile("Command10", lines);
         }},
        {"faces: seven corners", [this] { return pickFile("Command9", "10,20,7,1,2,3,4,5,6\r\n"); }},
        {"faces: fractional corner", [this] { return pickFile("Command9", "10,20,3,1,2.5,3,0,0,0\r\n"); }},
        {"faces: corner out of range", [this] { return pickFile("Command9", "10,20,3,1,40000,3,0,0,0\r\n"); }},
        {"faces: cut short", [this] { return pickFile("Command9", "10,20,3,1,2\r\n"); }},
    };
}

void MessagesLanguageTest::everyMessage_data()
{
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<int>("scenario");
    const std::vector<Scenario> all = scenarios();
    for (int i = 0; i < static_cast<int>(all.size()); ++i) {
        QTest::addRow("Japanese: %s", all[i].name) << ui::Language::Japanese << i;
        QTest::addRow("English: %s", all[i].name) << ui::Language::English << i;
        QTest::addRow("Spanish: %s", all[i].name) << ui::Language::Spanish << i;
    }
}

void MessagesLanguageTest::everyMessage()
{
    QFETCH(ui::Language, language);
    QFETCH(int, scenario);
    setUpForm(QString(), 1, language);
    const QString said = scenarios()[static_cast<std::size_t>(scenario)].say();
    QVERIFY2(!said.isEmpty(), "nothing was said");
    const QString fault = languageFault(said, language);
    QVERIFY2(fault.isEmpty(), qPrintable(fault + QStringLiteral("\n") + said));
}

void MessagesLanguageTest::qtButtonsFollowTheInterface_data()
{
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Japanese") << ui::Language::Japanese << QStringLiteral("キャンセル");
    QTest::newRow("Spanish") << ui::Language::Spanish << QStringLiteral("Cancelar");
}

void MessagesLanguageTest::qtButtonsFollowTheInterface()
{
    // Qt's own buttons come from Qt's translation of the interface language.
    QFETCH(ui::Language, language);
    QFETCH(QString, cancel);
    const ui::Translations translations(language);
    if (!translations.missing().isEmpty())
        QFAIL(qPrintable(QStringLiteral("missing: ") + translations.missing().join(QLatin1Char(' '))));
    QCOMPARE(ui::interfaceLanguage(), language);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tessel"), QStringLiteral("終了します。"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), cancel);
}

void MessagesLanguageTest::everyTextTranslated_data()
{
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << ui::Language::English << QStringLiteral("orbweave_en.ts");
    QTest::newRow("Spanish") << ui::Language::Spanish << QStringLiteral("orbweave_es.ts");
}

void MessagesLanguageTest::everyTextTranslated()
{
    // Every text the sources mark (as the English file, refreshed from them, holds them) has a
    // finished translation in the file, and the running interface shows exactly that translation.
    QFETCH(ui::Language, language);
    QFETCH(QString, file);
    struct Message
    {
        QString context, source, comment, translation;
        bool finished = false;
    };
    const auto read = [](const QString& name) {
        QFile ts(QStringLiteral(ORBWEAVE_TRANSLATIONS_DIR "/") + name);
        std::vector<Message> messages;
        if (!ts.open(QIODevice::ReadOnly))
            return messages;
        QXmlStreamReader xml(&ts);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                messages.push_back({context, {}, {}, {}, false});
            else if (xml.name() == QLatin1String("source"))
                messages.back().source = xml.readElementText();
            else if (xml.name() == QLatin1String("comment"))
                messages.back().comment = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                messages.back().translation = xml.readElementText();
            }
        }
        return messages;
    };
    const std::vector<Message> sources = read(QStringLiteral("orbweave_en.ts"));
    const std::vector<Message> translated = read(file);
    QVERIFY(sources.size() > 250);
    QCOMPARE(translated.size(), sources.size());
    const ui::Translations translations(language);
    QVERIFY2(translations.missing().isEmpty(), qPrintable(translations.missing().join(QLatin1Char(' '))));
    for (const Message& s : sources) {
        const auto same = [&s](const Message& m) {
            return m.context == s.context && m.source == s.source && m.comment == s.comment;
        };
        const auto t = std::find_if(translated.begin(), translated.end(), same);
        QVERIFY2(t != translated.end(), qPrintable(s.context + QStringLiteral(": not in the file: ") + s.source));
        QVERIFY2(t->finished && !t->translation.isEmpty(), qPrintable(s.context + QStringLiteral(": ") + s.source));
        const QString shown = QCoreApplication::translate(s.context.toUtf8().constData(), s.source.toUtf8().constData(),
                                                          s.comment.isEmpty() ? nullptr : s.comment.toUtf8().constData());
        QCOMPARE(shown, t->translation);
    }
}

void MessagesLanguageTest::languageCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("language"); // -1: none
    QTest::newRow("ja") << "ja" << int(ui::Language::Japanese);
    QTest::newRow("EN") << "EN" << int(ui::Language::English);
    QTest::newRow("es") << "es" << int(ui::Language::Spanish);
    QTest::newRow("Es") << "Es" << int(ui::Language::Spanish);
    QTest::newRow("es_ES is no code") << "es_ES" << -1;
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
