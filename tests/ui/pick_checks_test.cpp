// Files are read and checked when picked: a refused file leaves the one in force and says why;
// a file of another kind is named as such; the vertex and face files are checked against each other.
#include "ui/data_file_check.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form4.h"
#include "ui/status_line.h"
#include "widget_test_support.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kCatalogue = QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv");
const QString kModels = QStringLiteral(ORBWEAVE_DATA_DIR "/models/");
const QString kBallVertices = kModels + QStringLiteral("truncated-icosahedron-vertices.csv");
const QString kBallFaces = kModels + QStringLiteral("truncated-icosahedron-faces.csv");
const QString kTetraVertices = kModels + QStringLiteral("tetrahedron-vertices.csv");
const QString kTetraFaces = kModels + QStringLiteral("tetrahedron-faces.csv");

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

class PickChecksTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void starPickRefused_data();
    void starPickRefused();
    void firstStarPickRefusedKeepsDrawLocked();
    void drawReadsTheFileAgain();
    void deepCatalogueIsAStarFile();
    void longPathIsShortenedInTheMiddle();
    void modelPickOfAnotherKind_data();
    void modelPickOfAnotherKind();
    void modelPair_data();
    void modelPair();
    void fileShapes_data();
    void fileShapes();

private:
    QString m_stars;
};

void PickChecksTest::initTestCase() { ui::installFontSubstitutions(); }

void PickChecksTest::init()
{
    setUpForm(QString(), 1);
    m_stars = QString::fromStdString(m_temp->write("stars.csv", "90,0,6\r\n100,10,2\r\n"));
}

void PickChecksTest::cleanup() { tearDownForm(); }

void PickChecksTest::starPickRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("named"); // what the reason must name besides the file
    QTest::newRow("header line") << QByteArray("lambda,phi,vmag\r\n10,30,1\r\n") << QStringLiteral("1 行目");
    QTest::newRow("an image") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << QStringLiteral("1 行目");
    QTest::newRow("a vertex file") << QByteArray("10,20\r\n30,40\r\n50,60\r\n") << QStringLiteral("頂点座標ﾌｧｲﾙのようです");
    QTest::newRow("a face file") << QByteArray("90,0,5,1,2,3,4,5,0\r\n") << QStringLiteral("面座標ﾌｧｲﾙのようです");
}

void PickChecksTest::starPickRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, named);
    pick("Command8", m_stars);
    QVERIFY(m_messages->shown.empty());
    const QString bad = QString::fromStdString(m_temp->write("picked.csv", content.toStdString()));
    pick("Command8", bad);

    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    const ui::Message& shown = m_messages->shown.front();
    QCOMPARE(shown.icon, ui::MessageIcon::Critical);
    QCOMPARE(shown.title, QStringLiteral("Tessel"));
    QVERIFY2(shown.text.contains(QStringLiteral("picked.csv")) && shown.text.contains(named), qPrintable(shown.text));
    QVERIFY2(shown.text.endsWith(QStringLiteral("恒星データは前のファイル ") + native(m_stars) + QStringLiteral(" のままです。")),
             qPrintable(shown.text));
    // The earlier file stays in force; both status labels say why.
    QCOMPARE(m_form->StarFileName(), m_stars);
    QCOMPARE(fullText("Label2(0)"), shown.text);
    QCOMPARE(fullText("Label2(1)"), shown.text);
    click("Command7");
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    QVERIFY(m_form->faceWindow()->isVisible());
}

void PickChecksTest::firstStarPickRefusedKeepsDrawLocked()
{
    pick("Command8", kBallFaces);
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    QVERIFY(m_messages->shown.front().text.endsWith(QStringLiteral("恒星データはまだ読み込まれていません。")));
    QVERIFY(m_form->StarFileName().isEmpty());
    QVERIFY(!m_form->button(QStringLiteral("Command2"))->isEnabled());
    QVERIFY(!m_form->button(QStringLiteral("Command7"))->isEnabled());
}

void PickChecksTest::drawReadsTheFileAgain()
{
    pick("Command8", m_stars);
    QCOMPARE(m_form->statusLine()->text(), QStringLiteral("恒星データ stars.csv: 2 個の星"));
    // Spoilt after the pick: the Draw reads it again and refuses.
    m_temp->write("stars.csv", "90,0,6\r\n100,ten,2\r\n");
    click("Command7");
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    QVERIFY2(m_messages->shown.front().text.contains(QStringLiteral("2 行目")),
             qPrintable(m_messages->shown.front().text));
    QVERIFY(!m_form->faceWindow());
}

void PickChecksTest::deepCatalogueIsAStarFile()
{
    // Four fields a line after its header line: an extended star file, not another kind of file.
    pick("Command8", QStringLiteral(ORBWEAVE_DATA_DIR "/deep-stars.csv"));
    QVERIFY(m_messages->shown.empty());
    QCOMPARE(m_form->statusLine()->text(), QStringLiteral("恒星データ deep-stars.csv: 83392 個の星"));
    QVERIFY(m_form->button(QStringLiteral("Command7"))->isEnabled());
}

void PickChecksTest::longPathIsShortenedInTheMiddle()
{
    const QString deep = QStringLiteral("a-folder-with-a-long-name/another-folder-with-a-long-name/and-a-third-one");
    QVERIFY(QDir(folder()).mkpath(deep));
    const QString file = QDir(folder()).absoluteFilePath(deep + QStringLiteral("/the-stars-of-the-sky.csv"));
    QFile::copy(m_stars, file);
    pick("Command8", file);
    for (const char* name : {"Label2(0)", "Label2(1)"}) {
        const QLabel* label = m_form->label(QString::fromLatin1(name));
        QCOMPARE(label->toolTip(), native(file));
        // One line that fits, with the path's start and its file name.
        QVERIFY(!label->text().contains(QLatin1Char('\n')));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
        QVERIFY2(label->text().contains(QChar(0x2026)) && label->text().startsWith(native(folder()).left(4))
                     && label->text().endsWith(QStringLiteral("the-stars-of-the-sky.csv")),
                 qPrintable(label->text()));
    }
}

void PickChecksTest::modelPickOfAnotherKind_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("named");
    QTest::newRow("the catalogue as the vertex file")
        << "Command10" << kCatalogue << QStringLiteral("恒星データのようです（どの行にも数が 3 個あります）");
    QTest::newRow("the face file as the vertex file")
        << "Command10" << kTetraFaces << QStringLiteral("面座標ﾌｧｲﾙのようです（どの行にも数が 9 個あります）");
    QTest::newRow("the vertex file as the face file")
        << "Command9" << kTetraVertices << QStringLiteral("頂点座標ﾌｧｲﾙのようです（どの行にも数が 2 個あります）");
    QTest::newRow("the catalogue as the face file")
        << "Command9" << kCatalogue << QStringLiteral("恒星データのようです");
}

void PickChecksTest::modelPickOfAnotherKind()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QString, named);
    m_dialog->answers = {kBallVertices, kBallFaces, file};
    click("Command10");
    click("Command9");
    QTest::mouseClick(m_form->button(button), Qt::LeftButton);
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    const QString text = m_messages->shown.front().text;
    QVERIFY2(text.startsWith(native(file) + QStringLiteral(" は")) && text.contains(named), qPrintable(text));
    QCOMPARE(m_form->polyhedronModel().VertexFileName, kBallVertices.toStdString());
    QCOMPARE(m_form->polyhedronModel().FaceFileName, kBallFaces.toStdString());
    QCOMPARE(m_form->polyhedronModel().VertexCount(), 60);
    QCOMPARE(m_form->polyhedronModel().FaceCount(), 32);
}

void PickChecksTest::modelPair_data()
{
    QTest::addColumn<QString>("vertices");
    QTest::addColumn<QString>("faces");
    QTest::addColumn<bool>("facesFirst");
    QTest::addColumn<QString>("warning"); // empty: none
    const QString ballOnTetra = QStringLiteral("の面 1 の頂点 5 は頂点番号 5 ですが");
    QTest::newRow("matching pair") << kBallVertices << kBallFaces << false << "";
    QTest::newRow("matching pair, faces first") << kTetraVertices << kTetraFaces << true << "";
    QTest::newRow("ball faces on tetrahedron vertices") << kTetraVertices << kBallFaces << false << ballOnTetra;
    QTest::newRow("tetrahedron vertices under ball faces") << kTetraVertices << kBallFaces << true << ballOnTetra;
    // More vertices than the faces use is no fault.
    QTest::newRow("tetrahedron faces on ball vertices") << kBallVertices << kTetraFaces << false << "";
}

void PickChecksTest::modelPair()
{
    QFETCH(QString, vertices);
    QFETCH(QString, faces);
    QFETCH(bool, facesFirst);
    QFETCH(QString, warning);
    if (facesFirst) {
        pick("Command9", faces);
        pick("Command10", vertices);
    } else {
        pick("Command10", vertices);
        pick("Command9", faces);
    }
    // Both files are loaded either way; a mismatch is a warning on the second one's label.
    QCOMPARE(m_form->polyhedronModel().VertexFileName, vertices.toStdString());
    QCOMPARE(m_form->polyhedronModel().FaceFileName, faces.toStdString());
    if (warning.isEmpty()) {
        QVERIFY(m_messages->shown.empty());
        return;
    }
    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    const ui::Message& shown = m_messages->shown.front();
    QCOMPARE(shown.icon, ui::MessageIcon::Warning);
    QCOMPARE(shown.title, QStringLiteral("Tessel"));
    QVERIFY2(shown.text.contains(warning) && shown.text.contains(native(vertices)) && shown.text.contains(native(faces))
                 && shown.text.contains(QStringLiteral("頂点は 1〜4 です")),
             qPrintable(shown.text));
    QCOMPARE(fullText(facesFirst ? "Label40" : "Label39"), shown.text);
}

void PickChecksTest::fileShapes_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("perLine"); // -1: none
    QTest::newRow("stars, CR LF") << QByteArray("1,2,3\r\n4,5,6\r\n") << 3;
    QTest::newRow("vertices, no final break") << QByteArray("1,2\n3,4") << 2;
    QTest::newRow("blank lines ignored") << QByteArray("\r\n1,2,3,4,5,6,7,8,9\r\n\r\n") << 9;
    QTest::newRow("lone CR breaks") << QByteArray("1,2\r3,4\r") << 2;
    QTest::newRow("record over two lines") << QByteArray("1,2\r\n3\r\n") << -1;
    QTest::newRow("empty file") << QByteArray() << -1;
}

void PickChecksTest::fileShapes()
{
    QFETCH(QByteArray, content);
    QFETCH(int, perLine);
    const QString file = QString::fromStdString(m_temp->write("shape.csv", content.toStdString()));
    const std::optional<int> found = ui::uniformFieldsPerLine(file);
    QCOMPARE(found.value_or(-1), perLine);
}

QTEST_MAIN(PickChecksTest)
#include "pick_checks_test.moc"
