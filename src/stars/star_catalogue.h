#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stars {

/// One star as the star file gives it: degrees and magnitude, exactly as read.
struct Star
{
    double Lambda = 0.0; ///< longitude, degrees (file column 1)
    double Phi = 0.0;    ///< latitude, degrees (file column 2)
    double Vmag = 0.0;   ///< visual magnitude; smaller is brighter (file column 3)
};

/// First line of an extended star file, naming its columns: the three of a plain star file, then B−V.
inline constexpr std::string_view kExtendedStarHeader = "lambda,phi,magnitude,bv";

/// The stars of one read of the star file, in file order (star i is `stars[i - 1]`).
struct StarCatalogue
{
    std::vector<Star> stars;
    /// B−V of star i at [i - 1], magnitudes, when its file gives one; empty for a plain file.
    std::vector<std::optional<double>> colourIndices;

    /// Number of records read.
    std::int32_t StarCount() const { return static_cast<std::int32_t>(stars.size()); }
    /// B−V of the star at 0-based `index`, when known.
    std::optional<double> colourIndexOf(std::size_t index) const
    {
        return index < colourIndices.size() ? colourIndices[index] : std::nullopt;
    }
};

/// Reads the whole star file, three fields a star (longitude, latitude, magnitude), by the
/// rules of text::readDataFile and text::FieldScanner. Latitudes must lie within −90…90;
/// longitudes and magnitudes are taken as written. A file whose first line is
/// kExtendedStarHeader is extended instead: one star a line, four fields, the last (B−V) a
/// number or empty. Throws text::InputError naming the file, line and field on any fault;
/// never returns a partial catalogue.
StarCatalogue ReadStarFile(const std::string& StarFileName);

/// As `ReadStarFile` on the content of a star file; `fileLabel` names it in messages. A plain
/// file of some megabytes is read in two halves on two threads, with the same stars and the same
/// refusals as one reading; `threads` 1 reads on one, 2 halves any file (0: as fits the file).
StarCatalogue parseStarFile(std::string_view content, std::string_view fileLabel, unsigned threads = 0);

} // namespace stars
