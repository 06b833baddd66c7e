#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

namespace {

Language g_interfaceLanguage = Language::Japanese;

} // namespace

std::optional<Language> languageFromCode(const QString& code)
{
    if (code.compare(QLatin1String("ja"), Qt::CaseInsensitive) == 0)
        return Language::Japanese;
    if (code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
        return Language::English;
    if (code.compare(QLatin1String("es"), Qt::CaseInsensitive) == 0)
        return Language::Spanish;
    return std::nullopt;
}

Language systemLanguage()
{
    const QStringList languages = QLocale::system().uiLanguages();
    const QString first = languages.isEmpty() ? QLocale::system().name() : languages.front();
    if (first.startsWith(QLatin1String("ja"), Qt::CaseInsensitive))
        return Language::Japanese;
    if (first.startsWith(QLatin1String("es"), Qt::CaseInsensitive))
        return Language::Spanish;
    return Language::English;
}

Language interfaceLanguage() { return g_interfaceLanguage; }

Translations::Translations(Language language) : m_language(language), m_previousInterface(g_interfaceLanguage)
{
    switch (language) {
    case Language::Japanese:
        // The program's texts are Japanese already; Qt's own dialogs and buttons need Qt's translation.
        install(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        break;
    case Language::English:
        install(QStringLiteral("orbweave_en"), QStringLiteral(":/i18n"));
        // Without its translation the window shows the Japanese source texts: the core's messages follow it.
        if (!m_missing.isEmpty())
            return;
        break;
    case Language::Spanish:
        install(QStringLiteral("orbweave_es"), QStringLiteral(":/i18n"));
        if (!m_missing.isEmpty())
            return;
        install(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        break;
    }
    g_interfaceLanguage = language;
}

Translations::~Translations()
{
    for (const auto& translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
    g_interfaceLanguage = m_previousInterface;
}

void Translations::install(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get())) {
        m_missing << QDir(folder).filePath(name + QStringLiteral(".qm"));
        return;
    }
    m_installed.push_back(std::move(translator));
}

} // namespace ui
