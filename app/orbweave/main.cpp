#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/screen_fit.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbweave"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Star sphere templates: gores and polyhedron faces."));
    parser.addHelpOption();
    const QCommandLineOption langOption(QStringLiteral("lang"),
                                        QStringLiteral("Interface language: ja (Japanese) or en (English); "
                                                       "by default Japanese on a Japanese system, else English."),
                                        QStringLiteral("ja|en"));
    parser.addOption(langOption);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "orbweave: unexpected argument \"%s\"; the only option is --lang ja|en.\n",
                     qPrintable(parser.positionalArguments().front()));
        return 2;
    }
    ui::Language language = ui::systemLanguage();
    if (parser.isSet(langOption)) {
        const QString code = parser.value(langOption);
        const auto chosen = ui::languageFromCode(code);
        if (!chosen) {
            std::fprintf(stderr, "orbweave: --lang \"%s\" is not a language of the program; use ja or en.\n",
                         qPrintable(code));
            return 2;
        }
        language = *chosen;
    }
    const ui::Translations translations(language);
    for (const QString& file : translations.missing())
        std::fprintf(stderr, "orbweave: %s is missing; those texts stay untranslated.\n", qPrintable(file));

    ui::installFontSubstitutions();
    ui::Form1 window;
    window.show();
    ui::keepOnScreen(window);
    return app.exec();
}
