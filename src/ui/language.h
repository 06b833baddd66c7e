#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTranslator;

namespace ui {

/// The interface languages. The program's texts are written in Japanese; English and Spanish are translations.
enum class Language { Japanese, English, Spanish };

/// The language a `--lang` value names: "ja", "en" or "es", any case; no value for anything else.
std::optional<Language> languageFromCode(const QString& code);

/// Japanese or Spanish when the system's first user-interface language is one of them, else English.
Language systemLanguage();

/// The language the interface shows: that of the Translations object made last and still alive
/// whose own texts could be loaded; Japanese, the source language, when there is none.
Language interfaceLanguage();

/// The translators of one interface language, installed into the running application while the
/// object lives: the program's own texts, and Qt's dialogs and buttons (Qt's Japanese
/// translations from the system for the Japanese and Spanish interfaces).
class Translations
{
public:
    explicit Translations(Language language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    Language language() const { return m_language; }
    /// The translation files that could not be loaded (the interface then shows their source texts).
    const QStringList& missing() const { return m_missing; }

private:
    void install(const QString& name, const QString& folder);

    Language m_language;
    Language m_previousInterface; ///< interfaceLanguage() before this object, restored after it
    std::vector<std::unique_ptr<QTranslator>> m_installed;
    QStringList m_missing;
};

} // namespace ui
