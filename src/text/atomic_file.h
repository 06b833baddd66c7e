#pragma once

#include "text/message.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

/// What a commit put in place and, when asked to keep it, the file it replaced, so that a set
/// of files can be written one by one and still be taken back as a whole.
struct Replacement
{
    std::string target; ///< where the new file went (a link's file when the path was a link)
    std::string backup; ///< the replaced file, kept aside in the same folder; empty: none
};

/// Takes a commit back: the replaced file returns to its place, or the new file goes when it
/// replaced nothing. False when the system refused.
bool undoReplacement(const Replacement& r);
/// Drops the replaced file kept aside, once the files written together are all in place.
void settleReplacement(const Replacement& r);

/// An output file written under a temporary name beside its final place and renamed over it
/// only when complete, so that no cut-short file is ever left under the final name. The path
/// is kept as the bytes given (file names need not be UTF-8). Only a regular file, or nothing,
/// may stand at the path: a device, pipe or socket is refused, never replaced. A link to a file
/// is followed, so the file is replaced and the link kept, except a link that another user
/// owns in a folder others can write to (sticky or world-writable), which is refused, as the
/// kernel's protected_symlinks refuses it. A file replaced keeps its permissions and, where
/// the system allows it (as root), its owner and group.
class AtomicFile
{
public:
    /// `keepReplaced`: a file the commit replaces is kept aside for undoReplacement.
    explicit AtomicFile(std::string path, bool keepReplaced = false);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /// Creates the temporary file. Throws InputError naming the path and the system's reason.
    void start();
    /// Appends `size` bytes; false after a write error, which `commit` then reports.
    bool write(const char* data, std::size_t size);
    /// Writes everything out and renames it to the final path. Throws InputError as `start`;
    /// nothing is left under the path then.
    Replacement commit();
    /// Gives up: the temporary file goes, the path is left as it was.
    void discard();

    /// The path as given.
    const std::string& path() const { return m_path; }

private:
    [[noreturn]] void fail(const Message& reason);
    /// The file the path stands for: the path, or the end of its chain of links.
    std::string followLinks();
    /// Gives the temporary file the permissions (and owner) of the file at the target, if any.
    void takeOverMode();
    /// Keeps the file at the target aside; empty when there is none.
    std::string keepAside();

    std::string m_path;
    bool m_keepReplaced = false;
    std::string m_target;    ///< where the rename goes: the path, or the file a link points at
    std::string m_temporary; ///< empty when no temporary file exists
    int m_fd = -1;
    int m_error = 0;         ///< first write error, an errno value
};

/// Writes `bytes` to `path` through an AtomicFile. Throws InputError naming the path.
Replacement writeFileAtomically(const std::string& path, std::string_view bytes, bool keepReplaced = false);

} // namespace text
