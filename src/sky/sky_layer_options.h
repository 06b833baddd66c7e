#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sky {

/// The language of constellation and star names: those of the bundled name data.
enum class Language {
    Japanese, English, Latin,
    Arabic, Chinese, Czech, Estonian, Finnish, French, German, Greek, Hebrew, Hindi, Italian, Korean, Persian,
    Russian, Spanish, Swahili, Turkish
};

/// One language of the names: its code (ISO 639-1) and its name in itself.
struct NameLanguage
{
    Language language;
    const char* code;    ///< "ja", "de", "zh"…
    const char* ownName; ///< "日本語", "Deutsch", "中文"…
};

/// Every language of the names, Japanese, English and Latin first, then the others by code.
inline constexpr NameLanguage kNameLanguages[] = {
    {Language::Japanese, "ja", "日本語"},   {Language::English, "en", "English"},   {Language::Latin, "la", "Latina"},
    {Language::Arabic, "ar", "العربية"},    {Language::Czech, "cs", "Čeština"},     {Language::German, "de", "Deutsch"},
    {Language::Greek, "el", "Ελληνικά"},    {Language::Spanish, "es", "Español"},   {Language::Estonian, "et", "Eesti"},
    {Language::Persian, "fa", "فارسی"},     {Language::Finnish, "fi", "Suomi"},     {Language::French, "fr", "Français"},
    {Language::Hebrew, "he", "עברית"},      {Language::Hindi, "hi", "हिन्दी"},        {Language::Italian, "it", "Italiano"},
    {Language::Korean, "ko", "한국어"},     {Language::Russian, "ru", "Русский"},   {Language::Swahili, "sw", "Kiswahili"},
    {Language::Turkish, "tr", "Türkçe"},    {Language::Chinese, "zh", "中文"},
};

/// Which sky layers a template carries besides its stars; all off by default.
struct SkyLayerOptions
{
    bool figures = false;    ///< constellation stick figures
    bool names = false;      ///< constellation names
    bool boundaries = false; ///< IAU constellation boundaries, dotted
    int gridStep = 0;        ///< hour meridians with parallels every 10 or 15 degrees; 0: no grid
    bool ecliptic = false;   ///< the ecliptic, ticked every 10° of ecliptic longitude, labelled every 30°
    bool galactic = false;   ///< the galactic equator, labelled every 30° of galactic longitude
    std::optional<double> starNameLimit; ///< names of the stars of this magnitude or brighter; none: no star names
    Language language = Language::English; ///< of the constellation and star names

    /// Whether any layer is on.
    bool any() const { return figures || names || boundaries || gridStep != 0 || ecliptic || galactic || starNameLimit; }
};

/// The magnitude limit of star names that `--sky all` and the window's box use.
inline constexpr double kDefaultStarNameLimit = 1.5;

/// The language of a code of kNameLanguages (lower case); no value for any other text.
std::optional<Language> languageNamed(std::string_view code);

/// The code of `language`, as kNameLanguages gives it.
const char* languageCode(Language language);

/// Every code of kNameLanguages, in its order, separated by ", ".
std::string languageCodeList();

} // namespace sky
