#pragma once

#include "canvas/drawing_canvas.h"
#include "canvas/outlined_disc_fill.h"
#include "canvas/solid_blocks.h"

#include <QImage>

#include <memory>

class QPainter;

namespace canvas {

/// A DrawingCanvas kept in a QImage at a fixed 96 pixels per inch: no anti-aliasing,
/// one-pixel lines, sizes snapped to whole pixels, bitmaps saved with 3780 pixels per metre.
class RasterCanvas : public DrawingCanvas
{
public:
    /// A canvas of `widthCm` × `heightCm`, painted in `background`; fore and fill black.
    RasterCanvas(float widthCm, float heightCm, Rgb background = kWhite);
    /// A canvas on `picture` (Format_RGB32, not null), as large as it, painted in `background`.
    explicit RasterCanvas(QImage picture, Rgb background = kWhite);
    ~RasterCanvas() override;
    RasterCanvas(const RasterCanvas&) = delete;
    RasterCanvas& operator=(const RasterCanvas&) = delete;

    void setWidth(float cm) override;
    void setHeight(float cm) override;
    float width() const override;
    float height() const override;
    void Cls() override;
    void setForeColor(Rgb color) override;
    void setFillColor(Rgb color) override;
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> color = std::nullopt) override;
    void Circle(float x, float y, float radius) override;
    void SavePicture(const std::string& path) const override;

    /// The picture as drawn so far, for display.
    const QImage& image() const;
    /// Hands the picture as drawn over, leaving the canvas empty.
    QImage takeImage();

private:
    void resize(int widthPx, int heightPx);
    QPainter& painter();
    void endPainting() const;
    /// The pixel of a picture just painted in the background, if it has any.
    std::optional<QRgb> backgroundPixel() const;

    QImage m_image;
    int m_widthPx = 0, m_heightPx = 0; ///< the size taken, also when one side is 0 and the image empty
    Rgb m_background, m_fore = kBlack, m_fill = kBlack;
    mutable std::unique_ptr<QPainter> m_painter;
    OutlinedDiscFill m_dots; ///< dots of one colour, without the painter
    SolidBlocks m_solid;     ///< which parts of the picture are known to be of one colour
};

} // namespace canvas
