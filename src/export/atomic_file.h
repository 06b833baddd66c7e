#pragma once

#include <QIODevice>

#include <string>

namespace exporter {

/// An output file written under a temporary name beside its final place and renamed over it
/// only when complete, so that no cut-short file is ever left under the final name. The path
/// is kept as the bytes given (file names need not be UTF-8). Only a regular file, or nothing,
/// may stand at the path: a device, pipe or socket is refused, never replaced.
class AtomicFile : public QIODevice
{
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile() override;

    /// Creates the temporary file. Throws text::InputError naming the path and the system's reason.
    void start();
    /// Writes everything out and renames it to the final path. Throws text::InputError as `start`.
    void commit();

    /// The path as given.
    const std::string& path() const { return m_path; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    [[noreturn]] void fail(const std::string& reason);
    void discard();

    std::string m_path;
    std::string m_target;    ///< where the rename goes: the path, or the file a link points at
    std::string m_temporary; ///< empty when no temporary file exists
    int m_fd = -1;
    int m_error = 0;         ///< first write error, an errno value
};

/// Writes `bytes` to `path` through an AtomicFile.
void writeFileAtomically(const std::string& path, const QByteArray& bytes);

/// `path` for a message: control characters and bytes that are not UTF-8 written as \xNN.
std::string printablePath(const std::string& path);

} // namespace exporter
