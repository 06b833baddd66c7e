#pragma once

#include <string>
#include <vector>

namespace exporter {

/// Folders searched, in order, for the files that come with the program: the installed
/// share folder beside the executable, the configured install folder, the source tree.
std::vector<std::string> bundledDataFolders();

/// Full path of the bundled file `relative` (such as "bright-stars.csv"). Throws
/// text::InputError saying where it looked when no folder holds it.
std::string bundledDataFile(const std::string& relative);

} // namespace exporter
