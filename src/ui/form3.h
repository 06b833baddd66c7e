#pragma once

#include "ui/drawing_window.h"

namespace ui {

/// The polar plate window "Form3": the save button SaveButton and the plate canvas Picture1,
/// 18.547 × 18.018 cm when made.
class Form3 : public DrawingWindow
{
    Q_OBJECT

public:
    explicit Form3(QWidget* parent = nullptr);
};

} // namespace ui
