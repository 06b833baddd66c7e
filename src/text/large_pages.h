#pragma once

#include <cstddef>

namespace text {

/// Asks the system to back the whole 2 MiB stretches of the `bytes` at `data` with large pages when
/// they are first written: a buffer of hundreds of megabytes then takes a few hundred page faults
/// instead of a hundred thousand. Only a hint: nothing changes where the system has no such pages
/// or the buffer is smaller than one.
void preferLargePages(const void* data, std::size_t bytes);

} // namespace text
