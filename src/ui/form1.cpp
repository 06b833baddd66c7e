#include "ui/form1.h"

namespace ui {

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Orbweave 2008"));
}

} // namespace ui
