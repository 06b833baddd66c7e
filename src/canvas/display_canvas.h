#pragma once

#include "canvas/raster_canvas.h"

#include <QImage>
#include <QRectF>

#include <cstdint>
#include <vector>

namespace canvas {

/// The raster canvas a window shows: it draws and saves exactly as RasterCanvas does at 96 dpi,
/// and keeps its lines and circles since the last Cls so that a view can draw them again at a
/// screen's own density.
class DisplayCanvas : public RasterCanvas
{
public:
    /// A canvas of `widthCm` × `heightCm`, painted in `background`; fore and fill black.
    DisplayCanvas(float widthCm, float heightCm, Rgb background = kWhite);

    void Cls() override;
    void setForeColor(Rgb color) override;
    void setFillColor(Rgb color) override;
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> color = std::nullopt) override;
    void Circle(float x, float y, float radius) override;

    /// The part `canvasPixels` (in 96-dpi canvas pixels) of the drawing at `scale` ≥ 1 device
    /// pixels a canvas pixel, drawn as the canvas draws at 96 dpi but placed to the device pixel:
    /// lines and outlines a canvas pixel thick, a dot under a pixel a canvas pixel's square round
    /// its centre. At 1 it is the canvas's own image.
    QImage render(double scale, const QRectF& canvasPixels) const;

private:
    /// One Line or Circle as called, centimetres, with the colours it was drawn in.
    struct Stroke
    {
        bool circle = false;
        float a = 0, b = 0, c = 0, d = 0; ///< line: x1, y1, x2, y2; circle: x, y, radius
        QRgb pen = 0, fill = 0;
    };

    Rgb m_background, m_fore = kBlack, m_fill = kBlack;
    std::vector<Stroke> m_strokes;
};

} // namespace canvas
