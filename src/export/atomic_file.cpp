#include "export/atomic_file.h"

#include "text/input_error.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exporter {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::size_t utf8Length(const std::string& s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2)
            return 0;
    return n;
}

} // namespace

std::string printablePath(const std::string& path)
{
    std::string out;
    for (std::size_t i = 0; i < path.size();) {
        const auto c = static_cast<unsigned char>(path[i]);
        const std::size_t n = utf8Length(path, i);
        if (n == 0 || c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
            ++i;
        } else {
            out.append(path, i, n);
            i += n;
        }
    }
    return out;
}

AtomicFile::AtomicFile(std::string path) : m_path(std::move(path)) {}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::fail(const std::string& reason)
{
    discard();
    throw text::InputError(printablePath(m_path) + ": cannot be written (" + reason + ").");
}

void AtomicFile::discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
    if (isOpen())
        QIODevice::close();
}

void AtomicFile::start()
{
    if (m_path.empty())
        fail("no file name");
    m_target = m_path;
    struct stat st {};
    if (::lstat(m_path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // A link to a file is followed, so the file it names is replaced and the link kept.
        char resolved[PATH_MAX];
        if (::realpath(m_path.c_str(), resolved))
            m_target = resolved;
    }
    if (::stat(m_target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            fail("it is a folder");
        if (!S_ISREG(st.st_mode))
            fail("it is not a regular file but a device, pipe or socket; only files are written");
    }
    std::string pattern = folderOf(m_target) + "/.orbweave-XXXXXX";
    m_fd = ::mkstemp(pattern.data());
    if (m_fd < 0)
        fail(std::strerror(errno));
    m_temporary = pattern;
    ::fchmod(m_fd, 0666 & ~[] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mask;
    }());
    m_error = 0;
    QIODevice::open(QIODevice::WriteOnly);
}

qint64 AtomicFile::writeData(const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size && m_error == 0) {
        const ssize_t n = ::write(m_fd, data + done, static_cast<std::size_t>(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            m_error = errno;
            return -1;
        }
        done += n;
    }
    return m_error == 0 ? done : -1;
}

void AtomicFile::commit()
{
    if (m_fd < 0)
        fail("it was not started");
    if (m_error != 0)
        fail(std::strerror(m_error));
    if (::fsync(m_fd) != 0 && errno != EINVAL)
        fail(std::strerror(errno));
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0)
        fail(std::strerror(errno));
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        fail(std::strerror(errno));
    m_temporary.clear();
    QIODevice::close();
}

void writeFileAtomically(const std::string& path, const QByteArray& bytes)
{
    AtomicFile file(path);
    file.start();
    file.write(bytes); // a failed write is reported by commit
    file.commit();
}

} // namespace exporter
