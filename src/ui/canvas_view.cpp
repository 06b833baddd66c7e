#include "ui/canvas_view.h"

#include "canvas/raster_canvas.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui {

CanvasView::CanvasView(const canvas::RasterCanvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    refresh();
}

QSize CanvasView::canvasPixels() const { return m_canvas.image().size(); }

QSize CanvasView::sizeHint() const
{
    const QSize pixels = canvasPixels();
    return QSize(static_cast<int>(std::lround(pixels.width() * m_zoom)),
                 static_cast<int>(std::lround(pixels.height() * m_zoom)));
}

void CanvasView::refresh()
{
    m_reducedScale = 0;
    m_reduced = QImage();
    setFixedSize(sizeHint());
    update();
}

void CanvasView::setZoom(double zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    m_reducedScale = 0;
    m_reduced = QImage();
    setFixedSize(sizeHint());
    update();
    emit zoomChanged(m_zoom);
}

void CanvasView::setScaledSource(ScaledSource source)
{
    m_source = std::move(source);
    update();
}

const QImage& CanvasView::reducedImage(double scale)
{
    if (m_reducedScale != scale) {
        const QImage& image = m_canvas.image();
        const QSize size(std::max(1, static_cast<int>(std::lround(image.width() * scale))),
                         std::max(1, static_cast<int>(std::lround(image.height() * scale))));
        // Smooth reduction keeps faint dots visible as grey instead of dropping them.
        m_reduced = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_reducedScale = scale;
    }
    return m_reduced;
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = m_canvas.image();
    const double ratio = devicePixelRatioF();
    const double scale = m_zoom * ratio;
    if (image.isNull()) {
        painter.fillRect(event->rect(), palette().dark());
        return;
    }
    if (scale == 1.0 && m_zoom == 1.0) {
        painter.drawImage(event->rect(), image, event->rect());
        return;
    }
    const QRectF shown = QRectF(event->rect()).intersected(QRectF(QPointF(0, 0), QSizeF(size())));
    const QRectF canvasPart(shown.topLeft() / m_zoom, shown.size() / m_zoom);
    if (m_source) {
        QImage sharp = m_source(scale, canvasPart);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(ratio);
            painter.drawImage(shown, sharp);
            return;
        }
    }
    if (scale < 1.0) {
        const QImage& reduced = reducedImage(scale);
        const QRectF from(shown.topLeft() * ratio, shown.size() * ratio);
        painter.drawImage(shown, reduced, from);
        return;
    }
    // Enlarged pixels stay square and sharp (no smoothing), as a bitmap is.
    painter.drawImage(shown, image, canvasPart);
}

} // namespace ui
