#include "ui/file_dialog.h"

#include "appdata/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace ui {

std::optional<QString> QtFileDialog::askOpenFile(QWidget* parent, const QString& prefill)
{
    const QString path = QFileDialog::getOpenFileName(parent, QString(), prefill);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

SharedFileDialog::SharedFileDialog(std::unique_ptr<FileDialog> dialog, QString startFolder)
    : m_dialog(std::move(dialog)), m_startFolder(std::move(startFolder))
{
}

QString SharedFileDialog::pick(QWidget* parent)
{
    const QString prefill = m_fileName.isEmpty() ? m_startFolder : m_fileName;
    const std::optional<QString> chosen = m_dialog->askOpenFile(parent, prefill);
    if (chosen && !chosen->isEmpty()) {
        m_fileName = QFileInfo(*chosen).absoluteFilePath();
        QDir::setCurrent(QFileInfo(m_fileName).absolutePath());
    }
    return m_fileName;
}

void SharedFileDialog::setDialog(std::unique_ptr<FileDialog> dialog) { m_dialog = std::move(dialog); }

QString catalogueFolder()
{
    const QString folder = QFile::decodeName(appdata::bundledDataFolder().c_str());
    return QFileInfo(folder).isDir() ? folder : QString();
}

} // namespace ui
