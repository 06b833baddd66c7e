#include "stars/star_index.h"

#include "stars/angles.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <numbers>
#include <utility>

namespace stars {

namespace {

constexpr double kStripFirst = -4.0; ///< degrees: the first strip's west edge
constexpr std::uint32_t kStrips = 368; ///< one degree each, −4° … 364°

constexpr std::uint32_t kBands = 90, kColumns = 180; ///< two degrees a cell
constexpr double kBandHeight = std::numbers::pi / kBands;        ///< radians
constexpr double kColumnWidth = 2.0 * std::numbers::pi / kColumns; ///< radians
/// Longitudes beyond this (degrees) lose too many digits in the drawing's cosine to be placed.
constexpr double kPlaceableLongitude = 1e6;
/// Radians added to every search radius: far above the rounding of positions and cosines.
constexpr double kSearchMargin = 1e-6;

/// The cells of the stars of `catalogue` brighter than `faintestMagnitude`; `cellOf(star)` gives
/// a cell below `cellCount`, the last one for a star no cell takes.
template <typename CellOf>
StarCells sortIntoCells(const StarCatalogue& catalogue, double faintestMagnitude, std::uint32_t cellCount,
                        CellOf&& cellOf)
{
    StarCells c;
    c.faintestMagnitude = faintestMagnitude;
    c.catalogueSize = static_cast<std::uint32_t>(catalogue.stars.size());
    std::vector<std::uint32_t> bright, cell;
    for (std::size_t i = 0; i < catalogue.stars.size(); ++i) {
        // The drawing's own test, d = mf − Vmag, no dot when d ≤ 0 (or no number).
        const double d = faintestMagnitude - catalogue.stars[i].Vmag;
        if (!(d > 0))
            continue;
        bright.push_back(static_cast<std::uint32_t>(i));
        cell.push_back(cellOf(catalogue.stars[i]));
        assert(cell.back() < cellCount);
    }
    // Counting sort: stable, so each cell keeps file order.
    c.cellStart.assign(cellCount + 1, 0);
    for (const std::uint32_t k : cell)
        ++c.cellStart[k + 1];
    for (std::uint32_t k = 0; k < cellCount; ++k)
        c.cellStart[k + 1] += c.cellStart[k];
    c.places.resize(bright.size());
    std::vector<std::uint32_t> next(c.cellStart.begin(), c.cellStart.end() - 1);
    for (std::size_t j = 0; j < bright.size(); ++j)
        c.places[next[cell[j]]++] = bright[j];
    return c;
}

/// Appends the places of cells `first` … `last` (inclusive) of `c`.
void appendCells(const StarCells& c, std::uint32_t first, std::uint32_t last, std::vector<std::uint32_t>& out)
{
    out.insert(out.end(), c.places.begin() + c.cellStart[first], c.places.begin() + c.cellStart[last + 1]);
}

/// Distinct catalogue places below `catalogueSize` sorted ascending: by radix, 11 bits a pass.
void sortPlaces(std::vector<std::uint32_t>& places, std::uint32_t catalogueSize)
{
    if (std::is_sorted(places.begin(), places.end()))
        return;
    if (places.size() < 1024) {
        std::sort(places.begin(), places.end());
        return;
    }
    constexpr unsigned kDigitBits = 11;
    constexpr std::uint32_t kDigits = 1u << kDigitBits;
    const unsigned bits = static_cast<unsigned>(std::bit_width(catalogueSize));
    std::vector<std::uint32_t> buffer(places.size());
    std::array<std::uint32_t, kDigits> count;
    for (unsigned shift = 0; shift < bits; shift += kDigitBits) {
        count.fill(0);
        for (const std::uint32_t p : places)
            ++count[(p >> shift) & (kDigits - 1)];
        std::uint32_t sum = 0;
        for (std::uint32_t& n : count)
            sum += std::exchange(n, sum);
        for (const std::uint32_t p : places)
            buffer[count[(p >> shift) & (kDigits - 1)]++] = p;
        places.swap(buffer);
    }
}

std::uint32_t lastCell(const StarCells& c) { return static_cast<std::uint32_t>(c.cellStart.size() - 2); }

} // namespace

LongitudeIndex longitudeIndex(const StarCatalogue& catalogue, double faintestMagnitude)
{
    return {sortIntoCells(catalogue, faintestMagnitude, kStrips + 1, [](const Star& s) {
        const double strip = std::floor(s.Lambda - kStripFirst);
        return strip >= 0 && strip < kStrips ? static_cast<std::uint32_t>(strip) : kStrips;
    })};
}

std::vector<std::uint32_t> starsInLongitudes(const LongitudeIndex& index, double from, double to)
{
    const StarCells& c = index.cells;
    std::vector<std::uint32_t> out;
    if (std::isnan(from) || std::isnan(to)) {
        out = c.places;
    } else {
        // A strip either side more than asked: the caller's own test rounds on its own terms.
        const double first = std::max(0.0, std::floor(from - kStripFirst) - 1);
        const double last = std::min(kStrips - 1.0, std::floor(to - kStripFirst) + 1);
        if (first <= last)
            appendCells(c, static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(last), out);
        appendCells(c, kStrips, kStrips, out);
    }
    sortPlaces(out, c.catalogueSize);
    return out;
}

SkyIndex skyIndex(const StarCatalogue& catalogue, double faintestMagnitude)
{
    return {sortIntoCells(catalogue, faintestMagnitude, kBands * kColumns + 1, [](const Star& s) {
        if (!(std::fabs(s.Lambda) <= kPlaceableLongitude))
            return kBands * kColumns;
        const double phi = s.Phi * DegreeFactor, lambda = s.Lambda * DegreeFactor;
        const double band = std::floor((phi + std::numbers::pi / 2) / kBandHeight);
        const double turn = 2.0 * std::numbers::pi;
        const double column = std::floor((lambda - turn * std::floor(lambda / turn)) / kColumnWidth);
        return static_cast<std::uint32_t>(std::clamp(band, 0.0, kBands - 1.0)) * kColumns
               + static_cast<std::uint32_t>(std::clamp(column, 0.0, kColumns - 1.0));
    })};
}

std::vector<std::uint32_t> starsNear(const SkyIndex& index, double phi0, double lambda0, double radius)
{
    const StarCells& c = index.cells;
    std::vector<std::uint32_t> out;
    const double sinPhi0 = std::sin(phi0), cosPhi0 = std::cos(phi0);
    // Cosines of the column centres' longitudes from lambda0.
    std::array<double, kColumns> cosColumn;
    for (std::uint32_t j = 0; j < kColumns; ++j)
        cosColumn[j] = std::cos((j + 0.5) * kColumnWidth - lambda0);
    for (std::uint32_t b = 0; b < kBands; ++b) {
        const double south = -std::numbers::pi / 2 + b * kBandHeight, north = south + kBandHeight;
        const double centre = (south + north) / 2;
        // Every point of a cell lies within half its height plus half its widest parallel of its
        // centre: along the parallel to the centre's meridian, then along that meridian.
        const double widest = south < 0 && north > 0 ? 1.0 : std::cos(std::min(std::fabs(south), std::fabs(north)));
        const double reach = radius + kBandHeight / 2 + widest * kColumnWidth / 2 + kSearchMargin;
        if (!(reach < std::numbers::pi)) {
            appendCells(c, b * kColumns, b * kColumns + kColumns - 1, out);
            continue;
        }
        // The latitudes differ by no more than the points lie apart.
        if (std::fabs(phi0) <= std::numbers::pi / 2 && std::fabs(centre - phi0) > reach)
            continue;
        const double least = std::cos(reach) - 1e-12;
        const double sinCentre = std::sin(centre), cosCentre = std::cos(centre);
        for (std::uint32_t j = 0; j < kColumns; ++j)
            if (sinPhi0 * sinCentre + cosPhi0 * cosCentre * cosColumn[j] >= least)
                appendCells(c, b * kColumns + j, b * kColumns + j, out);
    }
    appendCells(c, lastCell(c), lastCell(c), out);
    sortPlaces(out, c.catalogueSize);
    return out;
}

} // namespace stars
