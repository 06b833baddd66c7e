#pragma once

#include "export/export_templates.h"

#include <QString>

#include <functional>

class QWidget;

namespace ui {

/// What the progress dialog says of step `s`, the template named in the interface's language.
QString exportStepText(const exporter::ExportStep& s);

/// Runs `work` on a thread of its own while a progress dialog over `parent`, titled `title`, shows
/// its steps (templates done of all) with Cancel, which the work's observer then reports. The
/// window keeps repainting meanwhile. Throws what `work` throws: exporter::Cancelled after a cancel.
void runWithProgress(QWidget* parent, const QString& title,
                     const std::function<void(const exporter::ExportObserver&)>& work);

} // namespace ui
