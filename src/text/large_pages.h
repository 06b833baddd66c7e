#pragma once

#include <cstddef>

namespace text {

/// Asks for the memory of `bytes` from `data`, not yet written to, to be given in large pages
/// where the system can: a buffer of many megabytes then costs a few page faults rather than one
/// for every 4 KiB. A hint only, and nothing on systems without it.
void preferLargePages(const void* data, std::size_t bytes);

} // namespace text
