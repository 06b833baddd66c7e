#pragma once

#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace ui {

/// Asks the user for one existing file; tests put a scripted fake in its place.
class FileDialog
{
public:
    virtual ~FileDialog() = default;
    /// Shows the dialog modally, pre-filled with `prefill` (a file or a folder);
    /// the confirmed path, or no value when the user cancelled.
    virtual std::optional<QString> askOpenFile(QWidget* parent, const QString& prefill) = 0;
};

/// The dialog of the running program: QFileDialog with its default title, no filter, no options.
class QtFileDialog : public FileDialog
{
public:
    std::optional<QString> askOpenFile(QWidget* parent, const QString& prefill) override;
};

/// The one file-open dialog every file pick of the main window shares. It keeps the path
/// last confirmed in it and pre-fills it; a cancel leaves that path as it was.
class SharedFileDialog
{
public:
    /// `dialog` asks the user; `startFolder` is pre-filled while no path was ever confirmed.
    SharedFileDialog(std::unique_ptr<FileDialog> dialog, QString startFolder);

    /// Runs one pick: the path the dialog holds once closed, confirmed now or earlier,
    /// empty only when none was ever confirmed. Confirming a file makes its folder the
    /// process's current directory.
    QString pick(QWidget* parent);

    /// The path last confirmed, empty before the first.
    const QString& fileName() const { return m_fileName; }

    /// Replaces the dialog that asks the user (tests script it).
    void setDialog(std::unique_ptr<FileDialog> dialog);

private:
    std::unique_ptr<FileDialog> m_dialog;
    QString m_startFolder;
    QString m_fileName;
};

/// Folder of the bundled star catalogue (appdata::bundledDataFolder), empty when it is missing.
QString catalogueFolder();

} // namespace ui
