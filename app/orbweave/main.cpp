#include "appdata/data_folder.h"
#include "appdata/version.h"
#include "text/input_error.h"
#include "ui/file_dialog.h"
#include "ui/fonts.h"
#include "ui/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLoggingCategory>
#include <QTimer>

namespace {

/// Start-up steps, shown with QT_LOGGING_RULES="orbweave.startup.debug=true".
Q_LOGGING_CATEGORY(lcStartup, "orbweave.startup", QtWarningMsg)

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbweave"));
    QApplication::setApplicationVersion(QLatin1String(appdata::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.orbweave.Orbweave"));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Printable templates for a star sphere."));
    options.addHelpOption();
    options.addVersionOption();
    options.process(app);

    try {
        appdata::bundledDataFile("bright-stars.csv");
    } catch (const text::InputError& e) {
        qWarning("orbweave: %s", e.what());
    }
    ui::installFontSubstitutions();
    ui::Form1 window;
    qCDebug(lcStartup).noquote() << "file dialog starts in" << ui::catalogueFolder();
    window.show();
    QTimer::singleShot(0, &window, [] { qCDebug(lcStartup) << "main window shown"; });
    return app.exec();
}
