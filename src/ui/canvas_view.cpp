#include "ui/canvas_view.h"

#include "canvas/raster_canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace ui {

CanvasView::CanvasView(const canvas::RasterCanvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    refresh();
}

QSize CanvasView::sizeHint() const { return m_canvas.image().size(); }

void CanvasView::refresh()
{
    setFixedSize(m_canvas.image().size());
    update();
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_canvas.image(), event->rect());
}

} // namespace ui
