#pragma once

#include "text/atomic_file.h"

#include <QIODevice>

#include <string>

namespace exporter {

/// A text::AtomicFile as a Qt output device, for the PDF and bitmap writers.
class AtomicFile : public QIODevice
{
public:
    /// `keepReplaced`: a file the commit replaces is kept aside for text::undoReplacement.
    explicit AtomicFile(std::string path, bool keepReplaced = false) : m_file(std::move(path), keepReplaced) {}

    /// Creates the temporary file. Throws text::InputError naming the path and the system's reason.
    void start()
    {
        m_file.start();
        QIODevice::open(QIODevice::WriteOnly);
    }
    /// Writes everything out and renames it to the final path. Throws text::InputError as `start`.
    text::Replacement commit()
    {
        QIODevice::close();
        return m_file.commit();
    }

    /// Gives up: the temporary file goes at once; later writes fail.
    void discard() { m_file.discard(); }

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
inline text::Replacement writeFileAtomically(const std::string& path, const QByteArray& bytes,
                                             bool keepReplaced = false)
{
    return text::writeFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), keepReplaced);
}

} // namespace exporter
