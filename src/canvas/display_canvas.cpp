#include "canvas/display_canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace canvas {

namespace {

QRgb toQRgb(Rgb c) { return qRgb(c.r, c.g, c.b); }

} // namespace

DisplayCanvas::DisplayCanvas(float widthCm, float heightCm, Rgb background)
    : RasterCanvas(widthCm, heightCm, background), m_background(background)
{
}

void DisplayCanvas::Cls()
{
    RasterCanvas::Cls();
    m_strokes.clear();
}

void DisplayCanvas::setForeColor(Rgb color)
{
    RasterCanvas::setForeColor(color);
    m_fore = color;
}

void DisplayCanvas::setFillColor(Rgb color)
{
    RasterCanvas::setFillColor(color);
    m_fill = color;
}

void DisplayCanvas::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> color)
{
    RasterCanvas::Line(x1, y1, x2, y2, color);
    m_strokes.push_back({false, x1, y1, x2, y2, toQRgb(color.value_or(m_fore)), 0});
}

void DisplayCanvas::Circle(float x, float y, float radius)
{
    RasterCanvas::Circle(x, y, radius);
    m_strokes.push_back({true, x, y, radius, 0, toQRgb(m_fore), toQRgb(m_fill)});
}

QImage DisplayCanvas::render(double scale, const QRectF& canvasPixels) const
{
    const QSize size(std::max(1, static_cast<int>(std::lround(canvasPixels.width() * scale))),
                     std::max(1, static_cast<int>(std::lround(canvasPixels.height() * scale))));
    QImage out(size, QImage::Format_RGB32);
    if (out.isNull())
        return out;
    out.fill(toQRgb(m_background));
    // What the canvas keeps outside its image draws nothing there either.
    const QRectF inside = canvasPixels.intersected(QRectF(QPointF(0, 0), QSizeF(image().size())));
    if (inside.isEmpty())
        return out;
    // A canvas pixel as thick as it is scaled; at 1 the canvas's own hairline.
    const int thick = std::max(1, static_cast<int>(std::lround(scale)));
    const double width = thick == 1 ? 0.0 : thick;
    // Margin for pens and for a dot's pixel, in canvas pixels.
    const QRectF reach = inside.adjusted(-2.0, -2.0, 2.0, 2.0);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(-canvasPixels.left() * scale, -canvasPixels.top() * scale);
    p.setClipRect(QRectF(inside.topLeft() * scale, inside.size() * scale));
    for (const Stroke& s : m_strokes) {
        // Converted as the canvas converts them, so that scale 1 repeats its pixels.
        const QPointF a(centimetresToPixels(s.a), centimetresToPixels(s.b));
        if (!s.circle) {
            const QPointF b(centimetresToPixels(s.c), centimetresToPixels(s.d));
            if (!reach.intersects(QRectF(a, b).normalized().adjusted(-0.5, -0.5, 0.5, 0.5)))
                continue;
            p.setPen(QPen(QColor::fromRgb(s.pen), width));
            p.drawLine(a * scale, b * scale);
            continue;
        }
        const double r = centimetresToPixels(s.c);
        if (!reach.intersects(QRectF(a.x() - r - 1, a.y() - r - 1, 2 * r + 2, 2 * r + 2)))
            continue;
        if (r < 1.0) {
            // Too small to outline: a canvas pixel's worth of device pixels round the centre, in the
            // outline colour; at scale 1 the pixel the centre falls in.
            const double shift = (thick - 1) / 2.0;
            p.fillRect(QRect(static_cast<int>(std::floor(a.x() * scale - shift)),
                             static_cast<int>(std::floor(a.y() * scale - shift)), thick, thick),
                       QColor::fromRgb(s.pen));
            continue;
        }
        p.setPen(QPen(QColor::fromRgb(s.pen), width));
        p.setBrush(QColor::fromRgb(s.fill));
        p.drawEllipse(a * scale, r * scale, r * scale);
    }
    return out;
}

} // namespace canvas
