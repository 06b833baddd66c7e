// The one file-open dialog all picks share: what it pre-fills, what a cancel returns,
// and the current directory after a confirmed pick; the Qt dialog's list in the interface's language.
#include "ui/file_dialog.h"
#include "ui/language.h"
#include "widget_test_support.h"

#include <QAbstractProxyModel>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QtTest>

using testing_support::DialogScript;
using testing_support::ScriptedFileDialog;
using testing_support::TempDir;

Q_DECLARE_METATYPE(ui::Language)

class SharedFileDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void picks_data();
    void picks();
    void confirmedFileFolderBecomesCurrent();
    void bundledCatalogueFolder();
    void listInInterfaceLanguage_data();
    void listInInterfaceLanguage();
};

void SharedFileDialogTest::picks_data()
{
    // Picks in turn as "<kind>:<answer>" (s stars, v vertices, f faces; no answer = Cancel), the
    // path each pick yields and what each dialog was pre-filled with (DIR: the folder of the files).
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("prefills");
    QTest::newRow("first pick cancelled") << QStringList{"s:"} << QStringList{""} << QStringList{"START"};
    QTest::newRow("pick, then cancel keeps it") << QStringList{"s:a.csv", "s:"} << QStringList{"a.csv", "a.csv"}
                                                << QStringList{"START", "a.csv"};
    QTest::newRow("cancel, pick, pick") << QStringList{"s:", "s:a.csv", "s:b.csv"} << QStringList{"", "a.csv", "b.csv"}
                                        << QStringList{"START", "START", "a.csv"};
    // Another kind is offered the folder, not a file it would take by Enter; each kind its own file.
    QTest::newRow("stars, vertices, faces, stars")
        << QStringList{"s:a.csv", "v:v.csv", "v:", "f:", "s:"} << QStringList{"a.csv", "v.csv", "v.csv", "v.csv", "v.csv"}
        << QStringList{"START", "DIR", "v.csv", "DIR", "a.csv"};
    QTest::newRow("a file of the kind in another folder") << QStringList{"v:v.csv", "s:sub/a.csv", "v:"}
                                                          << QStringList{"v.csv", "sub/a.csv", "sub/a.csv"}
                                                          << QStringList{"START", "START", "sub"};
}

void SharedFileDialogTest::picks()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, results);
    QFETCH(QStringList, prefills);
    const QString saved = QDir::currentPath();
    TempDir temp;
    const QString folder = QString::fromStdString(temp.path().string());
    QDir(folder).mkdir(QStringLiteral("sub"));
    const auto full = [&folder](const QString& name) {
        return name.isEmpty() ? name : name == QLatin1String("START") || name == QLatin1String("DIR")
                                           ? folder
                                           : folder + QLatin1Char('/') + name;
    };
    const auto kindOf = [](const QString& answer) {
        return answer.startsWith(QLatin1Char('v')) ? ui::DataFileKind::Vertices
               : answer.startsWith(QLatin1Char('f')) ? ui::DataFileKind::Faces
                                                     : ui::DataFileKind::Stars;
    };
    auto script = std::make_shared<DialogScript>();
    for (const QString& answer : answers)
        script->answers.push_back(full(answer.section(QLatin1Char(':'), 1)));
    ui::SharedFileDialog dialog(std::make_unique<ScriptedFileDialog>(script), folder);
    for (int i = 0; i < results.size(); ++i)
        QCOMPARE(dialog.pick(nullptr, kindOf(answers.at(i))), full(results.at(i)));
    QCOMPARE(script->prefills.size(), prefills.size());
    for (int i = 0; i < prefills.size(); ++i) {
        QCOMPARE(script->prefills.at(i), full(prefills.at(i)));
        // Titled and filtered by the kind it reads.
        QCOMPARE(script->titles.at(i), ui::openTitle(kindOf(answers.at(i))));
        QCOMPARE(script->filters.at(i), ui::openFilters(kindOf(answers.at(i))));
    }
    QCOMPARE(QSet<QString>({ui::openTitle(ui::DataFileKind::Stars), ui::openTitle(ui::DataFileKind::Vertices),
                            ui::openTitle(ui::DataFileKind::Faces)}).size(), 3);
    QDir::setCurrent(saved);
}

void SharedFileDialogTest::confirmedFileFolderBecomesCurrent()
{
    const QString saved = QDir::currentPath();
    TempDir temp;
    QDir(QString::fromStdString(temp.path().string())).mkdir(QStringLiteral("models"));
    const QString folder = QString::fromStdString((temp.path() / "models").string());
    auto script = std::make_shared<DialogScript>();
    script->answers = {folder + QStringLiteral("/faces.csv"), QString()};
    ui::SharedFileDialog dialog(std::make_unique<ScriptedFileDialog>(script), QString());
    dialog.pick(nullptr);
    QCOMPARE(QDir::currentPath(), folder);
    QDir::setCurrent(saved);
    dialog.pick(nullptr); // a cancel leaves the current directory alone
    QCOMPARE(QDir::currentPath(), saved);
}

void SharedFileDialogTest::bundledCatalogueFolder()
{
    const QString folder = ui::catalogueFolder();
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/bright-stars.csv")));
    QCOMPARE(QFileInfo(folder).canonicalFilePath(), QFileInfo(QStringLiteral(ORBWEAVE_DATA_DIR)).canonicalFilePath());
}

void SharedFileDialogTest::listInInterfaceLanguage_data()
{
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<QLocale::Language>("locale");
    QTest::newRow("Japanese") << ui::Language::Japanese << QLocale::Japanese;
    QTest::newRow("English") << ui::Language::English << QLocale::English;
}

void SharedFileDialogTest::listInInterfaceLanguage()
{
    QFETCH(ui::Language, language);
    QFETCH(QLocale::Language, locale);
    const ui::Translations translations(language);
    TempDir temp;
    const QString path = QString::fromStdString(temp.write("stars.csv", "10,30,1\r\n"));
    const QDateTime modified(QDate(2026, 12, 7), QTime(10, 30));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();

    const auto dialog = ui::makeFileDialog(nullptr, ui::FileDialogMode::Open, QStringLiteral("open"), path);
    QCOMPARE(dialog->locale().language(), locale);
    dialog->show();
    const QAbstractProxyModel* list = dialog->proxyModel();
    QVERIFY(list);
    const auto* files = qobject_cast<const QFileSystemModel*>(list->sourceModel());
    QVERIFY(files);
    const auto shown = [&](int column) { return list->mapFromSource(files->index(path, column)).data().toString(); };
    // The date reads as the interface's language writes it, whatever the system's language.
    const QString date = QLocale(locale).toString(modified, QLocale::ShortFormat);
    QVERIFY(date != QLocale(locale == QLocale::Japanese ? QLocale::English : QLocale::Japanese)
                        .toString(modified, QLocale::ShortFormat));
    QTRY_COMPARE(shown(3), date);
    QCOMPARE(shown(1), QLocale(locale).formattedDataSize(file.size()));
}

QTEST_MAIN(SharedFileDialogTest)
#include "shared_file_dialog_test.moc"
