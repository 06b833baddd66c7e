#pragma once

#include <cstdint>
#include <string>

namespace text {

/// Largest data file (star, vertex or face file) the program reads: 512 MiB.
inline constexpr std::uint64_t kMaxDataFileBytes = std::uint64_t{512} << 20;

/// The whole content of the data file `path`. Only a regular file of at most kMaxDataFileBytes
/// is read: a folder, device, pipe or socket is refused without being read or waited on.
/// Throws InputError naming the file for those, and for a file that cannot be opened or read.
std::string readDataFile(const std::string& path);

} // namespace text
