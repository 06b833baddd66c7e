#include "ui/globe_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ui {

namespace {

/// Zoom factor of one wheel notch (120 eighths of a degree).
constexpr double kWheelStep = 1.15;

} // namespace

GlobeView::GlobeView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GlobeView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
}

void GlobeView::setModel(globe::GlobeModel model)
{
    m_model = std::move(model);
    update();
}

void GlobeView::setOrientation(const globe::GlobeOrientation& view)
{
    m_view = view;
    m_view.pitchDeg = std::clamp(view.pitchDeg, -90.0, 90.0);
    m_view.zoom = std::clamp(view.zoom, globe::kMinZoom, globe::kMaxZoom);
    update();
    emit orientationChanged(m_view);
}

globe::GlobeProjection GlobeView::projection() const
{
    return globe::makeGlobeProjection(m_view, width(), height());
}

QSize GlobeView::sizeHint() const { return {640, 640}; }

QSize GlobeView::minimumSizeHint() const { return {200, 200}; }

void GlobeView::setInside(bool inside)
{
    if (inside == m_view.inside)
        return;
    globe::GlobeOrientation view = m_view;
    view.inside = inside;
    setOrientation(view);
}

void GlobeView::resetView()
{
    globe::GlobeOrientation view;
    view.inside = m_view.inside;
    setOrientation(view);
}

void GlobeView::turnSteps(int right, int down)
{
    const double scale = projection().scale;
    const double step = scale * kKeyTurnDeg * std::numbers::pi / 180.0;
    setOrientation(globe::dragged(m_view, right * step, down * step, scale));
}

void GlobeView::zoomSteps(int steps) { setOrientation(globe::zoomed(m_view, std::pow(kWheelStep, steps))); }

void GlobeView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_painter.paint(painter, m_model, projection(), width(), height(), m_view.inside);
}

void GlobeView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_dragFrom = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void GlobeView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    const QPoint by = at - m_dragFrom;
    m_dragFrom = at;
    if (!by.isNull())
        setOrientation(globe::dragged(m_view, by.x(), by.y(), projection().scale));
}

void GlobeView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
}

void GlobeView::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return QWidget::wheelEvent(event);
    setOrientation(globe::zoomed(m_view, std::pow(kWheelStep, delta / 120.0)));
    event->accept();
}

} // namespace ui
