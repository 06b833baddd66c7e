// The polyhedron tab: vertex and face picks, the face-number rule and its step buttons, the SVG tag preview.
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form4.h"
#include "ui/tab_control.h"
#include "widget_test_support.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kNotLoaded = QStringLiteral("ﾌｧｲﾙが読込まれていません.");
const QString kReadFailed = QStringLiteral("ﾌｧｲﾙ読込失敗");
const QString kVertexFile = QStringLiteral(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-vertices.csv");
const QString kFaceFile = QStringLiteral(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-faces.csv");

// Face centres of the bundled truncated icosahedron, as its face file lists them.
const QString kFace1Phi = QStringLiteral("90"), kFace1Lambda = QStringLiteral("0");
const QString kFace2Phi = QStringLiteral("52.62263186"), kFace2Lambda = QStringLiteral("36");
const QString kFace3Phi = QStringLiteral("52.62263186"), kFace3Lambda = QStringLiteral("108");
const QString kFace4Phi = QStringLiteral("52.62263186"), kFace4Lambda = QStringLiteral("180");
const QString kFace32Phi = QStringLiteral("-90"), kFace32Lambda = QStringLiteral("0");

/// Tangent point typed by hand, to see whether the rule overwrites it.
const QString kHandPhi = QStringLiteral("11"), kHandLambda = QStringLiteral("22");

} // namespace

class PolyhedronTabTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void vertexPick();
    void facePickCopiesSelectedCentre();
    void cancelledFirstPicks();
    void refusedFile_data();
    void refusedFile();

    void faceNumberRule_data();
    void faceNumberRule();
    void typingClampsAndFollows();
    void stepButtons_data();
    void stepButtons();
    void withoutFaceFileOnlyTheNumberChanges();
    void numberBeyondLoadedFaces();

    void previewBeforeDrawing();

private:
    void loadModel();
    void typeTangentByHand();
};

void PolyhedronTabTest::initTestCase() { ui::installFontSubstitutions(); }

void PolyhedronTabTest::init() { setUpForm(QString(), 1); }

void PolyhedronTabTest::cleanup() { tearDownForm(); }

void PolyhedronTabTest::loadModel()
{
    m_dialog->answers = {kVertexFile, kFaceFile};
    click("Command10");
    click("Command9");
    QCOMPARE(m_form->polyhedronModel().FaceCount(), 32);
}

void PolyhedronTabTest::typeTangentByHand()
{
    box("Text9")->setText(kHandPhi);
    box("Text10")->setText(kHandLambda);
}

void PolyhedronTabTest::vertexPick()
{
    m_dialog->answers = {kVertexFile};
    click("Command10");
    QCOMPARE(fullText("Label40"), QDir::toNativeSeparators(kVertexFile));
    QCOMPARE(m_form->polyhedronModel().VertexCount(), 60);
    QCOMPARE(m_form->polyhedronModel().vertices[2].Lambda, 72.0);
    // The face side is untouched, tangent point included.
    QCOMPARE(m_form->label(QStringLiteral("Label39"))->text(), kNotLoaded);
    QCOMPARE(box("Text9")->text(), QStringLiteral("0"));
    QCOMPARE(box("Text10")->text(), QStringLiteral("90"));
    QVERIFY(m_messages->shown.empty());
}

void PolyhedronTabTest::facePickCopiesSelectedCentre()
{
    box("Text16")->setText(QStringLiteral("3"));
    QCOMPARE(box("Text9")->text(), QStringLiteral("0")); // no face file yet
    m_dialog->answers = {kFaceFile};
    click("Command9");
    QCOMPARE(fullText("Label39"), QDir::toNativeSeparators(kFaceFile));
    QCOMPARE(m_form->label(QStringLiteral("Label40"))->text(), kNotLoaded);
    QCOMPARE(m_form->polyhedronModel().FaceCount(), 32);
    QCOMPARE(box("Text16")->text(), QStringLiteral("3"));
    QCOMPARE(box("Text9")->text(), kFace3Phi);
    QCOMPARE(box("Text10")->text(), kFace3Lambda);
    QVERIFY(m_messages->shown.empty());
}

void PolyhedronTabTest::cancelledFirstPicks()
{
    m_dialog->answers = {QString(), QString()};
    click("Command9");
    QCOMPARE(m_form->label(QStringLiteral("Label39"))->text(), kReadFailed);
    QVERIFY(m_form->polyhedronModel().FaceFileName.empty());
    click("Command10");
    QCOMPARE(m_form->label(QStringLiteral("Label40"))->text(), kReadFailed);
    QCOMPARE(m_form->polyhedronModel().VertexCount(), 0);
    QCOMPARE(box("Text9")->text(), QStringLiteral("0"));
    QCOMPARE(box("Text10")->text(), QStringLiteral("90"));
    QVERIFY(m_messages->shown.empty());
    // With no face file the number box no longer moves the tangent point.
    box("Text16")->setText(QStringLiteral("2"));
    QCOMPARE(box("Text9")->text(), QStringLiteral("0"));
}

void PolyhedronTabTest::refusedFile_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("named"); // what the message must name besides the file
    QTest::newRow("vertex record cut short") << "Command10" << "Label40" << QByteArray("10,20\r\n30\r\n") << "行目";
    QTest::newRow("vertex field not a number")
        << "Command10" << "Label40" << QByteArray("10,20\r\n30,east\r\n") << "2 行目";
    QTest::newRow("face with seven corners")
        << "Command9" << "Label39" << QByteArray("10,20,7,1,2,3,4,5,6\r\n") << "1 行目";
    QTest::newRow("fractional corner")
        << "Command9" << "Label39" << QByteArray("10,20,3,1,2.5,3,0,0,0\r\n") << "1 行目";
    QTest::newRow("face record cut short") << "Command9" << "Label39" << QByteArray("10,20,3,1,2\r\n") << "行目";
}

void PolyhedronTabTest::refusedFile()
{
    QFETCH(QString, button);
    QFETCH(QString, status);
    QFETCH(QByteArray, content);
    QFETCH(QString, named);
    loadModel();
    box("Text16")->setText(QStringLiteral("2"));
    typeTangentByHand();
    const QString bad = QString::fromStdString(m_temp->write("bad.csv", content.toStdString()));
    m_dialog->answers = {bad};
    QTest::mouseClick(m_form->button(button), Qt::LeftButton);

    QCOMPARE(m_messages->shown.size(), std::size_t{1});
    const ui::Message& shown = m_messages->shown.front();
    QCOMPARE(shown.icon, ui::MessageIcon::Critical);
    QCOMPARE(shown.title, QStringLiteral("Tessel"));
    QVERIFY2(shown.text.contains(QStringLiteral("bad.csv")), qPrintable(shown.text));
    QVERIFY2(shown.text.contains(named), qPrintable(shown.text));
    // The status label says the same, as much as fits, and the table in force stays named.
    QCOMPARE(m_form->label(status)->toolTip(), shown.text);
    const QString inForce = status == QLatin1String("Label40") ? kVertexFile : kFaceFile;
    QVERIFY2(shown.text.endsWith(QStringLiteral("前のファイル ") + QDir::toNativeSeparators(inForce)
                                 + QStringLiteral(" のままです。")),
             qPrintable(shown.text));
    // Both tables are as the bundled files left them; the tangent point stays as typed.
    QCOMPARE(m_form->polyhedronModel().VertexCount(), 60);
    QCOMPARE(m_form->polyhedronModel().FaceCount(), 32);
    QCOMPARE(m_form->polyhedronModel().faces[2].Lambda, 36.0);
    QCOMPARE(box("Text9")->text(), kHandPhi);
    QCOMPARE(box("Text10")->text(), kHandLambda);
    // The old face table still answers the face number.
    box("Text16")->setText(QStringLiteral("4"));
    QCOMPARE(box("Text10")->text(), kFace4Lambda);
}

void PolyhedronTabTest::faceNumberRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text16");
    QTest::addColumn<QString>("text9"); // empty: the hand-typed tangent point stays
    QTest::addColumn<QString>("text10");
    QTest::newRow("40 clamps to 32") << "40" << "32" << kFace32Phi << kFace32Lambda;
    QTest::newRow("33 clamps to 32") << "33" << "32" << kFace32Phi << kFace32Lambda;
    QTest::newRow("0 becomes 1") << "0" << "1" << kFace1Phi << kFace1Lambda;
    QTest::newRow("-3 becomes 1") << "-3" << "1" << kFace1Phi << kFace1Lambda;
    QTest::newRow("2.5 selects face 2") << "2.5" << "2.5" << kFace2Phi << kFace2Lambda;
    QTest::newRow("3.5 selects face 4") << "3.5" << "3.5" << kFace4Phi << kFace4Lambda;
    QTest::newRow("0.4 selects face 0") << "0.4" << "0.4" << "0" << "0";
    QTest::newRow("32.6 rounds to no face") << "32.6" << "32.6" << "" << "";
    QTest::newRow("blanks around") << " 3 " << " 3 " << kFace3Phi << kFace3Lambda;
    QTest::newRow("empty box") << "" << "" << "" << "";
    QTest::newRow("lone minus") << "-" << "-" << "" << "";
    QTest::newRow("not a number") << "abc" << "abc" << "" << "";
}

void PolyhedronTabTest::faceNumberRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, text16);
    QFETCH(QString, text9);
    QFETCH(QString, text10);
    if (ui::Form1::decimalSeparator() != '.')
        QSKIP("the rows are written with a full stop");
    loadModel();
    typeTangentByHand();
    box("Text16")->setText(typed);
    QCOMPARE(box("Text16")->text(), text16);
    QCOMPARE(box("Text9")->text(), text9.isEmpty() ? kHandPhi : text9);
    QCOMPARE(box("Text10")->text(), text10.isEmpty() ? kHandLambda : text10);
}

void PolyhedronTabTest::typingClampsAndFollows()
{
    loadModel();
    QLineEdit* text16 = box("Text16");
    text16->selectAll();
    QTest::keyClicks(text16, QStringLiteral("4"));
    QCOMPARE(box("Text10")->text(), kFace4Lambda);
    QTest::keyClicks(text16, QStringLiteral("0"));
    QCOMPARE(text16->text(), QStringLiteral("32"));
    QCOMPARE(box("Text9")->text(), kFace32Phi);
    QCOMPARE(box("Text10")->text(), kFace32Lambda);
    // Retyping: "3" selects face 3; the emptied box and a lone minus wait for a number.
    QTest::keyClick(text16, Qt::Key_Backspace);
    QCOMPARE(box("Text10")->text(), kFace3Lambda);
    QTest::keyClick(text16, Qt::Key_Backspace);
    QCOMPARE(text16->text(), QString());
    QTest::keyClicks(text16, QStringLiteral("-"));
    QCOMPARE(text16->text(), QStringLiteral("-"));
    QCOMPARE(box("Text10")->text(), kFace3Lambda);
    QTest::keyClick(text16, Qt::Key_Backspace);
    QTest::keyClicks(text16, QStringLiteral("2"));
    QCOMPARE(box("Text10")->text(), kFace2Lambda);
}

void PolyhedronTabTest::stepButtons_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text16");
    QTest::addColumn<QString>("text9"); // empty: the hand-typed tangent point stays
    QTest::addColumn<QString>("text10");
    QTest::newRow("+1 at 32 copies face 32 again") << "32" << "Command11" << "32" << kFace32Phi << kFace32Lambda;
    QTest::newRow("-1 at 1 stays at 1") << "1" << "Command12" << "1" << kFace1Phi << kFace1Lambda;
    QTest::newRow("+1 at 1") << "1" << "Command11" << "2" << kFace2Phi << kFace2Lambda;
    QTest::newRow("-1 at 5") << "5" << "Command12" << "4" << kFace4Phi << kFace4Lambda;
    QTest::newRow("+1 at 2.5 gives 3.5, face 4") << "2.5" << "Command11" << "3.5" << kFace4Phi << kFace4Lambda;
    QTest::newRow("+1 at 32.6") << "32.6" << "Command11" << "32" << kFace32Phi << kFace32Lambda;
    QTest::newRow("+1 on text") << "abc" << "Command11" << "abc" << "" << "";
    QTest::newRow("-1 on empty box") << "" << "Command12" << "" << "" << "";
}

void PolyhedronTabTest::stepButtons()
{
    QFETCH(QString, start);
    QFETCH(QString, button);
    QFETCH(QString, text16);
    QFETCH(QString, text9);
    QFETCH(QString, text10);
    if (ui::Form1::decimalSeparator() != '.')
        QSKIP("the rows are written with a full stop");
    loadModel();
    box("Text16")->setText(start);
    typeTangentByHand();
    QTest::mouseClick(m_form->button(button), Qt::LeftButton);
    QCOMPARE(box("Text16")->text(), text16);
    QCOMPARE(box("Text9")->text(), text9.isEmpty() ? kHandPhi : text9);
    QCOMPARE(box("Text10")->text(), text10.isEmpty() ? kHandLambda : text10);
    QVERIFY(m_messages->shown.empty());
}

void PolyhedronTabTest::withoutFaceFileOnlyTheNumberChanges()
{
    m_dialog->answers = {kVertexFile};
    click("Command10");
    box("Text16")->setText(QStringLiteral("40"));
    QCOMPARE(box("Text16")->text(), QStringLiteral("32"));
    click("Command11");
    QCOMPARE(box("Text16")->text(), QStringLiteral("32"));
    box("Text16")->setText(QStringLiteral("5"));
    click("Command12");
    QCOMPARE(box("Text16")->text(), QStringLiteral("4"));
    box("Text16")->setText(QStringLiteral("-2"));
    QCOMPARE(box("Text16")->text(), QStringLiteral("1"));
    QCOMPARE(box("Text9")->text(), QStringLiteral("0"));
    QCOMPARE(box("Text10")->text(), QStringLiteral("90"));
}

void PolyhedronTabTest::numberBeyondLoadedFaces()
{
    // Two faces; the tangent point follows them, and face 3 has nothing to copy.
    const QString faces =
        QString::fromStdString(m_temp->write("two.csv", "45,10,3,1,2,3,0,0,0\r\n-45,190,3,1,2,3,0,0,0\r\n"));
    m_dialog->answers = {faces};
    click("Command9");
    QCOMPARE(box("Text9")->text(), QStringLiteral("45"));
    QCOMPARE(box("Text10")->text(), QStringLiteral("10"));
    click("Command11");
    QCOMPARE(box("Text9")->text(), QStringLiteral("-45"));
    QCOMPARE(box("Text10")->text(), QStringLiteral("190"));
    typeTangentByHand();
    click("Command11");
    QCOMPARE(box("Text16")->text(), QStringLiteral("3"));
    QCOMPARE(box("Text9")->text(), kHandPhi);
    QCOMPARE(box("Text10")->text(), kHandLambda);
    // A face file loaded while the number names no face leaves the tangent point too.
    m_dialog->answers = {faces};
    click("Command9");
    QCOMPARE(box("Text9")->text(), kHandPhi);
    QVERIFY(m_messages->shown.empty());
}

void PolyhedronTabTest::previewBeforeDrawing()
{
    QVERIFY(!m_form->faceWindow());
    click("Command13");
    QCOMPARE(m_messages->shown.size(), std::size_t{2});
    // Picture1 is 5535 twips a side at load: 5535 / 1440 × 2.54 = 9.763125 cm, 369 pixels at 96 dpi.
    QCOMPARE(m_messages->shown[0].text,
             QStringLiteral("<svg xml:space=\"default\" width=\"9.763125cm\" height=\"9.763125cm\" "
                            "xmlns=\"http://www.w3.org/2000/svg\">"));
    QCOMPARE(m_messages->shown[1].text,
             QStringLiteral("<ellipse cx=\"5cm\" cy=\"6cm\" rx=\"7cm\" ry=\"8cm\" style =\"fill:black;\"/>"));
    for (const ui::Message& shown : m_messages->shown) {
        QCOMPARE(shown.title, QStringLiteral("Orbweave 2008 ver 1.0"));
        QVERIFY(!shown.withCancel);
    }
    // The window was made to read its canvas, and stays hidden.
    QVERIFY(m_form->faceWindow());
    QVERIFY(!m_form->faceWindow()->isVisible());
    QCOMPARE(m_form->faceWindow()->canvas().image().size(), QSize(369, 369));
    // A second click shows the same two texts and still leaves the window hidden.
    click("Command13");
    QCOMPARE(m_messages->shown.size(), std::size_t{4});
    QCOMPARE(m_messages->shown[2].text, m_messages->shown[0].text);
    QCOMPARE(m_messages->shown[3].text, m_messages->shown[1].text);
    QVERIFY(!m_form->faceWindow()->isVisible());
}

QTEST_MAIN(PolyhedronTabTest)
#include "polyhedron_tab_test.moc"
