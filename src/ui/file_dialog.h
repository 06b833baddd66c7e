#pragma once

#include "ui/data_file_check.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace ui {

/// What a Qt file dialog is for.
enum class FileDialogMode { Open, Save, Folder };

/// A Qt file dialog titled `title`, opening at `prefill` (a file, which it selects, or a folder),
/// offering `filters` (the first chosen), in the interface's language: Qt's own words from its
/// translation, the files' dates and sizes in the interface's locale rather than the system's
/// (where the platform's own dialog shows instead, it follows the platform).
std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, FileDialogMode mode, const QString& title,
                                            const QString& prefill, const QStringList& filters = {});

/// Shows `dialog` modally: the path chosen, or no value when the user cancelled.
std::optional<QString> runFileDialog(QFileDialog& dialog);

/// Asks the user for one existing file; tests put a scripted fake in its place.
class FileDialog
{
public:
    virtual ~FileDialog() = default;
    /// Shows the dialog modally, titled `title`, pre-filled with `prefill` (a file or a folder),
    /// offering `filters` (the first chosen); the confirmed path, or no value when the user cancelled.
    virtual std::optional<QString> askOpenFile(QWidget* parent, const QString& prefill, const QString& title,
                                               const QStringList& filters) = 0;
};

/// The dialog of the running program: QFileDialog with the title and filters asked for.
class QtFileDialog : public FileDialog
{
public:
    std::optional<QString> askOpenFile(QWidget* parent, const QString& prefill, const QString& title,
                                       const QStringList& filters) override;
};

/// The title of the open dialog for files of `kind`, in the interface's language.
QString openTitle(DataFileKind kind);
/// The filters of the open dialog for files of `kind`: that kind first, then all files.
QStringList openFilters(DataFileKind kind);

/// The one file-open dialog every file pick of the main window shares. It keeps the path
/// last confirmed in it; a cancel leaves that path as it was. Each pick is titled and filtered by
/// the kind it reads and pre-filled with the file last confirmed for that kind when it lies in
/// the folder of the last file, else with that folder, so that Enter never takes a file of
/// another kind.
class SharedFileDialog
{
public:
    /// `dialog` asks the user; `startFolder` is pre-filled while no path was ever confirmed.
    SharedFileDialog(std::unique_ptr<FileDialog> dialog, QString startFolder);

    /// Runs one pick of a file of `kind`: the path the dialog holds once closed, confirmed now or
    /// earlier, empty only when none was ever confirmed. Confirming a file makes its folder the
    /// process's current directory.
    QString pick(QWidget* parent, DataFileKind kind = DataFileKind::Stars);

    /// Takes `path` as if confirmed for `kind` (a file dropped or opened from the recent files).
    void remember(const QString& path, DataFileKind kind = DataFileKind::Stars);

    /// The path last confirmed, empty before the first.
    const QString& fileName() const { return m_fileName; }

    /// Replaces the dialog that asks the user (tests script it).
    void setDialog(std::unique_ptr<FileDialog> dialog);

private:
    std::unique_ptr<FileDialog> m_dialog;
    QString m_startFolder;
    QString m_fileName;
    QString m_lastOf[3]; ///< the file last confirmed for each DataFileKind
};

/// Folder of the bundled star catalogue (appdata::bundledDataFolder), empty when it is missing.
QString catalogueFolder();

} // namespace ui
