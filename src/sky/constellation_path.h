#pragma once

#include "sky/csv_reader.h"
#include "sky/sky_point.h"

#include <string>
#include <vector>

namespace sky {

/// A numbered chain of points belonging to one constellation: a stick-figure polyline or a
/// boundary outline. Numbers count 1, 2, 3… per constellation in file order.
struct ConstellationPath
{
    std::string constellation; ///< IAU three-letter abbreviation, e.g. "Ori"
    int number = 0;            ///< 1-based, per constellation
    std::vector<SkyPoint> points;
};

/// The paths of a table whose columns are constellation, path number, point number, λ, φ:
/// point 1 starts a path (numbered one above the constellation's last), point n follows
/// point n − 1 on the record before. Every path needs `minPoints` points; `kind` names a path
/// in messages ("polyline", "part"). Throws text::InputError naming file, line and field.
std::vector<ConstellationPath> readConstellationPaths(const CsvTable& table, const std::string& kind,
                                                      std::size_t minPoints);

} // namespace sky
