// The globe dialog: opened from both tabs and by Ctrl+G, its boxes pre-filled from the tab, its
// files the exporter's own, its prints at real size on the paper chosen, its settings remembered.
#include "export/export_run.h"
#include "render/sheet_printer.h"
#include "ui/fonts.h"
#include "ui/export_progress.h"
#include "ui/globe_dialog.h"
#include "ui/globe_options.h"
#include "ui/globe_preview_window.h"
#include "ui/refusal_text.h"
#include "widget_test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSettings>
#include <QToolButton>
#include <QStandardPaths>
#include <QtTest>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

/// The bytes of `path`, without the line that holds the creation date (PDF only has one).
QByteArray withoutDate(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "unreadable " + path.toUtf8();
    QByteArray bytes = file.readAll();
    const qsizetype at = bytes.indexOf("/CreationDate");
    if (at >= 0)
        bytes.remove(at, bytes.indexOf('\n', at) - at);
    return bytes;
}

/// Every file under `folder`, relative, sorted.
QStringList filesUnder(const QString& folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}

/// The calibration square on page 1 of `pdf` whose outer edges are expected `left`, `top` cm from
/// the paper's left and top edges: its sides and its outer left and top edges, cm, measured from a
/// 1200 dpi rendering between the darkness centres of its lines (0.2 mm wide, inside its edge).
struct Square
{
    double width = -1, height = -1, left = -1, top = -1;
};
Square measureSquare(const QString& pdf, double left, double top)
{
    constexpr int kDpi = 1200;
    constexpr double kLine = 0.02;
    const auto px = [](double cm) { return int(cm / 2.54 * kDpi); };
    const int x0 = px(left - 0.5), y0 = px(top - 0.5), side = px(6);
    const QString base = pdf + QStringLiteral(".square");
    const QString cmd = QStringLiteral("pdftoppm -gray -singlefile -r %1 -x %2 -y %3 -W %4 -H %4 '%5' '%6'")
                            .arg(kDpi).arg(x0).arg(y0).arg(side).arg(pdf, base);
    if (std::system(cmd.toLocal8Bit().constData()) != 0)
        return {};
    QFile file(base + QStringLiteral(".pgm"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pgm = file.readAll();
    int w = 0, h = 0, maxValue = 0, consumed = 0;
    if (std::sscanf(pgm.constData(), "P5 %d %d %d%n", &w, &h, &maxValue, &consumed) != 3 || w != side || h != side)
        return {};
    const auto* g = reinterpret_cast<const unsigned char*>(pgm.constData()) + consumed + 1;
    const auto dark = [&](int x, int y) { return 255 - g[std::size_t(y) * w + x]; };
    // Darkness-weighted centre of the line crossing a row (across) or column near `guess` cm.
    const auto centre = [&](bool across, int fixed, double guess) {
        double sum = 0, weight = 0;
        for (int i = px(guess - 0.1); i <= px(guess + 0.1); ++i) {
            const double d = across ? dark(i, fixed) : dark(fixed, i);
            sum += d * (i + 0.5), weight += d;
        }
        return weight > 0 ? sum / weight / kDpi * 2.54 : -100.0;
    };
    const int row = px(2.0), column = px(2.0); // 1.5 cm in: between the centimetre ticks
    const double l = centre(true, row, 0.5), r = centre(true, row, 5.5);
    const double t = centre(false, column, 0.5), b = centre(false, column, 5.5);
    return {r - l + kLine, b - t + kLine, x0 * 2.54 / kDpi + l - kLine / 2, y0 * 2.54 / kDpi + t - kLine / 2};
}

} // namespace

class GlobeDialogTest : public QObject, private testing_support::Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init()
    {
        QSettings().clear(); // each test from the dialog's first use
        setUpForm();
    }
    void cleanup() { tearDownForm(); }

    void opensFromBothTabsAndCtrlG();
    void startsFromTheTabsBoxes_data();
    void startsFromTheTabsBoxes();
    void savesTheExportersFiles_data();
    void savesTheExportersFiles();
    void refusalKeepsTheDialog();
    void asksBeforeReplacing_data();
    void asksBeforeReplacing();
    void previewTurnsPagesAndFits();
    void progressNamesTheTemplateInTheInterfacesLanguage_data();
    void progressNamesTheTemplateInTheInterfacesLanguage();
    void printsAtRealSize_data();
    void printsAtRealSize();
    void saysWhenNoPrinterIsInstalled();
    void remembersPaperLayersAndFormat();
    void commandLineReadsBackTheSameExport();

private:
    ui::GlobeDialog* open(bool faces);
    template <typename W>
    W* child(const char* name) const
    {
        return m_form->globeDialog()->findChild<W*>(QString::fromLatin1(name));
    }
};

void GlobeDialogTest::initTestCase()
{
    // Settings go to a test folder and a test application, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("OrbweaveTest"));
    QCoreApplication::setApplicationName(QStringLiteral("globe_dialog_test"));
    QSettings().clear();
    ui::installFontSubstitutions();
}

ui::GlobeDialog* GlobeDialogTest::open(bool faces)
{
    m_form->openGlobeDialog(faces);
    ui::GlobeDialog* d = m_form->globeDialog();
    if (d)
        d->setMessagePresenter(std::make_unique<testing_support::RecordingPresenter>(m_messages));
    return d;
}

void GlobeDialogTest::opensFromBothTabsAndCtrlG()
{
    // The buttons sit in their tabs, clear of every control of the tables.
    for (const char* name : {"GlobeGores", "GlobeFaces"}) {
        QPushButton* button = m_form->button(QString::fromLatin1(name));
        QVERIFY2(button, name);
        for (QWidget* other : button->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (other != button && !other->isHidden())
                QVERIFY2(!other->geometry().intersects(button->geometry()), qPrintable(other->objectName()));
    }
    const struct
    {
        int tab;
        exporter::Subject subject;
    } rows[] = {{0, exporter::Subject::Gores}, {1, exporter::Subject::Faces}};
    for (const auto& row : rows) {
        m_form->tabControl()->setCurrentIndex(row.tab);
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QTest::keyClick(m_form.get(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(m_form->globeDialog());
        QCOMPARE(m_form->globeDialog()->options().subject, row.subject);
        m_form->globeDialog()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QTest::mouseClick(m_form->button(QStringLiteral("GlobeFaces")), Qt::LeftButton);
    QVERIFY(m_form->globeDialog());
    QCOMPARE(m_form->globeDialog()->options().subject, exporter::Subject::Faces);
    // Every box and button says what it does.
    for (QWidget* w : m_form->globeDialog()->findChildren<QWidget*>())
        if ((qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w))
            && !w->isHidden() && !w->objectName().isEmpty())
            QVERIFY2(!w->toolTip().isEmpty(), qPrintable(w->objectName()));
    // The 3D button opens the preview of the dialog's globe in a window of its own.
    QPushButton* preview3d = m_form->globeDialog()->preview3dButton();
    QVERIFY(preview3d && !preview3d->isHidden());
    QTest::mouseClick(preview3d, Qt::LeftButton);
    QVERIFY(m_form->globeDialog()->findChild<ui::GlobePreviewWindow*>());
}

void GlobeDialogTest::startsFromTheTabsBoxes_data()
{
    QTest::addColumn<bool>("faces");
    QTest::addColumn<QStringList>("typed");    // box=value, Check boxes 0 or 1
    QTest::addColumn<QStringList>("expected"); // option=value of the dialog's export
    QTest::newRow("gore defaults") << false << QStringList{}
                                   << QStringList{"n=8", "k=all", "faintest=8.5", "radius=13", "hemisphere=north",
                                                  "plates=none", "epsilon=1"};
    QTest::newRow("gore south with plates")
        << false << QStringList{"Text1=12", "Text3=6", "Text6=40", "Check1=0", "Check4=1", "Check5=1", "Check2=0"}
        << QStringList{"n=12", "faintest=6", "radius=40", "hemisphere=south", "plates=both", "epsilon=0"};
    QTest::newRow("face tab") << true << QStringList{"Text11=25", "Text12=20", "Text15=5.5", "Check6=0", "Check8=1"}
                              << QStringList{"face=all", "radius=25", "range=20", "faintest=5.5", "inside=0",
                                             "edges=1", "model=truncated-icosahedron"};
}

void GlobeDialogTest::startsFromTheTabsBoxes()
{
    QFETCH(bool, faces);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    for (const QString& t : typed) {
        const QString name = t.section('=', 0, 0), value = t.section('=', 1);
        if (name.startsWith(QLatin1String("Check")))
            m_form->checkBox(name)->setChecked(value == QLatin1String("1"));
        else
            m_form->textBox(name)->setText(value);
    }
    ui::GlobeDialog* d = open(faces);
    QVERIFY(d);
    const exporter::ExportOptions o = d->options();
    const auto yes = [](bool b) { return QString::number(b ? 1 : 0); };
    const exporter::GoreOptions& g = o.gore;
    const exporter::FaceOptions& f = o.face;
    const QMap<QString, QString> got =
        faces ? QMap<QString, QString>{{"face", QString::fromStdString(f.face)},
                                       {"radius", QString::fromStdString(f.radius)},
                                       {"range", QString::fromStdString(f.range)},
                                       {"faintest", QString::fromStdString(f.faintest)},
                                       {"inside", yes(f.inside)},
                                       {"edges", yes(f.edges)},
                                       {"model", QString::fromStdString(f.model)}}
              : QMap<QString, QString>{{"n", QString::fromStdString(g.n)},
                                       {"k", QString::fromStdString(g.k)},
                                       {"faintest", QString::fromStdString(g.faintest)},
                                       {"radius", QString::fromStdString(g.radius)},
                                       {"hemisphere", g.north && g.south ? "both" : g.south ? "south" : "north"},
                                       {"plates", g.northPlate && g.southPlate ? "both"
                                                  : g.northPlate                ? "north"
                                                  : g.southPlate                ? "south"
                                                                                : "none"},
                                       {"epsilon", yes(g.epsilon)}};
    for (const QString& e : expected)
        QCOMPARE(e.section('=', 0, 0) + '=' + got.value(e.section('=', 0, 0)), e);
    // The dialog shows what it will make.
    QVERIFY2(!d->templates().empty(), qPrintable(d->summary()));
    QVERIFY(d->summary().contains(QString::number(d->templates().size())));
}

void GlobeDialogTest::savesTheExportersFiles_data()
{
    QTest::addColumn<bool>("faces");
    QTest::addColumn<QStringList>("set");  // dialog box=value
    QTest::addColumn<QStringList>("args"); // the same export for orbweave-export, --output added
    QTest::addColumn<QString>("output");   // file or folder name
    QTest::newRow("all gores, A4 PDF")
        << false << QStringList{"paper=a4", "format=0", "plates=north"}
        << QStringList{"gores", "--k", "all", "--plates", "north", "--paper", "a4"} << "g.pdf";
    QTest::newRow("current gore, both halves, cut layer SVG")
        << false << QStringList{"which=1", "hemisphere=both", "format=1", "layer_print=0", "layer_score=0", "layer_marks=0"}
        << QStringList{"gores", "--k", "1", "--hemisphere", "both", "--format", "svg", "--layers", "cut"} << "svg";
    QTest::newRow("current gore, dark, coloured stars, galactic equator, SVG")
        << false << QStringList{"which=1", "format=1", "style=dark", "colourStars=1", "SkyGalactic=1"}
        << QStringList{"gores", "--k", "1", "--format", "svg", "--style", "dark", "--colour-stars", "on",
                       "--galactic", "on"}
        << "dark";
    QTest::newRow("all faces, grid, A3 unpacked PDF")
        << true << QStringList{"paper=a3", "pack=0", "SkyGrid=1", "tabs=0"}
        << QStringList{"faces", "--face", "all", "--paper", "a3", "--pack", "off", "--grid", "10", "--tabs", "off"}
        << "f.pdf";
}

void GlobeDialogTest::savesTheExportersFiles()
{
    QFETCH(bool, faces);
    QFETCH(QStringList, set);
    QFETCH(QStringList, args);
    QFETCH(QString, output);
    ui::GlobeDialog* d = open(faces);
    QVERIFY(d);
    for (const QString& s : set) {
        const QString name = s.section('=', 0, 0), value = s.section('=', 1);
        if (auto* combo = child<QComboBox>(name.toLatin1().constData())) {
            const int byData = combo->findData(value);
            combo->setCurrentIndex(byData >= 0 ? byData : value.toInt());
        } else if (auto* box = child<QCheckBox>(name.toLatin1().constData())) {
            box->setChecked(value == QLatin1String("1"));
        } else {
            QFAIL(qPrintable("no box " + name));
        }
    }
    const QString mine = QDir(folder()).filePath(QStringLiteral("dialog/") + output);
    QDir(folder()).mkpath(QStringLiteral("dialog"));
    child<QLineEdit>("output")->setText(mine);
    // Closing while it writes leaves the dialog open (it would go with its export half-way).
    bool closedWhileSaving = true;
    QTimer::singleShot(0, d, [d, &closedWhileSaving] { closedWhileSaving = d->close(); });
    QVERIFY2(d->save(), qPrintable(m_messages->shown.empty() ? QString() : m_messages->shown.back().text));
    QVERIFY(!closedWhileSaving);
    QCOMPARE(m_form->globeDialog(), d);

    const QString theirs = QDir(folder()).filePath(QStringLiteral("cli/") + output);
    QDir(folder()).mkpath(QStringLiteral("cli"));
    std::vector<std::string> cli;
    for (const QString& a : args)
        cli.push_back(a.toStdString());
    cli.insert(cli.end(), {"--output", theirs.toStdString(), "--quiet"});
    std::ostringstream out, err;
    QCOMPARE(exporter::runExport(cli, out, err), exporter::kExitDone);

    const bool folderOutput = !output.endsWith(QLatin1String(".pdf"));
    const QStringList files = folderOutput ? filesUnder(mine) : QStringList{QString()};
    QVERIFY(!files.isEmpty());
    if (folderOutput)
        QCOMPARE(files, filesUnder(theirs));
    for (const QString& f : files) {
        const QString a = folderOutput ? QDir(mine).filePath(f) : mine, b = folderOutput ? QDir(theirs).filePath(f) : theirs;
        QVERIFY2(withoutDate(a) == withoutDate(b), qPrintable(a + " differs from " + b));
    }
    // The exporter's own command line for the dialog's export gives the same again.
    std::ostringstream out2, err2;
    const QString again = QDir(folder()).filePath(QStringLiteral("again"));
    exporter::ExportOptions o = d->options();
    o.output = (folderOutput ? again : again + ".pdf").toStdString();
    QVERIFY2(exporter::runExport(ui::exportArguments(o), out2, err2) == exporter::kExitDone, err2.str().c_str());
    QVERIFY(withoutDate(folderOutput ? QDir(again).filePath(files.front()) : again + ".pdf")
            == withoutDate(folderOutput ? QDir(mine).filePath(files.front()) : mine));
}

void GlobeDialogTest::refusalKeepsTheDialog()
{
    ui::GlobeDialog* d = open(false);
    QVERIFY(d);
    const QString earlier = QDir(folder()).filePath(QStringLiteral("earlier.pdf"));
    QFile keep(earlier);
    QVERIFY(keep.open(QIODevice::WriteOnly));
    keep.write("earlier");
    keep.close();
    // A folder that does not exist: refused with the path and the reason; nothing else changes.
    const QString missing = QDir(folder()).filePath(QStringLiteral("no/such/folder/g.pdf"));
    child<QLineEdit>("output")->setText(missing);
    child<QComboBox>("paper")->setCurrentIndex(2);
    QVERIFY2(!d->save(), qPrintable(d->options().output.c_str()));
    QCOMPARE(m_messages->shown.size(), std::size_t(1));
    QVERIFY2(m_messages->shown.back().text.contains(missing), qPrintable(m_messages->shown.back().text));
    QVERIFY(m_messages->shown.back().text.contains(QLatin1String("does not exist")));
    QVERIFY(!m_messages->shown.back().text.contains(QLatin1String("--output"))); // the dialog has no options
    QCOMPARE(m_messages->shown.back().icon, ui::MessageIcon::Critical);
    QCOMPARE(m_form->globeDialog(), d);
    QCOMPARE(child<QLineEdit>("output")->text(), missing);
    QCOMPARE(child<QComboBox>("paper")->currentIndex(), 2);
    QCOMPARE(filesUnder(folder()), QStringList{"earlier.pdf"});
    QCOMPARE(withoutDate(earlier), QByteArray("earlier"));

    // A box of the tab refused: named by its caption, as the window names it, not by an option.
    d->close();
    box("Text6")->setText(QStringLiteral("-1"));
    d = open(false);
    QVERIFY(d);
    QVERIFY(!d->save());
    const QString said = m_messages->shown.back().text;
    QVERIFY2(said.contains(ui::boxCaption(text::Input::SphereRadius, ui::InputTab::Gore)), qPrintable(said));
    QVERIFY2(!said.contains(QLatin1String("--radius")), qPrintable(said));
    QVERIFY2(d->summary().contains(ui::boxCaption(text::Input::SphereRadius, ui::InputTab::Gore)),
             qPrintable(d->summary()));

    // A plate with its boundary at the pole or beyond: a kit has no plate there.
    d->close();
    box("Text6")->setText(QStringLiteral("13"));
    box("Text8")->setText(QStringLiteral("91"));
    m_form->checkBox(QStringLiteral("Check4"))->setChecked(true);
    d = open(false);
    QVERIFY(d);
    QVERIFY(!d->save());
    const QString plate = m_messages->shown.back().text;
    QVERIFY2(plate.contains(ui::boxCaption(text::Input::PlateBoundary, ui::InputTab::Gore)), qPrintable(plate));
    QCOMPARE(filesUnder(folder()), QStringList{"earlier.pdf"});
}

void GlobeDialogTest::asksBeforeReplacing_data()
{
    QTest::addColumn<int>("format");      // 0 PDF, 1 SVG folder
    QTest::addColumn<QString>("existing"); // a file there before, relative to the output; "": none
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("written");
    QTest::newRow("new PDF: no question") << 0 << "" << true << 0 << true;
    QTest::newRow("PDF there, Cancel") << 0 << "." << false << 1 << false;
    QTest::newRow("PDF there, OK") << 0 << "." << true << 1 << true;
    QTest::newRow("folder with a file, Cancel") << 1 << "old.svg" << false << 1 << false;
    QTest::newRow("folder with a file, OK") << 1 << "old.svg" << true << 1 << true;
}

void GlobeDialogTest::asksBeforeReplacing()
{
    QFETCH(int, format);
    QFETCH(QString, existing);
    QFETCH(bool, answer);
    QFETCH(int, asked);
    QFETCH(bool, written);
    ui::GlobeDialog* d = open(false);
    QVERIFY(d);
    child<QComboBox>("format")->setCurrentIndex(format);
    const QString out = QDir(folder()).filePath(format == 0 ? QStringLiteral("kit.pdf") : QStringLiteral("kit"));
    child<QLineEdit>("output")->setText(out);
    if (!existing.isEmpty()) {
        const QString file = existing == QLatin1String(".") ? out : QDir(out).filePath(existing);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier");
    }
    m_messages->answers.push_back(answer);
    QCOMPARE(d->save(), written);
    QCOMPARE(int(m_messages->shown.size()), asked);
    if (asked) {
        QVERIFY(m_messages->shown.front().withCancel);
        QVERIFY2(m_messages->shown.front().text.contains(QDir::toNativeSeparators(out)), qPrintable(m_messages->shown.front().text));
    }
    const QStringList files = format == 0 ? QStringList{QFileInfo(out).fileName()} : filesUnder(out);
    if (format == 0)
        QCOMPARE(withoutDate(out) == QByteArray("earlier"), !written);
    else
        QCOMPARE(files.size() > 1, written);
}

void GlobeDialogTest::previewTurnsPagesAndFits()
{
    ui::GlobeDialog* d = open(false);
    QVERIFY(d);
    auto* paperBox = child<QComboBox>("paper");
    paperBox->setCurrentIndex(paperBox->findData(QStringLiteral("a4")));
    d->refresh();
    d->show();
    QPrintPreviewWidget* preview = d->preview();
    QTRY_VERIFY(preview->pageCount() > 2);
    const int count = preview->pageCount();
    // One page across, fitted: an A4 sheet is no wider than the view.
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitInView);
    auto* page = child<QLabel>("previewPage");
    auto* previous = child<QToolButton>("previewPrevious");
    auto* next = child<QToolButton>("previewNext");
    QCOMPARE(page->text(), QStringLiteral("1 / %1").arg(count));
    QVERIFY(!previous->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(preview->currentPage(), 3);
    QCOMPARE(page->text(), QStringLiteral("3 / %1").arg(count));
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(preview->currentPage(), 2);
    QTest::mouseClick(child<QToolButton>("previewActual"), Qt::LeftButton);
    QCOMPARE(preview->zoomFactor(), 1.0);
    const double actual = preview->zoomFactor();
    QTest::mouseClick(child<QToolButton>("previewZoomIn"), Qt::LeftButton);
    QVERIFY(preview->zoomFactor() > actual);
    QTest::mouseClick(child<QToolButton>("previewFit"), Qt::LeftButton);
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitInView);
}

void GlobeDialogTest::progressNamesTheTemplateInTheInterfacesLanguage_data()
{
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<QString>("said");
    QTest::newRow("Japanese") << ui::Language::Japanese << "型紙を描きました: 舟形 3 / 8・北半球";
    QTest::newRow("English") << ui::Language::English << "Drew gore 3 of 8, north";
}

void GlobeDialogTest::progressNamesTheTemplateInTheInterfacesLanguage()
{
    QFETCH(ui::Language, language);
    QFETCH(QString, said);
    tearDownForm();
    setUpForm(QString(), -1, language);
    // The steps of a real export, as the dialog's progress receives them.
    ui::GlobeDialog* d = open(false);
    QVERIFY(d);
    const exporter::ExportOptions o = d->options();
    QStringList steps;
    exporter::ExportObserver observer;
    observer.step = [&steps](const exporter::ExportStep& s) { steps << ui::exportStepText(s); };
    exporter::drawExportTemplates(o, observer);
    QVERIFY2(steps.contains(said), qPrintable(steps.join(QLatin1Char('\n'))));
}

void GlobeDialogTest::printsAtRealSize_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("pageSizeId");
    QTest::addColumn<double>("squareLeft"); // outer edges from the paper's top-left corner, cm
    QTest::addColumn<double>("squareTop");
    // A gore of the 13 cm sphere (20.4 cm long) fits the 22.1 cm over A4's footer: the sheet
    // stands upright, its square 1 cm in from the left and bottom (29.7 − 1 − 5).
    QTest::newRow("A4 upright") << "a4" << int(QPageSize::A4) << 1.0 << 23.7;
    // Letter leaves 20.34 cm: the sheets are landscape, turned a quarter clockwise onto the
    // upright paper, which brings the footer's corner to the paper's top left.
    QTest::newRow("Letter turned") << "letter" << int(QPageSize::Letter) << 1.0 << 1.0;
}

void GlobeDialogTest::printsAtRealSize()
{
    QFETCH(QString, paper);
    QFETCH(int, pageSizeId);
    QFETCH(double, squareLeft);
    QFETCH(double, squareTop);
    ui::GlobeDialog* d = open(false);
    QVERIFY(d);
    auto* paperBox = child<QComboBox>("paper");
    paperBox->setCurrentIndex(paperBox->findData(paper));
    d->refresh();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QDir(folder()).filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(pdf);
    // The paper as print() gives it to the print dialog, then margins and no full page, as the
    // dialog may leave them: the print itself puts them right.
    exporter::setUpPrinter(printer, d->printPaper());
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer.setFullPage(false);
    const int pages = d->printTo(printer);
    QVERIFY(pages > 0);
    QVERIFY(printer.fullPage());
    QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(0, 0, 0, 0));
    QCOMPARE(int(printer.pageLayout().pageSize().id()), pageSizeId);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    const Square s = measureSquare(pdf, squareLeft, squareTop);
    QVERIFY2(qAbs(s.width - 5.0) < 0.005, qPrintable(QString::number(s.width)));
    QVERIFY2(qAbs(s.height - 5.0) < 0.005, qPrintable(QString::number(s.height)));
    QVERIFY2(qAbs(s.left - squareLeft) < 0.01, qPrintable(QString::number(s.left)));
    QVERIFY2(qAbs(s.top - squareTop) < 0.01, qPrintable(QString::number(s.top)));
    // The dialog says it is done, with the pages and where they went.
    const QString said = child<QLabel>("summary")->text();
    QVERIFY2(said.contains(QStringLiteral("印刷しました: %1 ページ").arg(pages)) && said.contains(QDir::toNativeSeparators(pdf)),
             qPrintable(said));
    // The sheets' words are the interface's (Japanese here): label, footer and the template's name
    // (read from the upright sheet: pdftotext splits turned lines).
    if (paper != QLatin1String("a4"))
        return;
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& part : {QStringLiteral("用紙 1 / "), QStringLiteral("舟形 1 / 8・北半球"), QStringLiteral("実寸")})
        QVERIFY2(words.contains(part), qPrintable(part + QStringLiteral(" not in: ") + words));
    QVERIFY2(!words.contains(QStringLiteral("sheet 1")) && !words.contains(QStringLiteral("actual size")), qPrintable(words));
}

void GlobeDialogTest::saysWhenNoPrinterIsInstalled()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed here");
    ui::GlobeDialog* d = open(false);
    QVERIFY(d);
    d->print();
    QCOMPARE(m_messages->shown.size(), std::size_t(1));
    QVERIFY(m_messages->shown.back().text.contains(QStringLiteral("プリンタ")));
}

void GlobeDialogTest::remembersPaperLayersAndFormat()
{
    ui::GlobeDialog* d = open(false);
    QVERIFY(d);
    auto* paperBox = child<QComboBox>("paper");
    paperBox->setCurrentIndex(paperBox->findData(QStringLiteral("a3")));
    child<QCheckBox>("layer_score")->setChecked(false);
    child<QComboBox>("format")->setCurrentIndex(1);
    child<QLineEdit>("output")->setText(QDir(folder()).filePath(QStringLiteral("svgs")));
    // "both", which the gore tab cannot say
    child<QComboBox>("hemisphere")->setCurrentIndex(child<QComboBox>("hemisphere")->findData(QStringLiteral("both")));
    child<QComboBox>("plates")->setCurrentIndex(child<QComboBox>("plates")->findData(QStringLiteral("both")));
    d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_form->globeDialog());
    // The main window's boxes keep their start texts.
    QCOMPARE(box("Text1")->text(), QStringLiteral("8"));

    QVERIFY(open(true));
    QCOMPARE(child<QComboBox>("paper")->currentData().toString(), QStringLiteral("a3"));
    QVERIFY(!child<QCheckBox>("layer_score")->isChecked());
    QVERIFY(child<QCheckBox>("layer_cut")->isChecked());
    QCOMPARE(child<QComboBox>("format")->currentIndex(), 1);
    QCOMPARE(QFileInfo(child<QLineEdit>("output")->text()).absolutePath(), QFileInfo(folder()).absoluteFilePath());
    m_form->globeDialog()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(open(false));
    QCOMPARE(child<QComboBox>("hemisphere")->currentData().toString(), QStringLiteral("both"));
    QCOMPARE(child<QComboBox>("plates")->currentData().toString(), QStringLiteral("both"));
    QSettings().clear();
}

void GlobeDialogTest::commandLineReadsBackTheSameExport()
{
    // The tab's boxes in a locale with a decimal comma, sky layers as the drawing window sets them.
    ui::GoreInputs goreTab;
    goreTab.decimalSeparator = ',';
    goreTab.Text3 = "6,5";
    goreTab.Text6 = "12,5";
    goreTab.Check1 = 0;
    goreTab.Check4 = 1;
    sky::SkyLayerOptions sky;
    sky.names = sky.boundaries = true;
    sky.gridStep = 15;
    sky.starNameLimit = 2.25;
    sky.galactic = true;
    sky.language = sky::Language::Japanese;
    exporter::ExportOptions gores = ui::goreTabExport(goreTab, "/stars.csv", sky);
    gores.style = exporter::Style::Dark;
    gores.colourStars = true;
    QCOMPARE(gores.gore.faintest, std::string("6.5"));
    QCOMPARE(gores.gore.radius, std::string("12.5"));
    gores.paper = exporter::paperNamed("letter");
    gores.kit.layers = {scene::LayerKind::Cut, scene::LayerKind::Marks};
    gores.kit.wholeGores = true;

    ui::FaceInputs faceTab;
    faceTab.Check6 = 0;
    faceTab.Check7 = 2;
    exporter::ExportOptions faces = ui::faceTabExport(faceTab, "/v.csv", "/f.csv", "", {});
    faces.format = exporter::Format::Svg;
    faces.kit.tabs = false;
    exporter::ExportOptions bitmaps = ui::faceTabExport(faceTab, "", "", "", sky);
    bitmaps.format = exporter::Format::Bmp;
    bitmaps.output = "/out";

    for (const exporter::ExportOptions& o : {gores, faces, bitmaps}) {
        const exporter::ExportOptions r = exporter::parseExportOptions(ui::exportArguments(o));
        const auto text = [](const exporter::ExportOptions& x) {
            const exporter::GoreOptions& g = x.gore;
            const exporter::FaceOptions& f = x.face;
            const sky::SkyLayerOptions& k = x.sky;
            return QStringList{QString::number(int(x.subject)), QString::number(int(x.format)),
                               QString::fromStdString(x.stars + "|" + x.output + "|" + (x.paper ? x.paper->name : "-")),
                               QString::fromStdString(g.n + g.k + g.faintest + g.ratio + g.magnification + g.radius
                                                      + g.lineLatitude + g.boundary),
                               QString("%1%2%3%4%5%6").arg(g.epsilon).arg(g.line).arg(g.north).arg(g.south)
                                   .arg(g.northPlate).arg(g.southPlate),
                               QString::fromStdString(f.range + f.radius + f.faintest + f.ratio + f.magnification
                                                      + f.face + f.model + f.vertices + f.faces),
                               QString("%1%2%3").arg(f.inside).arg(f.corners).arg(f.edges),
                               QString("%1%2%3%4%5%6%7").arg(k.figures).arg(k.names).arg(k.boundaries).arg(k.gridStep)
                                   .arg(k.ecliptic).arg(k.starNameLimit.value_or(-1)).arg(int(k.language)),
                               QString("%1%2%3").arg(k.galactic).arg(x.colourStars).arg(int(x.style)),
                               QString("%1%2%3").arg(x.kit.tabs).arg(x.kit.wholeGores).arg(x.kit.pack),
                               QString::fromStdString(ui::layersArgument(x.kit.layers) + x.kit.tabWidth + x.kit.bleed)}
                .join('/');
        };
        QCOMPARE(text(r), text(o));
    }
}

QTEST_MAIN(GlobeDialogTest)
#include "globe_dialog_test.moc"
