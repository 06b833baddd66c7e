#pragma once

#include "globe/globe_model.h"
#include "globe/globe_projection.h"
#include "ui/globe_painter.h"

#include <QPoint>
#include <QWidget>

namespace ui {

/// Degrees the globe turns per arrow key.
inline constexpr double kKeyTurnDeg = 15.0;

/// Shows a globe model in orthographic projection: dragging with the left button turns it,
/// the wheel zooms, from outside or from inside as the orientation says.
class GlobeView : public QWidget
{
    Q_OBJECT

public:
    explicit GlobeView(QWidget* parent = nullptr);

    /// Replaces the model shown and repaints.
    void setModel(globe::GlobeModel model);
    /// The model shown.
    const globe::GlobeModel& model() const { return m_model; }

    /// Where the view looks from.
    const globe::GlobeOrientation& orientation() const { return m_view; }
    /// Looks from `view` (pitch kept within −90…90, zoom within kMinZoom…kMaxZoom) and repaints.
    void setOrientation(const globe::GlobeOrientation& view);
    /// The projection the view draws with at its present size.
    globe::GlobeProjection projection() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    /// Seen from inside (true) or outside (false); the rest of the orientation stays.
    void setInside(bool inside);
    /// Back to the first view: λ 0h and the equator at the centre, zoom 1, the side kept.
    void resetView();
    /// Turns the globe as a drag of kKeyTurnDeg per step would: `right` steps rightwards, `down` downwards.
    void turnSteps(int right, int down);
    /// Zooms in (`steps` > 0) or out by wheel steps.
    void zoomSteps(int steps);

signals:
    /// The orientation changed (drag, wheel or a setter).
    void orientationChanged(const globe::GlobeOrientation& view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    globe::GlobeModel m_model;
    globe::GlobeOrientation m_view;
    GlobePainter m_painter;
    QPoint m_dragFrom;
    bool m_dragging = false;
};

} // namespace ui
