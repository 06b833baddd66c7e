#pragma once

#include "stars/star_catalogue.h"

#include <memory>
#include <string>

namespace stars {

/// The catalogue of `StarFileName` as ReadStarFile reads it, kept from the last call: read again
/// only when another file is asked for or the file's size or modification time has changed.
/// Throws as ReadStarFile; a file that cannot be read is never kept.
std::shared_ptr<const StarCatalogue> ReadStarFileCached(const std::string& StarFileName);

} // namespace stars
