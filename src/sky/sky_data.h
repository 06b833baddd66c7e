#pragma once

#include "sky/boundary_edge.h"
#include "sky/constellation_names.h"
#include "sky/constellation_path.h"
#include "sky/sky_layer_options.h"
#include "sky/sky_piece.h"
#include "sky/star_names.h"

#include <memory>
#include <string>
#include <vector>

namespace sky {

/// File names of the sky data within their folder (data/sky).
inline constexpr const char* kConstellationLinesFile = "constellation-lines.csv";
inline constexpr const char* kConstellationNamesFile = "constellation-names.csv";
inline constexpr const char* kConstellationBoundsFile = "constellation-bounds.csv";
inline constexpr const char* kStarNamesFile = "star-names.csv";

/// The sky data the layers draw from; each part empty when no layer asked for needs it.
struct SkyData
{
    std::vector<ConstellationPath> figures;   ///< stick figures (also read for the names, which move along them)
    std::vector<ConstellationName> names;
    std::vector<BoundaryEdge> boundaries;     ///< every boundary edge once
    std::vector<StarName> starNames;
    std::vector<SkyCap> figureReach;   ///< per figure, a cap holding it (computed on loading)
    std::vector<SkyCap> boundaryReach; ///< per boundary edge, a cap holding it
};

/// Reads from `folder` the files the layers of `options` need. Throws text::InputError naming
/// the file, line and field for any fault.
SkyData loadSkyData(const std::string& folder, const SkyLayerOptions& options);

/// What sky layers one Draw or export asks for, with the data they are drawn from.
struct SkyRequest
{
    SkyLayerOptions layers;
    std::shared_ptr<const SkyData> data; ///< loaded for `layers`; may be null when no layer is on

    /// Whether anything is to be drawn.
    bool wanted() const { return data && layers.any(); }
};

} // namespace sky
