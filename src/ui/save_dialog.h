#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace ui {

/// Asks the user where to save a bitmap when the program's folder cannot take it; tests put a
/// scripted fake in its place.
class SaveDialog
{
public:
    virtual ~SaveDialog() = default;
    /// Shows the dialog modally, pre-filled with `prefill` (a full path); the chosen path, or no
    /// value when the user cancelled. `reason` says why the dialog is shown.
    virtual std::optional<QString> askSaveFile(QWidget* parent, const QString& prefill, const QString& reason) = 0;
};

/// The dialog of the running program: QFileDialog's save dialog for Windows bitmaps.
class QtSaveDialog : public SaveDialog
{
public:
    std::optional<QString> askSaveFile(QWidget* parent, const QString& prefill, const QString& reason) override;
};

} // namespace ui
