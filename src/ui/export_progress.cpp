#include "ui/export_progress.h"

#include "ui/language.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>

#include <atomic>
#include <exception>
#include <thread>

namespace ui {

QString exportStepText(const exporter::ExportStep& s)
{
    // The exporter names the template in English and in Japanese.
    const bool japanese = interfaceLanguage() == Language::Japanese && !s.captionJa.empty();
    const QString caption = QString::fromStdString(japanese ? s.captionJa : s.caption);
    switch (s.kind) {
    case exporter::ExportStep::Kind::Drawn: return QCoreApplication::translate("ui::GlobeDialog", "型紙を描きました: %1").arg(caption);
    case exporter::ExportStep::Kind::LaidOut: return QCoreApplication::translate("ui::GlobeDialog", "ページに配置しました: %1").arg(caption);
    case exporter::ExportStep::Kind::Wrote: return QCoreApplication::translate("ui::GlobeDialog", "書き出しました: %1").arg(QString::fromStdString(s.path));
    }
    return caption;
}

void runWithProgress(QWidget* parent, const QString& title,
                     const std::function<void(const exporter::ExportObserver&)>& work)
{
    QProgressDialog progress(title, QCoreApplication::translate("ui::GlobeDialog", "キャンセル"), 0, 0, parent);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(400);
    std::atomic<bool> cancelled{false};
    QObject::connect(&progress, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });

    exporter::ExportObserver observer;
    observer.cancelled = [&cancelled] { return cancelled.load(); };
    QProgressDialog* shown = &progress;
    observer.step = [shown](const exporter::ExportStep& s) {
        const int done = static_cast<int>(s.done), total = static_cast<int>(s.total);
        const QString text = exportStepText(s);
        // Queued to the window's thread; dropped if the dialog is gone.
        QMetaObject::invokeMethod(
            shown,
            [shown, done, total, text] {
                shown->setMaximum(total);
                shown->setValue(done);
                shown->setLabelText(QStringLiteral("%1 / %2\n%3").arg(done).arg(total).arg(text));
            },
            Qt::QueuedConnection);
    };

    QEventLoop loop;
    std::exception_ptr error;
    std::thread worker([&] {
        try {
            work(observer);
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (error)
        std::rethrow_exception(error);
}

} // namespace ui
