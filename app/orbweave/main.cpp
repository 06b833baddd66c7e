#include "appdata/data_folder.h"
#include "appdata/version.h"
#include "text/input_error.h"
#include "ui/file_dialog.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/screen_fit.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLoggingCategory>
#include <QTimer>

#include <cstdio>

namespace {

/// Start-up steps, shown with QT_LOGGING_RULES="orbweave.startup.debug=true".
Q_LOGGING_CATEGORY(lcStartup, "orbweave.startup", QtWarningMsg)

} // namespace

int main(int argc, char** argv)
{
    QApplication::setOrganizationName(QStringLiteral("Orbweave")); // the window's and globe dialog's settings
    QApplication::setApplicationName(QStringLiteral("Orbweave"));
    QApplication::setApplicationVersion(QLatin1String(appdata::kVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Star sphere templates: gores and polyhedron faces."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption langOption(QStringLiteral("lang"),
                                        QStringLiteral("Interface language: ja (Japanese), en (English) or es (Spanish); "
                                                       "by default Japanese on a Japanese system, Spanish on a "
                                                       "Spanish one, else English."),
                                        QStringLiteral("ja|en|es"));
    parser.addOption(langOption);
    // --help and --version answer without asking for the window system, so they work without a
    // display; other arguments are Qt's own (-platform …) and left to QApplication.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(version)) {
        const QCoreApplication textOnly(argc, argv);
        parser.process(textOnly); // prints and exits
    }

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.orbweave.Orbweave"));
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "orbweave: unexpected argument \"%s\"; the only option is --lang ja|en|es.\n",
                     qPrintable(parser.positionalArguments().front()));
        return 2;
    }
    ui::Language language = ui::systemLanguage();
    if (parser.isSet(langOption)) {
        const QString code = parser.value(langOption);
        const auto chosen = ui::languageFromCode(code);
        if (!chosen) {
            std::fprintf(stderr, "orbweave: --lang \"%s\" is not a language of the program; use ja, en or es.\n",
                         qPrintable(code));
            return 2;
        }
        language = *chosen;
    }
    const ui::Translations translations(language);
    for (const QString& file : translations.missing())
        std::fprintf(stderr, "orbweave: %s is missing; those texts stay untranslated.\n", qPrintable(file));

    try {
        appdata::bundledDataFile("bright-stars.csv");
    } catch (const text::InputError& e) {
        qWarning("orbweave: %s", e.what());
    }

    ui::installFontSubstitutions();
    ui::Form1 window;
    window.restoreSession();
    qCDebug(lcStartup).noquote() << "file dialog starts in" << ui::catalogueFolder();
    qCDebug(lcStartup).noquote() << "saves go to" << window.programDirectory();
    window.show();
    ui::keepOnScreen(window);
    QTimer::singleShot(0, &window, [] { qCDebug(lcStartup) << "main window shown"; });
    return app.exec();
}
