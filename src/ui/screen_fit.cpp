#include "ui/screen_fit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

void keepOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // The frame (title bar, borders) is known once the window is shown; before that it is the window.
    const QSize decoration = window.frameGeometry().size() - window.size();
    const QSize room = (available.size() - decoration).expandedTo(QSize(1, 1));
    const QSize fitted = window.size().boundedTo(room).expandedTo(window.minimumSize());
    if (fitted != window.size())
        window.resize(fitted);
    QRect frame = window.frameGeometry();
    frame.moveLeft(std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() - frame.height() + 1)));
    if (frame.topLeft() != window.frameGeometry().topLeft())
        window.move(frame.topLeft());
}

} // namespace ui
