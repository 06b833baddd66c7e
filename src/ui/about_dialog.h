#pragma once

class QDialog;
class QWidget;

namespace ui {

/// Opens the About box over `parent`, not modal, deleted when closed: the program's version, its
/// licence and where the bundled data come from. Texts Japanese, translated in "ui::AboutDialog".
QDialog* openAboutDialog(QWidget* parent);

} // namespace ui
