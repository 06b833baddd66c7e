#include "ui/save_dialog.h"

#include "ui/file_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace ui {

std::optional<QString> QtSaveDialog::askSaveFile(QWidget* parent, const QString& prefill, const QString& reason)
{
    return runFileDialog(*makeFileDialog(parent, FileDialogMode::Save, reason, prefill,
                                         {QCoreApplication::translate("ui::SaveDialog", "Windows ビットマップ (*.bmp)")}));
}

} // namespace ui
