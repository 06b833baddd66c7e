#pragma once

#include "sky/sky_point.h"

#include <string>
#include <string_view>
#include <vector>

namespace sky {

/// Columns of star-names.csv: one named star a record.
inline const std::vector<std::string> kStarNamesColumns{"hip",           "lambda", "phi",     "magnitude",
                                                        "constellation", "name",   "japanese"};

/// A star with a proper name, and where it is.
struct StarName
{
    int hip = 0;               ///< Hipparcos catalogue number
    SkyPoint position;         ///< J2000, degrees
    double magnitude = 0.0;    ///< visual magnitude; smaller is brighter
    std::string constellation; ///< IAU abbreviation of the constellation it lies in
    std::string name;          ///< proper name (IAU, English and Latin lettering), e.g. "Betelgeuse"
    std::string japanese;      ///< Japanese name, e.g. "ベテルギウス"; empty when there is none
};

/// Reads star-names.csv in file order. Throws text::InputError naming the file, line and field
/// for any fault, a Hipparcos number below 1, a magnitude outside −30…30 or a record with
/// neither name.
std::vector<StarName> readStarNames(const std::string& path);

/// As readStarNames on text already in memory; `fileLabel` names it in messages.
std::vector<StarName> parseStarNames(std::string_view content, std::string_view fileLabel);

} // namespace sky
