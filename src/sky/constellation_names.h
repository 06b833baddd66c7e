#pragma once

#include "sky/sky_layer_options.h"
#include "sky/sky_point.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace sky {

/// Columns of constellation-names.csv: one constellation (or part) a record; after the Japanese
/// name, one column for each further language of kNameLanguages, named by its code.
extern const std::vector<std::string> kConstellationNamesColumns;

/// A constellation's names and where its name goes.
struct ConstellationName
{
    std::string constellation; ///< IAU three-letter abbreviation, e.g. "CMa"
    SkyPoint label;            ///< centre of the name, degrees
    int rank = 1;              ///< 1 (large, bright) … 3 (small, faint), for the size of the name
    std::string iauName;       ///< official IAU name, e.g. "Canis Major"; Serpens Caput and Cauda apart
    std::string latin;         ///< Latin name, e.g. "Canis Maior"
    std::string english;       ///< English name, e.g. "Great Dog"
    std::string japanese;      ///< Japanese name, e.g. "おおいぬ座"
    std::map<Language, std::string> translations; ///< names in the further languages, e.g. "Großer Hund"; may be empty
};

/// The name of `n` in `language`; its Latin name (else its IAU name) when it has none there.
const std::string& constellationNameIn(const ConstellationName& n, Language language);

/// Reads constellation-names.csv in file order (Serpens has a record for each part). Throws
/// text::InputError naming the file, line and field for any fault, a rank outside 1…3 or
/// an empty abbreviation or IAU name.
std::vector<ConstellationName> readConstellationNames(const std::string& path);

/// As readConstellationNames on text already in memory; `fileLabel` names it in messages.
std::vector<ConstellationName> parseConstellationNames(std::string_view content, std::string_view fileLabel);

} // namespace sky
