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
    QApplication::setApplicationName(QStringLiteral("Orbweave"));
    QApplication::setApplicationVersion(QLatin1String(appdata::kVersion));
    // --help and --version answer without asking for the window system, so they work without a
    // display; other arguments are Qt's own (-platform …) and left to QApplication.
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Printable templates for a star sphere."));
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    options.parse(arguments);
    if (options.isSet(help) || options.isSet(version)) {
        const QCoreApplication textOnly(argc, argv);
        options.process(textOnly); // prints and exits
    }

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.orbweave.Orbweave"));

    try {
        appdata::bundledDataFile("bright-stars.csv");
    } catch (const text::InputError& e) {
        qWarning("orbweave: %s", e.what());
    }
    ui::installFontSubstitutions();
    ui::Form1 window;
    qCDebug(lcStartup).noquote() << "file dialog starts in" << ui::catalogueFolder();
    qCDebug(lcStartup).noquote() << "saves go to" << window.programDirectory();
    window.show();
    QTimer::singleShot(0, &window, [] { qCDebug(lcStartup) << "main window shown"; });
    return app.exec();
}
