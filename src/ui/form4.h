#pragma once

#include "canvas/raster_canvas.h"

#include <QWidget>

class QPushButton;
class QScrollArea;

namespace ui {

class CanvasView;

/// The polyhedron window "ORW2008 - 描画窓(多面体)": the save button Command1 and the face
/// canvas Picture1 (scrolls when larger than the window).
class Form4 : public QWidget
{
    Q_OBJECT

public:
    explicit Form4(QWidget* parent = nullptr);

    /// Side of the square canvas when the window is made: 5535 twips, 9.763125 cm.
    static float initialCanvasSide();

    /// The face canvas; white, fore and fill black.
    canvas::RasterCanvas& canvas() { return m_canvas; }
    const canvas::RasterCanvas& canvas() const { return m_canvas; }
    /// The save button Command1 ("Save As Bitmap").
    QPushButton* saveButton() const { return m_save; }
    /// The scroll area that holds the canvas view.
    QScrollArea* pictureArea() const { return m_area; }
    /// The widget showing the canvas.
    CanvasView* picture() const { return m_picture; }
    /// Shows the canvas as it is now drawn.
    void refresh();

signals:
    /// The user asked to save the face as a bitmap.
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
