#include "ui/file_dialog.h"

#include "appdata/data_folder.h"
#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

#include <utility>

namespace ui {

namespace {

/// The system's locale when it speaks `language`, so that its own formats stay; else the
/// language's usual one.
QLocale localeOf(QLocale::Language language)
{
    const QLocale system = QLocale::system();
    return system.language() == language ? system : QLocale(language);
}

QLocale interfaceLocale()
{
    switch (interfaceLanguage()) {
    case Language::Japanese: return localeOf(QLocale::Japanese);
    case Language::Spanish: return localeOf(QLocale::Spanish);
    case Language::English: break;
    }
    return localeOf(QLocale::English);
}

/// The file list of a dialog with the dates and sizes written in the dialog's locale: Qt's file
/// model writes them in the system's.
class LocalisedFiles : public QIdentityProxyModel
{
public:
    LocalisedFiles(QLocale locale, QObject* parent) : QIdentityProxyModel(parent), m_locale(std::move(locale)) {}

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && files && index.isValid()) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == kSizeColumn && !files->isDir(source))
                return m_locale.formattedDataSize(files->size(source));
            if (index.column() == kDateColumn)
                return m_locale.toString(files->lastModified(source), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    static constexpr int kSizeColumn = 1, kDateColumn = 3; ///< QFileSystemModel's
    QLocale m_locale;
};

} // namespace

std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, FileDialogMode mode, const QString& title,
                                            const QString& prefill, const QStringList& filters)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title, prefill, filters.join(QStringLiteral(";;")));
    const QLocale locale = interfaceLocale();
    dialog->setLocale(locale);
    // Qt's own dialog takes the list's words from the locale; a platform's dialog keeps the platform's.
    dialog->setProxyModel(new LocalisedFiles(locale, dialog.get()));
    switch (mode) {
    case FileDialogMode::Open: dialog->setFileMode(QFileDialog::ExistingFile); break;
    case FileDialogMode::Save:
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        break;
    case FileDialogMode::Folder:
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    return dialog;
}

std::optional<QString> runFileDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty())
        return std::nullopt;
    return chosen.front();
}

std::optional<QString> QtFileDialog::askOpenFile(QWidget* parent, const QString& prefill, const QString& title,
                                                 const QStringList& filters)
{
    return runFileDialog(*makeFileDialog(parent, FileDialogMode::Open, title, prefill, filters));
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
