#pragma once

#include "sky/sky_data.h"

#include <memory>
#include <string>

namespace sky {

/// loadSkyData's result kept from the last call: read again only when another folder or another
/// set of files is asked for, or a file's size or modification time has changed. Throws as loadSkyData.
std::shared_ptr<const SkyData> loadSkyDataCached(const std::string& folder, const SkyLayerOptions& options);

} // namespace sky
