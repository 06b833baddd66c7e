#include "ui/save_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace ui {

std::optional<QString> QtSaveDialog::askSaveFile(QWidget* parent, const QString& prefill, const QString& reason)
{
    const QString path = QFileDialog::getSaveFileName(
        parent, reason, prefill, QCoreApplication::translate("ui::SaveDialog", "Windows ビットマップ (*.bmp)"));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace ui
