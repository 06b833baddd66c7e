#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace exporter {

/// Exit statuses of orbweave-export.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1; ///< input refused or output not written
inline constexpr int kExitUsage = 2;   ///< command line not understood

/// Runs orbweave-export on the arguments after the program name: draws every template,
/// then writes them. Paths written go to `out`, progress and messages to `err`; when `err` is a
/// terminal, `terminalColumns` is its width and progress is one line rewritten in place.
/// Returns the exit status.
int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              std::size_t terminalColumns = 0);

} // namespace exporter
