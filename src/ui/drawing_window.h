#pragma once

#include "canvas/raster_canvas.h"
#include "ui/twips.h"

#include <QWidget>

#include <string_view>

class QPushButton;
class QScrollArea;

namespace ui {

class CanvasView;

/// Where a drawing window's controls stand, in twips from its client area's corner, and what
/// they say (UTF-8).
struct DrawingWindowLayout
{
    std::string_view objectName;
    std::string_view caption;
    TwipsRect clientArea;
    std::string_view saveName;
    std::string_view saveCaption;
    TwipsRect saveButton;
    /// Picture1: the canvas area reaches from its corner to the window's right and bottom edges.
    TwipsRect picture1;
    /// The canvas when the window is made, in cm.
    float canvasWidthCm = 0.0f, canvasHeightCm = 0.0f;
};

/// A window that shows one raster canvas as Picture1 (scrolling when larger than the window)
/// and saves it through its save button.
class DrawingWindow : public QWidget
{
    Q_OBJECT

public:
    /// The canvas drawn on; white, fore and fill black when the window is made.
    canvas::RasterCanvas& canvas() { return m_canvas; }
    const canvas::RasterCanvas& canvas() const { return m_canvas; }
    /// The save button.
    QPushButton* saveButton() const { return m_save; }
    /// The scroll area that holds the canvas view.
    QScrollArea* pictureArea() const { return m_area; }
    /// The widget showing the canvas.
    CanvasView* picture() const { return m_picture; }
    /// Shows the canvas as it is now drawn.
    void refresh();
    /// Shows the window with the canvas as it is now drawn, in front of the others.
    void showDrawing();

signals:
    /// The user asked to save the canvas as a bitmap.
    void saveRequested();

protected:
    /// A hidden top-level window laid out by `layout`, its client area `layout.clientArea`.
    DrawingWindow(const DrawingWindowLayout& layout, QWidget* parent);

    /// Logical dots per inch the layout was turned into pixels with.
    double dotsPerInch() const { return m_dpi; }
    /// Picture1's place in pixels.
    QRect picture1Place() const;

    void resizeEvent(QResizeEvent* event) override;

private:
    double m_dpi = 96.0;
    TwipsRect m_picture1;
    canvas::RasterCanvas m_canvas;
    QPushButton* m_save = nullptr;
    QScrollArea* m_area = nullptr;
    CanvasView* m_picture = nullptr;
};

} // namespace ui
