// The one file-open dialog all picks share: what it pre-fills, what a cancel returns,
// and the current directory after a confirmed pick.
#include "ui/file_dialog.h"
#include "widget_test_support.h"

#include <QDir>
#include <QtTest>

using testing_support::DialogScript;
using testing_support::ScriptedFileDialog;
using testing_support::TempDir;

class SharedFileDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void picks_data();
    void picks();
    void confirmedFileFolderBecomesCurrent();
    void bundledCatalogueFolder();
};

void SharedFileDialogTest::picks_data()
{
    // Answers of the dialog in turn ("" = Cancel), and the path each pick yields.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("prefills");
    QTest::newRow("first pick cancelled") << QStringList{""} << QStringList{""} << QStringList{"START"};
    QTest::newRow("pick, then cancel keeps it") << QStringList{"a.csv", ""} << QStringList{"a.csv", "a.csv"}
                                                << QStringList{"START", "a.csv"};
    QTest::newRow("cancel, pick, pick") << QStringList{"", "a.csv", "b.csv"} << QStringList{"", "a.csv", "b.csv"}
                                        << QStringList{"START", "START", "a.csv"};
}

void SharedFileDialogTest::picks()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, results);
    QFETCH(QStringList, prefills);
    const QString saved = QDir::currentPath();
    TempDir temp;
    const QString folder = QString::fromStdString(temp.path().string());
    const auto full = [&folder](const QString& name) {
        return name.isEmpty() ? name : name == QLatin1String("START") ? folder : folder + QLatin1Char('/') + name;
    };
    auto script = std::make_shared<DialogScript>();
    for (const QString& answer : answers)
        script->answers.push_back(full(answer));
    ui::SharedFileDialog dialog(std::make_unique<ScriptedFileDialog>(script), folder);
    for (int i = 0; i < results.size(); ++i)
        QCOMPARE(dialog.pick(nullptr), full(results.at(i)));
    QCOMPARE(script->prefills.size(), prefills.size());
    for (int i = 0; i < prefills.size(); ++i)
        QCOMPARE(script->prefills.at(i), full(prefills.at(i)));
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

QTEST_MAIN(SharedFileDialogTest)
#include "shared_file_dialog_test.moc"
