#pragma once

#include "canvas/raster_canvas.h"

#include <QWidget>

class QPushButton;
class QScrollArea;

namespace ui {

class CanvasView;

/// The polar plate window "Form3": the plate canvas Picture1 of fixed size and a save button.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(QWidget* parent = nullptr);

    /// The plate canvas, 18.547 × 18.018 cm.
    canvas::RasterCanvas& canvas() { return m_canvas; }
    /// The save button.
    QPushButton* saveButton() const { return m_save; }
    /// The widget showing the canvas.
    CanvasView* picture() const { return m_picture; }
    /// Shows the canvas as it is now drawn.
    void refresh();

signals:
    /// The user asked to save the plate as a bitmap.
    void saveRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    canvas::RasterCanvas m_canvas;
    QPushButton* m_save = nullptr;
    QScrollArea* m_area = nullptr;
    CanvasView* m_picture = nullptr;
    double m_dpi = 96.0;
};

} // namespace ui
