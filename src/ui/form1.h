#pragma once

#include <QMainWindow>

namespace ui {

/// The main window, captioned "Orbweave 2008".
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
};

} // namespace ui
