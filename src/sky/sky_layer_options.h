#pragma once

#include <optional>
#include <string_view>

namespace sky {

/// The language of constellation and star names.
enum class Language { Japanese, English, Latin };

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

/// The language of a code ja, en or la; no value for any other text.
std::optional<Language> languageNamed(std::string_view code);

} // namespace sky
