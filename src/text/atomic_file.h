#pragma once

#include "text/bilingual_text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

/// An output file written under a temporary name beside its final place and renamed over it
/// only when complete, so that no cut-short file is ever left under the final name. The path
/// is kept as the bytes given (file names need not be UTF-8). Only a regular file, or nothing,
/// may stand at the path: a device, pipe or socket is refused, never replaced; a link to a
/// file is followed, so the file is replaced and the link kept.
class AtomicFile
{
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /// Creates the temporary file. Throws InputError naming the path and the system's reason.
    void start();
    /// Appends `size` bytes; false after a write error, which `commit` then reports.
    bool write(const char* data, std::size_t size);
    /// Writes everything out and renames it to the final path. Throws InputError as `start`;
    /// nothing is left under the path then.
    void commit();
    /// Gives up: the temporary file goes, the path is left as it was.
    void discard();

    /// The path as given.
    const std::string& path() const { return m_path; }

private:
    [[noreturn]] void fail(const Text& reason);

    std::string m_path;
    std::string m_target;    ///< where the rename goes: the path, or the file a link points at
    std::string m_temporary; ///< empty when no temporary file exists
    int m_fd = -1;
    int m_error = 0;         ///< first write error, an errno value
};

/// Writes `bytes` to `path` through an AtomicFile. Throws InputError naming the path.
void writeFileAtomically(const std::string& path, std::string_view bytes);

} // namespace text
