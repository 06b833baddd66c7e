#pragma once

#include "canvas/display_canvas.h"
#include "ui/twips.h"

#include <QWidget>

#include <string_view>

class QLabel;
class QPushButton;
class QScrollArea;

namespace ui {

class CanvasView;
class StatusLine;

/// Where a drawing window's controls stand, in twips from its client area's corner, and what
/// they say (UTF-8 source texts, translated in the "ui::DrawingWindow" context).
struct DrawingWindowLayout
{
    std::string_view objectName;
    std::string_view caption;
    TwipsRect clientArea;
    std::string_view saveName;
    std::string_view saveCaption;
    TwipsRect saveButton;
    /// Picture1: the canvas area reaches from its corner to the window's right edge and down to
    /// the status line at the bottom.
    TwipsRect picture1;
    /// The canvas when the window is made, in cm.
    float canvasWidthCm = 0.0f, canvasHeightCm = 0.0f;
};

/// A window that shows one raster canvas as Picture1 (scrolling when larger than the window,
/// zoomable) and saves it through its save button. A status line at the bottom says where the
/// last save went and holds the zoom controls.
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
    /// Shows the window with the canvas as it is now drawn, in front of the others, within the
    /// screen; the status line, which spoke of the last drawing, is cleared.
    void showDrawing();

    /// Writes `text` into the status line, shortened in the middle when long (the full text is
    /// its tooltip).
    void showStatus(const QString& text);
    /// The status line's full text.
    QString statusText() const;

    /// Zoom of the picture, 1 = 100 % (real size at 96 dpi).
    double zoom() const;
    /// Sets the zoom of the picture.
    void setZoom(double zoom);
    /// The zoom at which the whole canvas fits the picture area.
    double fitZoom() const;

public slots:
    /// Zooms so that the whole canvas fits the window (Ctrl+0).
    void zoomToFit();
    /// 100 %: one canvas pixel a screen pixel (Ctrl+1).
    void zoomToActualSize();
    /// One step larger (Ctrl++, Ctrl+wheel up).
    void zoomIn();
    /// One step smaller (Ctrl+−, Ctrl+wheel down).
    void zoomOut();

signals:
    /// The user asked to save the canvas as a bitmap (the save button, Ctrl+S).
    void saveRequested();

protected:
    /// A hidden top-level window laid out by `layout`, its client area `layout.clientArea`.
    DrawingWindow(const DrawingWindowLayout& layout, QWidget* parent);

    /// Logical dots per inch the layout was turned into pixels with.
    double dotsPerInch() const { return m_dpi; }
    /// Picture1's place in pixels.
    QRect picture1Place() const;
    /// Height of the status line at the window's bottom, in pixels.
    int statusLineHeight() const;
    /// Puts `widget` into the status line, left of the zoom controls.
    void addToStatusLine(QWidget* widget);

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildStatusLine();
    void showZoom(double zoom);
    void zoomBy(double factor, QPoint anchor);

    double m_dpi = 96.0;
    TwipsRect m_picture1;
    canvas::DisplayCanvas m_canvas;
    QPushButton* m_save = nullptr;
    QScrollArea* m_area = nullptr;
    CanvasView* m_picture = nullptr;
    StatusLine* m_statusBar = nullptr;
    QLabel* m_zoomText = nullptr;
    bool m_shownOnce = false;
};

} // namespace ui
