#pragma once

#include "text/atomic_file.h"

#include <QIODevice>

#include <string>

namespace exporter {

/// A text::AtomicFile as a Qt output device, for the PDF and bitmap writers.
class AtomicFile : public QIODevice
{
public:
    explicit AtomicFile(std::string path) : m_file(std::move(path)) {}

    /// Creates the temporary file. Throws text::InputError naming the path and the system's reason.
    void start()
    {
        m_file.start();
        QIODevice::open(QIODevice::WriteOnly);
    }
    /// Writes everything out and renames it to the final path. Throws text::InputError as `start`.
    void commit()
    {
        QIODevice::close();
        m_file.commit();
    }

    /// The path as given.
    const std::string& path() const { return m_file.path(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        return m_file.write(data, static_cast<std::size_t>(size)) ? size : -1;
    }

private:
    text::AtomicFile m_file;
};

/// Writes `bytes` to `path` through a text::AtomicFile.
inline void writeFileAtomically(const std::string& path, const QByteArray& bytes)
{
    text::writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace exporter
