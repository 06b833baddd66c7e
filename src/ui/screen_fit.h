#pragma once

class QWidget;

namespace ui {

/// Shrinks the shown top-level `window` to the available area of its screen (task bars and
/// docks left out) when it is larger, and moves it so that its frame lies inside that area.
void keepOnScreen(QWidget& window);

} // namespace ui
