#include "text/atomic_file.h"

#include "text/input_error.h"
#include "text/message_text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace text {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

AtomicFile::AtomicFile(std::string path, bool keepReplaced) : m_path(std::move(path)), m_keepReplaced(keepReplaced) {}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::fail(const Message& reason)
{
    discard();
    throw InputError(Message(MessageId::CannotBeWritten, {escapedForMessage(m_path), reason}));
}

void AtomicFile::discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

std::string AtomicFile::followLinks()
{
    constexpr int kMostLinks = 40; // as many as the kernel follows in one path
    std::string current = m_path;
    for (int hop = 0;; ++hop) {
        struct stat link {};
        if (::lstat(current.c_str(), &link) != 0)
            return hop == 0 ? current : m_path; // a link to nothing is replaced itself
        if (!S_ISLNK(link.st_mode))
            return current;
        if (hop == kMostLinks)
            fail(systemErrorText(ELOOP));
        // The kernel's protected_symlinks rule, kept here since the link is read in user space:
        // in a folder others may write to, only links of the folder's owner or our own are followed.
        const std::string folder = folderOf(current);
        struct stat dir {};
        if (::stat(folder.c_str(), &dir) == 0 && (dir.st_mode & (S_ISVTX | S_IWOTH)) != 0
            && link.st_uid != ::geteuid() && link.st_uid != dir.st_uid) {
            fail(Message(MessageId::LinkOfOtherUser, {link.st_uid}));
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
            fail(systemErrorText(length < 0 ? errno : ENAMETOOLONG));
        target.resize(static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : folder + "/" + target;
    }
}

void AtomicFile::takeOverMode()
{
    struct stat st {};
    if (::stat(m_target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        // mkstemp makes the file private; a new file gets the usual permissions.
        ::fchmod(m_fd, 0666 & ~currentUmask());
        return;
    }
    // The owner first: a change of owner clears permission bits. Root keeps owner and group;
    // another user keeps at least the group where it belongs to it.
    if (::fchown(m_fd, st.st_uid, st.st_gid) != 0 && ::fchown(m_fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
        // the file is ours, in our group
    }
    ::fchmod(m_fd, st.st_mode & 0777);
}

std::string AtomicFile::keepAside()
{
    struct stat st {};
    if (::lstat(m_target.c_str(), &st) != 0)
        return {};
    std::string name = folderOf(m_target) + "/.orbweave-XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        fail(systemErrorText(errno));
    ::close(fd);
    // A second name for the file, so that the final name is never empty; where the file system
    // has no hard links, the file moves aside instead.
    if (::unlink(name.c_str()) == 0 && ::link(m_target.c_str(), name.c_str()) == 0)
        return name;
    if (::rename(m_target.c_str(), name.c_str()) == 0)
        return name;
    const int error = errno;
    ::unlink(name.c_str());
    fail(systemErrorText(error));
}

void AtomicFile::start()
{
    if (m_path.empty())
        fail(MessageId::NoFileName);
    m_target = followLinks();
    struct stat st {};
    if (::stat(m_target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            fail(MessageId::TargetIsFolder);
        if (!S_ISREG(st.st_mode))
            fail(MessageId::TargetNotRegular);
    }
    std::string pattern = folderOf(m_target) + "/.orbweave-XXXXXX";
    m_fd = ::mkstemp(pattern.data());
    if (m_fd < 0)
        fail(systemErrorText(errno));
    m_temporary = pattern;
    takeOverMode();
    m_error = 0;
}

bool AtomicFile::write(const char* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size && m_error == 0 && m_fd >= 0) {
        const ssize_t n = ::write(m_fd, data + done, size - done);
        if (n < 0) {
            if (errno != EINTR)
                m_error = errno;
            continue;
        }
        done += static_cast<std::size_t>(n);
    }
    return m_error == 0 && m_fd >= 0;
}

Replacement AtomicFile::commit()
{
    if (m_fd < 0)
        fail(MessageId::WriteNotStarted);
    if (m_error != 0)
        fail(systemErrorText(m_error));
    if (::fsync(m_fd) != 0 && errno != EINVAL)
        fail(systemErrorText(errno));
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0)
        fail(systemErrorText(errno));
    Replacement done{m_target, m_keepReplaced ? keepAside() : std::string()};
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int error = errno;
        if (!done.backup.empty())
            undoReplacement(done);
        fail(systemErrorText(error));
    }
    m_temporary.clear();
    return done;
}

bool undoReplacement(const Replacement& r)
{
    if (r.backup.empty())
        return ::unlink(r.target.c_str()) == 0;
    const bool back = ::rename(r.backup.c_str(), r.target.c_str()) == 0;
    // When the new file never took the place, the kept name is a second link to the same file,
    // which rename leaves alone.
    ::unlink(r.backup.c_str());
    return back;
}

void settleReplacement(const Replacement& r)
{
    if (!r.backup.empty())
        ::unlink(r.backup.c_str());
}

Replacement writeFileAtomically(const std::string& path, std::string_view bytes, bool keepReplaced)
{
    AtomicFile file(path, keepReplaced);
    file.start();
    file.write(bytes.data(), bytes.size()); // a failed write is reported by commit
    return file.commit();
}

} // namespace text
