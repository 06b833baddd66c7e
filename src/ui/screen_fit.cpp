#include "ui/screen_fit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ui {

QSize fittedSize(QSize size, QSize room, QSize minimum)
{
    if (size.width() <= room.width() && size.height() <= room.height())
        return size;
    const double factor = std::min(static_cast<double>(room.width()) / std::max(1, size.width()),
                                   static_cast<double>(room.height()) / std::max(1, size.height()));
    // Rounded down, so that the shrunk window is never a pixel too large.
    const QSize shrunk(static_cast<int>(std::floor(size.width() * factor)),
                       static_cast<int>(std::floor(size.height() * factor)));
    return shrunk.boundedTo(room).expandedTo(minimum).expandedTo(QSize(1, 1));
}

void keepOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        keepOnScreen(window, screen->availableGeometry());
}

void keepOnScreen(QWidget& window, const QRect& available)
{
    // The frame (title bar, borders) is known once the window is shown; before that it is the window.
    const QSize decoration = window.frameGeometry().size() - window.size();
    const QSize room = (available.size() - decoration).expandedTo(QSize(1, 1));
    const QSize fitted = fittedSize(window.size(), room, window.minimumSize());
    if (fitted != window.size())
        window.resize(fitted);
    QRect frame = window.frameGeometry();
    frame.moveLeft(std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() - frame.height() + 1)));
    if (frame.topLeft() != window.frameGeometry().topLeft())
        window.move(frame.topLeft());
}

} // namespace ui
