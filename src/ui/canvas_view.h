#pragma once

#include <QWidget>

namespace canvas {
class RasterCanvas;
}

namespace ui {

/// Shows a raster canvas pixel for pixel, at the canvas's own size.
class CanvasView : public QWidget
{
    Q_OBJECT

public:
    /// A view of `canvas`, which must outlive it.
    explicit CanvasView(const canvas::RasterCanvas& canvas, QWidget* parent = nullptr);

    /// Takes the canvas's present size and repaints; call after drawing on it.
    void refresh();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const canvas::RasterCanvas& m_canvas;
};

} // namespace ui
