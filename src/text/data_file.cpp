#include "text/data_file.h"

#include "text/input_error.h"
#include "text/large_pages.h"
#include "text/message_text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace text {

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

/// The refusal of the file `shownPath`: its name, then `reason`.
[[noreturn]] void refuseFile(const std::string& shownPath, const Message& reason)
{
    throw InputError(Message(MessageId::WhereReason, {shownPath, reason}));
}

/// The refusal of a file over the limit; `found` says how big it was found to be.
[[noreturn]] void refuseTooLarge(const std::string& shownPath, const Message& found)
{
    refuseFile(shownPath, Message(MessageId::FileTooLarge, {found, kMaxDataFileBytes >> 20, kMaxDataFileBytes}));
}

/// Refuses what is not a regular file of acceptable size; `what` was found by stat or fstat.
void checkKind(const std::string& shownPath, const struct stat& what)
{
    if (S_ISREG(what.st_mode)) {
        if (static_cast<std::uint64_t>(what.st_size) > kMaxDataFileBytes) {
            refuseTooLarge(shownPath, Message(MessageId::SizeInBytes, {what.st_size}));
        }
        return;
    }
    if (S_ISDIR(what.st_mode))
        refuseFile(shownPath, MessageId::FileIsFolder);
    const MessageId kind = S_ISCHR(what.st_mode) || S_ISBLK(what.st_mode) ? MessageId::KindDevice
                           : S_ISFIFO(what.st_mode)                       ? MessageId::KindPipe
                           : S_ISSOCK(what.st_mode)                       ? MessageId::KindSocket
                                                                          : MessageId::KindSpecialFile;
    refuseFile(shownPath, Message(MessageId::FileNotRegular, {Message(kind)}));
}

[[noreturn]] void refuseOpen(const std::string& shownPath, int err)
{
    refuseFile(shownPath, Message(MessageId::FileCannotBeOpened, {systemErrorText(err)}));
}

[[noreturn]] void refuseRead(const std::string& shownPath, int err)
{
    refuseFile(shownPath, Message(MessageId::FileCannotBeRead, {systemErrorText(err)}));
}

} // namespace

std::string readDataFile(const std::string& path)
{
    const std::string shownPath = escapedForMessage(path);
    // stat first, so that no device is ever opened; then open without waiting (a pipe with no
    // writer would block) and look again at what was opened, in case the name changed hands.
    struct stat named{};
    if (::stat(path.c_str(), &named) != 0)
        refuseOpen(shownPath, errno);
    checkKind(shownPath, named);
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        refuseOpen(shownPath, errno);
    struct stat opened{};
    if (::fstat(fd.get(), &opened) != 0)
        refuseRead(shownPath, errno);
    checkKind(shownPath, opened);

    // The size is a hint only: files under /proc say 0, and a file may grow while read.
    std::string content;
    content.reserve(static_cast<std::size_t>(opened.st_size) + 1);
    preferLargePages(content.data(), content.capacity());
    content.resize(static_cast<std::size_t>(opened.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == content.size()) {
            if (used > kMaxDataFileBytes)
                refuseTooLarge(shownPath, MessageId::FileGrewWhileRead);
            content.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kMaxDataFileBytes + 1, used * 2 + 4096)));
        }
        const ssize_t n = ::read(fd.get(), content.data() + used, content.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            refuseRead(shownPath, errno);
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    content.resize(used);
    return content;
}

} // namespace text
