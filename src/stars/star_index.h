#pragma once

#include "stars/star_catalogue.h"

#include <cstdint>
#include <vector>

namespace stars {

/// The stars of a catalogue brighter than one faintest magnitude (faintestMagnitude − Vmag > 0),
/// sorted into cells of the sky, so that a template gathers the few stars it may show without
/// visiting the rest. Built once per export and only read afterwards: templates drawn at the same
/// time share it.
struct StarCells
{
    double faintestMagnitude = 0.0;
    std::uint32_t catalogueSize = 0;
    std::vector<std::uint32_t> places;    ///< catalogue places from 0, by cell, in file order within a cell
    std::vector<std::uint32_t> cellStart; ///< cell c holds places[cellStart[c] … cellStart[c + 1]); the
                                          ///< last cell holds the stars no cell takes (found by every query)
};

/// Bright stars by longitude as written, in strips of one degree from −4° to 364°, the stars
/// beyond (any longitude no gore window reaches) in the last cell.
struct LongitudeIndex
{
    StarCells cells;
};

/// Bright stars by position on the sphere, in cells of two degrees of latitude and longitude;
/// stars whose longitude is too large to place reliably (beyond ±10⁶°) in the last cell.
struct SkyIndex
{
    StarCells cells;
};

/// The longitude index of the stars of `catalogue` brighter than `faintestMagnitude`.
LongitudeIndex longitudeIndex(const StarCatalogue& catalogue, double faintestMagnitude);

/// Catalogue places, ascending (file order), of the indexed stars whose longitude may lie within
/// `from` … `to` degrees: all that do and a few more, so the caller tests each one.
std::vector<std::uint32_t> starsInLongitudes(const LongitudeIndex& index, double from, double to);

/// The sky index of the stars of `catalogue` brighter than `faintestMagnitude`; positions as the
/// drawing code computes them, latitude φ·DegreeFactor and longitude λ·DegreeFactor.
SkyIndex skyIndex(const StarCatalogue& catalogue, double faintestMagnitude);

/// Catalogue places, ascending (file order), of the indexed stars that may lie within `radius`
/// radians of the point at latitude `phi0` and longitude `lambda0` (radians): all that do and a
/// few more, so the caller tests each one.
std::vector<std::uint32_t> starsNear(const SkyIndex& index, double phi0, double lambda0, double radius);

} // namespace stars
