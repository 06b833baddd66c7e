#include "text/atomic_file.h"

#include "text/input_error.h"
#include "text/message_text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
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

AtomicFile::AtomicFile(std::string path) : m_path(std::move(path)) {}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::fail(const Text& reason)
{
    discard();
    const std::string shown = escapedForMessage(m_path);
    throw InputError(Text{shown + ": cannot be written (" + reason.en + ").",
                          shown + ": 書き込めません（" + reason.ja + "）。"});
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

void AtomicFile::start()
{
    if (m_path.empty())
        fail({"no file name", "ファイル名がありません"});
    m_target = m_path;
    struct stat st {};
    if (::lstat(m_path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(m_path.c_str(), resolved))
            m_target = resolved;
    }
    if (::stat(m_target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            fail({"it is a folder", "同じ名前のフォルダがあります"});
        if (!S_ISREG(st.st_mode))
            fail({"it is not a regular file but a device, pipe or socket; only files are written",
                  "デバイス、パイプ、ソケットなどで、通常のファイルではありません。書き込めるのはファイルだけです"});
    }
    std::string pattern = folderOf(m_target) + "/.orbweave-XXXXXX";
    m_fd = ::mkstemp(pattern.data());
    if (m_fd < 0)
        fail(systemErrorText(errno));
    m_temporary = pattern;
    // mkstemp makes the file private; the finished file gets the usual permissions.
    ::fchmod(m_fd, 0666 & ~currentUmask());
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

void AtomicFile::commit()
{
    if (m_fd < 0)
        fail({"it was not started", "書き出しが始まっていません"});
    if (m_error != 0)
        fail(systemErrorText(m_error));
    if (::fsync(m_fd) != 0 && errno != EINVAL)
        fail(systemErrorText(errno));
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0)
        fail(systemErrorText(errno));
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        fail(systemErrorText(errno));
    m_temporary.clear();
}

void writeFileAtomically(const std::string& path, std::string_view bytes)
{
    AtomicFile file(path);
    file.start();
    file.write(bytes.data(), bytes.size()); // a failed write is reported by commit
    file.commit();
}

} // namespace text
