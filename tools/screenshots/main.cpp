// Renders the main window (gore and polyhedron tabs), a gore drawn from the bundled catalogue with
// the default parameters (and at R = 80 cm, zoomed to fit), a truncated-icosahedron face with its corners and edges, and the
// globe preview of 8 gores with both plates (bare from outside, with the sky layers from inside) into PNG files: orbweave_screenshots <output folder> [ja|en]. The English pictures' names end in "-en".
#include "globe/gore_globe.h"
#include "ui/file_dialog.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/globe_dialog.h"
#include "ui/globe_preview_window.h"
#include "ui/globe_view.h"
#include "ui/language.h"
#include "ui/sky_layer_checks.h"
#include "ui/tab_control.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

/// Confirms the bundled files without asking: the catalogue, then the given models' files.
class BundledFilesDialog : public ui::FileDialog
{
public:
    std::optional<QString> askOpenFile(QWidget*, const QString&, const QString&, const QStringList&) override
    {
        if (m_next.isEmpty())
            return QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv");
        return m_next.takeFirst();
    }
    /// The answers to give, in order, before the catalogue again.
    void queue(const QStringList& files) { m_next = files; }

private:
    QStringList m_next;
};

/// What the pictures' names end in: "" for Japanese, "-en" for English.
QString g_suffix;

bool save(QWidget* widget, const QDir& folder, QString name)
{
    name.insert(name.lastIndexOf(QLatin1Char('.')), g_suffix);
    const QString path = folder.absoluteFilePath(name);
    const bool ok = widget->grab().save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "cannot write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the globe dialog's settings stay out of the user's
    ui::installFontSubstitutions();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const auto language = ui::languageFromCode(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("ja"));
    if (!language) {
        std::fprintf(stderr, "orbweave_screenshots: the language is ja, en or es, not \"%s\".\n", argv[2]);
        return 2;
    }
    const ui::Translations translations(*language);
    if (*language == ui::Language::English)
        g_suffix = QStringLiteral("-en");
    else if (*language == ui::Language::Spanish)
        g_suffix = QStringLiteral("-es");

    ui::Form1 window;
    auto dialog = std::make_unique<BundledFilesDialog>();
    BundledFilesDialog* files = dialog.get();
    window.setFileDialog(std::move(dialog));
    window.show();
    QApplication::processEvents();
    bool ok = save(&window, folder, QStringLiteral("main-window.png"));

    window.tabControl()->setCurrentIndex(0);
    window.button(QStringLiteral("Command1"))->click();
    window.checkBox(QStringLiteral("Check3"))->setChecked(true);
    window.button(QStringLiteral("Command2"))->click();
    QApplication::processEvents();
    ok = save(&window, folder, QStringLiteral("main-window-gore-tab.png")) && ok;
    if (ui::Form2* gore = window.goreWindow())
        ok = save(gore, folder, QStringLiteral("gore.png")) && ok;
    else
        ok = false;
    // The print size the guideline advises, zoomed to fit the window.
    window.textBox(QStringLiteral("Text6"))->setText(QStringLiteral("80"));
    window.textBox(QStringLiteral("Text5"))->setText(QStringLiteral("20"));
    window.button(QStringLiteral("Command2"))->click();
    if (ui::Form2* gore = window.goreWindow()) {
        gore->zoomToFit();
        QApplication::processEvents();
        ok = save(gore, folder, QStringLiteral("gore-fit.png")) && ok;
    } else {
        ok = false;
    }
    for (int tab : {2, 3}) {
        window.tabControl()->setCurrentIndex(tab);
        QApplication::processEvents();
        ok = save(&window, folder, QStringLiteral("main-window-tab%1.png").arg(tab)) && ok;
    }

    // The polyhedron tab with the truncated icosahedron, face 18 (Orion) chosen, corners and edges on.
    window.tabControl()->setCurrentIndex(1);
    files->queue({QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv"),
                  QStringLiteral(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-vertices.csv"),
                  QStringLiteral(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-faces.csv")});
    window.button(QStringLiteral("Command8"))->click();
    window.button(QStringLiteral("Command10"))->click();
    window.button(QStringLiteral("Command9"))->click();
    window.textBox(QStringLiteral("Text16"))->setText(QStringLiteral("18"));
    window.checkBox(QStringLiteral("Check7"))->setChecked(true);
    window.checkBox(QStringLiteral("Check8"))->setChecked(true);
    window.button(QStringLiteral("Command7"))->click();
    QApplication::processEvents();
    ok = save(&window, folder, QStringLiteral("polyhedron-tab.png")) && ok;
    if (ui::Form4* face = window.faceWindow())
        ok = save(face, folder, QStringLiteral("face.png")) && ok;
    else
        ok = false;

    // The globe dialog from the gore tab (R = 13 cm, all gores, both plates, constellation lines
    // and the grid), on A4, its preview showing the sheets.
    window.tabControl()->setCurrentIndex(0);
    window.textBox(QStringLiteral("Text6"))->setText(QStringLiteral("13"));
    window.textBox(QStringLiteral("Text5"))->setText(QStringLiteral("10"));
    window.checkBox(QStringLiteral("Check3"))->setChecked(false);
    window.checkBox(QStringLiteral("Check4"))->setChecked(true);
    window.checkBox(QStringLiteral("Check5"))->setChecked(true);
    if (ui::Form2* gore = window.goreWindow()) {
        gore->skyChecks()->box(QStringLiteral("SkyLines"))->setChecked(true);
        gore->skyChecks()->box(QStringLiteral("SkyGrid"))->setChecked(true);
    }
    ok = save(&window, folder, QStringLiteral("main-window-globe-button.png")) && ok;
    window.openGlobeDialog(false);
    if (ui::GlobeDialog* globe = window.globeDialog()) {
        globe->resize(1180, 760);
        globe->refresh();
        QApplication::processEvents();
        globe->preview()->fitInView();
        QApplication::processEvents();
        ok = save(globe, folder, QStringLiteral("globe-dialog.png")) && ok;
        globe->preview()->setViewMode(QPrintPreviewWidget::SinglePageView);
        globe->preview()->resize(700, 760);
        globe->preview()->fitInView();
        QApplication::processEvents();
        ok = save(globe->preview(), folder, QStringLiteral("globe-preview.png")) && ok;
    } else {
        ok = false;
    }
    // The globe preview: 8 gores with both plates from outside, then with the sky figures from inside.
    const stars::StarCatalogue catalogue = stars::ReadStarFile(ORBWEAVE_DATA_DIR "/bright-stars.csv");
    gore::GoreParameters gores;
    gores.northPlate = true;
    gores.southPlate = 1;
    ui::GlobePreviewWindow globe(globe::goreGlobe(catalogue, gores), QStringLiteral("n = 8"));
    globe.resize(720, 760);
    globe.show();
    globe.view()->setOrientation({60.0, 25.0, 1.0, false});
    QApplication::processEvents();
    ok = save(&globe, folder, QStringLiteral("globe-gores.png")) && ok;
    sky::SkyRequest sky;
    sky.layers.figures = sky.layers.names = sky.layers.ecliptic = true;
    sky.layers.gridStep = 10;
    sky.layers.language = ui::namesLanguageOf(*language);
    sky.data = std::make_shared<const sky::SkyData>(sky::loadSkyData(ORBWEAVE_DATA_DIR "/sky", sky.layers));
    globe.setModel(globe::goreGlobe(catalogue, gores, {}, sky));
    globe.view()->setOrientation({85.0, 5.0, 1.4, true});
    QApplication::processEvents();
    ok = save(&globe, folder, QStringLiteral("globe-sky.png")) && ok;
    return ok ? 0 : 1;
}
