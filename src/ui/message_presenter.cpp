#include "ui/message_presenter.h"

#include <QMessageBox>

namespace ui {

namespace {

QMessageBox::Icon toBoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: break;
    }
    return QMessageBox::Information;
}

} // namespace

bool MessageBoxPresenter::show(QWidget* parent, const Message& message)
{
    const QMessageBox::StandardButtons buttons =
        message.withCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok;
    QMessageBox box(toBoxIcon(message.icon), message.title.isEmpty() ? kApplicationTitle : message.title,
                    message.text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    if (message.withCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

} // namespace ui
