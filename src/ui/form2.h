#pragma once

#include "canvas/raster_canvas.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

namespace gore {
struct GoreLabels;
}

namespace ui {

class CanvasView;

/// The gore window "ORW2008 - 描画窓(みかん)": the summary labels Label1…Label5, the note
/// Label6, the save button Command1 and the gore canvas Picture1 (scrolls when larger than the window).
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

    /// The gore canvas, 23.0 × 16.0 cm when the window is made.
    canvas::RasterCanvas& canvas() { return m_canvas; }
    /// Writes the five summary labels.
    void setLabels(const gore::GoreLabels& labels);
    /// Label1…Label5 (index 1…5) and the note Label6 (index 6).
    QLabel* label(int index) const;
    /// The save button Command1.
    QPushButton* saveButton() const { return m_save; }
    /// The widget showing the canvas.
    CanvasView* picture() const { return m_picture; }
    /// Shows the canvas as it is now drawn.
    void refresh();

signals:
    /// The user asked to save the gore as a bitmap.
    void saveRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    canvas::RasterCanvas m_canvas;
    QLabel* m_labels[6] = {};
    QPushButton* m_save = nullptr;
    QScrollArea* m_area = nullptr;
    CanvasView* m_picture = nullptr;
    double m_dpi = 96.0;
};

} // namespace ui
