#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace canvas {
class RasterCanvas;
}

namespace ui {

/// Shows a raster canvas at a zoom factor: at 1 (100 %) one canvas pixel is one logical pixel,
/// which is real size at the canvas's 96 dots per inch. Zooming changes only what is shown,
/// never the canvas.
class CanvasView : public QWidget
{
    Q_OBJECT

public:
    /// Renders the part `canvasPixels` of the drawing (in canvas pixels) at `scale` device pixels
    /// per canvas pixel (zoom times the screen's device pixel ratio). Returns a null image when it
    /// cannot; the view then scales the canvas's own image.
    using ScaledSource = std::function<QImage(double scale, const QRectF& canvasPixels)>;

    /// Smallest and largest zoom.
    static constexpr double kMinZoom = 0.05, kMaxZoom = 8.0;

    /// A view of `canvas`, which must outlive it, at 100 %.
    explicit CanvasView(const canvas::RasterCanvas& canvas, QWidget* parent = nullptr);

    /// Takes the canvas's present size and repaints; call after drawing on it.
    void refresh();
    /// Zoom factor, 1 = 100 %.
    double zoom() const { return m_zoom; }
    /// Sets the zoom, kept within kMinZoom…kMaxZoom, and resizes the view to match.
    void setZoom(double zoom);
    /// Where sharper pictures come from when zoomed or on a high-density screen (none by default).
    void setScaledSource(ScaledSource source);
    /// Size of the canvas image, in canvas pixels.
    QSize canvasPixels() const;

    QSize sizeHint() const override;

signals:
    /// The zoom changed.
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& reducedImage(double scale);

    const canvas::RasterCanvas& m_canvas;
    double m_zoom = 1.0;
    ScaledSource m_source;
    QImage m_reduced;          ///< the canvas smoothly reduced for a scale below 1
    double m_reducedScale = 0; ///< the scale m_reduced was made for; 0 when there is none
};

} // namespace ui
