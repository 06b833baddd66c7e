#include "ui/file_dialog.h"

#include "appdata/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace ui {

std::optional<QString> QtFileDialog::askOpenFile(QWidget* parent, const QString& prefill, const QString& title,
                                                 const QStringList& filters)
{
    const QString path =
        QFileDialog::getOpenFileName(parent, title, prefill, filters.join(QStringLiteral(";;")));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

QString openTitle(DataFileKind kind)
{
    switch (kind) {
    case DataFileKind::Stars: break;
    case DataFileKind::Vertices: return QCoreApplication::translate("ui::FileDialog", "頂点座標ﾌｧｲﾙを開く");
    case DataFileKind::Faces: return QCoreApplication::translate("ui::FileDialog", "面座標ﾌｧｲﾙを開く");
    }
    return QCoreApplication::translate("ui::FileDialog", "恒星データを開く");
}

QStringList openFilters(DataFileKind kind)
{
    QString own;
    switch (kind) {
    case DataFileKind::Stars:
        own = QCoreApplication::translate("ui::FileDialog", "恒星データ (*.csv *.txt)");
        break;
    case DataFileKind::Vertices:
        own = QCoreApplication::translate("ui::FileDialog", "頂点座標ﾌｧｲﾙ (*vertices*.csv *.csv)");
        break;
    case DataFileKind::Faces:
        own = QCoreApplication::translate("ui::FileDialog", "面座標ﾌｧｲﾙ (*faces*.csv *.csv)");
        break;
    }
    return {own, QCoreApplication::translate("ui::FileDialog", "すべてのファイル (*)")};
}

SharedFileDialog::SharedFileDialog(std::unique_ptr<FileDialog> dialog, QString startFolder)
    : m_dialog(std::move(dialog)), m_startFolder(std::move(startFolder))
{
}

QString SharedFileDialog::pick(QWidget* parent, DataFileKind kind)
{
    QString prefill = m_startFolder;
    if (!m_fileName.isEmpty()) {
        const QString folder = QFileInfo(m_fileName).absolutePath();
        const QString& same = m_lastOf[static_cast<int>(kind)];
        prefill = !same.isEmpty() && QFileInfo(same).absolutePath() == folder ? same : folder;
    }
    const std::optional<QString> chosen = m_dialog->askOpenFile(parent, prefill, openTitle(kind), openFilters(kind));
    if (chosen && !chosen->isEmpty())
        remember(*chosen, kind);
    return m_fileName;
}

void SharedFileDialog::remember(const QString& path, DataFileKind kind)
{
    m_fileName = QFileInfo(path).absoluteFilePath();
    m_lastOf[static_cast<int>(kind)] = m_fileName;
    QDir::setCurrent(QFileInfo(m_fileName).absolutePath());
}

void SharedFileDialog::setDialog(std::unique_ptr<FileDialog> dialog) { m_dialog = std::move(dialog); }

QString catalogueFolder()
{
    const QString folder = QFile::decodeName(appdata::bundledDataFolder().c_str());
    return QFileInfo(folder).isDir() ? folder : QString();
}

} // namespace ui
