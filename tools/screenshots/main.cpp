// Renders the main window (gore and polyhedron tabs) and a gore drawn from the bundled catalogue
// with the default parameters into PNG files: orbweave_screenshots <output folder>.
#include "ui/file_dialog.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/tab_control.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTextStream>

#include <cstdio>

namespace {

/// Confirms the bundled catalogue without asking.
class CatalogueDialog : public ui::FileDialog
{
public:
    std::optional<QString> askOpenFile(QWidget*, const QString&) override
    {
        return QStringLiteral(ORBWEAVE_DATA_DIR "/bright-stars.csv");
    }
};

bool save(QWidget* widget, const QDir& folder, const QString& name)
{
    const QString path = folder.absoluteFilePath(name);
    const bool ok = widget->grab().save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "cannot write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    ui::Form1 window;
    window.setFileDialog(std::make_unique<CatalogueDialog>());
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
    for (int tab : {2, 3}) {
        window.tabControl()->setCurrentIndex(tab);
        QApplication::processEvents();
        ok = save(&window, folder, QStringLiteral("main-window-tab%1.png").arg(tab)) && ok;
    }
    return ok ? 0 : 1;
}
