#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

/// The size a window of `size` takes to fit `room`: as it is when it fits, else shrunk by one
/// factor both ways (its aspect kept) until it does, but never below `minimum`.
QSize fittedSize(QSize size, QSize room, QSize minimum = QSize(0, 0));

/// Shrinks the shown top-level `window` to the available area of its screen (task bars and
/// docks left out) when it is larger, keeping its aspect, and moves it so that its frame lies
/// inside that area.
void keepOnScreen(QWidget& window);

/// As above, within `available` (logical pixels of the virtual desktop).
void keepOnScreen(QWidget& window, const QRect& available);

} // namespace ui
