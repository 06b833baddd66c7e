#include "ui/drawing_window.h"

#include "ui/canvas_view.h"
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "ui/screen_fit.h"
#include "ui/status_line.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

/// One zoom step: five steps double the picture's size, nearly.
constexpr double kZoomStep = 1.25;

QString translated(std::string_view text)
{
    return QCoreApplication::translate("ui::DrawingWindow", std::string(text).c_str());
}

} // namespace

DrawingWindow::DrawingWindow(const DrawingWindowLayout& layout, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dpi(screenDotsPerInch()), m_picture1(layout.picture1),
      m_canvas(layout.canvasWidthCm, layout.canvasHeightCm)
{
    setObjectName(QString::fromUtf8(layout.objectName.data(), static_cast<qsizetype>(layout.objectName.size())));
    setWindowTitle(translated(layout.caption));
    setFont(windowFont());

    m_save = new QPushButton(this);
    m_save->setObjectName(QString::fromUtf8(layout.saveName.data(), static_cast<qsizetype>(layout.saveName.size())));
    m_save->setGeometry(twipsToPixels(layout.saveButton, m_dpi));
    setFittedCaption(m_save, translated(layout.saveCaption));
    if (m_save->toolTip().isEmpty())
        m_save->setToolTip(tr("96 dpi のビットマップとして保存します (Ctrl+S)"));
    connect(m_save, &QPushButton::clicked, this, &DrawingWindow::saveRequested);
    auto* saveKey = new QShortcut(QKeySequence::Save, this);
    connect(saveKey, &QShortcut::activated, this, &DrawingWindow::saveRequested);

    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("Picture1Area"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setBackgroundRole(QPalette::Dark);
    m_picture = new CanvasView(m_canvas);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_area->setWidget(m_picture);
    // On a screen of more than one device pixel a logical pixel the drawing is drawn again at the
    // screen's density rather than enlarged; where it would be reduced, and on other screens, the
    // view shows the canvas's own pixels.
    m_picture->setScaledSource([this](double scale, const QRectF& canvasPixels) {
        return m_picture->devicePixelRatioF() > 1.0 && scale >= 1.0 ? m_canvas.render(scale, canvasPixels) : QImage();
    });
    m_area->viewport()->installEventFilter(this);

    buildStatusLine();
    resize(twipsToPixels(layout.clientArea, m_dpi).size());
}

void DrawingWindow::buildStatusLine()
{
    m_statusBar = new StatusLine(this);

    QList<QKeySequence> used;
    const auto addZoomButton = [this, &used](const QString& name, const QString& text, const QString& tip,
                                      const QList<QKeySequence>& keys, void (DrawingWindow::*slot)()) {
        auto* button = new QToolButton(m_statusBar);
        button->setObjectName(name);
        button->setText(text);
        button->setToolTip(tip);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, slot);
        m_statusBar->addPermanentWidget(button);
        for (const QKeySequence& key : keys) {
            // Two shortcuts of the same keys would both be ambiguous and neither would act.
            if (key.isEmpty() || used.contains(key))
                continue;
            used << key;
            auto* shortcut = new QShortcut(key, this);
            connect(shortcut, &QShortcut::activated, this, slot);
        }
    };
    addZoomButton(QStringLiteral("ZoomFit"), tr("全体"), tr("ウィンドウに合わせる (Ctrl+0)"),
                  {QKeySequence(Qt::CTRL | Qt::Key_0)}, &DrawingWindow::zoomToFit);
    addZoomButton(QStringLiteral("ZoomActual"), QStringLiteral("100%"), tr("実寸 100 % (Ctrl+1)"),
                  {QKeySequence(Qt::CTRL | Qt::Key_1)}, &DrawingWindow::zoomToActualSize);
    addZoomButton(QStringLiteral("ZoomOut"), QStringLiteral("−"), tr("縮小 (Ctrl+−, Ctrl+ホイール)"),
                  {QKeySequence(QKeySequence::ZoomOut), QKeySequence(Qt::CTRL | Qt::Key_Minus)},
                  &DrawingWindow::zoomOut);
    addZoomButton(QStringLiteral("ZoomIn"), QStringLiteral("+"), tr("拡大 (Ctrl++, Ctrl+ホイール)"),
                  {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Plus),
                   QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                  &DrawingWindow::zoomIn);
    m_zoomText = new QLabel(m_statusBar);
    m_zoomText->setObjectName(QStringLiteral("ZoomText"));
    m_zoomText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The widest zoom, and room after it so that its end is not cut by the window's edge.
    const int gap = m_zoomText->fontMetrics().averageCharWidth();
    m_zoomText->setContentsMargins(0, 0, gap, 0);
    m_zoomText->setMinimumWidth(m_zoomText->fontMetrics().horizontalAdvance(QStringLiteral("800 %")) + gap);
    m_statusBar->addPermanentWidget(m_zoomText);
    connect(m_picture, &CanvasView::zoomChanged, this, &DrawingWindow::showZoom);
    showZoom(m_picture->zoom());
}

QRect DrawingWindow::picture1Place() const { return twipsToPixels(m_picture1, m_dpi); }

int DrawingWindow::statusLineHeight() const { return m_statusBar->sizeHint().height(); }

// Index 1: after the status text, the line's one widget that is not permanent.
void DrawingWindow::addToStatusLine(QWidget* widget) { m_statusBar->insertPermanentWidget(1, widget); }

void DrawingWindow::refresh() { m_picture->refresh(); }

void DrawingWindow::showDrawing()
{
    // A new drawing: what the status line said of the last one's save no longer holds.
    showStatus(QString());
    refresh();
    show();
    if (!m_shownOnce) {
        m_shownOnce = true;
        keepOnScreen(*this);
    }
    raise();
}

void DrawingWindow::showStatus(const QString& text) { m_statusBar->showText(text, Qt::ElideMiddle); }

QString DrawingWindow::statusText() const { return m_statusBar->text(); }

double DrawingWindow::zoom() const { return m_picture->zoom(); }

void DrawingWindow::setZoom(double zoom) { m_picture->setZoom(zoom); }

double DrawingWindow::fitZoom() const
{
    const QSize canvas = m_picture->canvasPixels();
    const QSize room = m_area->maximumViewportSize();
    if (canvas.isEmpty() || room.isEmpty())
        return 1.0;
    return std::min(static_cast<double>(room.width()) / canvas.width(),
                    static_cast<double>(room.height()) / canvas.height());
}

void DrawingWindow::zoomToFit() { setZoom(fitZoom()); }

void DrawingWindow::zoomToActualSize() { setZoom(1.0); }

void DrawingWindow::zoomIn() { zoomBy(kZoomStep, m_area->viewport()->rect().center()); }

void DrawingWindow::zoomOut() { zoomBy(1.0 / kZoomStep, m_area->viewport()->rect().center()); }

void DrawingWindow::zoomBy(double factor, QPoint anchor)
{
    // Keep the canvas point under `anchor` (viewport coordinates) where it is.
    const double before = zoom();
    const QPointF scrolled(m_area->horizontalScrollBar()->value(), m_area->verticalScrollBar()->value());
    const QPointF canvasPoint = (QPointF(anchor) + scrolled) / before;
    setZoom(before * factor);
    const QPointF target = canvasPoint * zoom() - QPointF(anchor);
    m_area->horizontalScrollBar()->setValue(static_cast<int>(std::lround(target.x())));
    m_area->verticalScrollBar()->setValue(static_cast<int>(std::lround(target.y())));
}

void DrawingWindow::showZoom(double zoom)
{
    m_zoomText->setText(QStringLiteral("%1 %").arg(std::lround(zoom * 100.0)));
}

bool DrawingWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            if (delta != 0)
                zoomBy(delta > 0 ? kZoomStep : 1.0 / kZoomStep, wheel->position().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DrawingWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int statusHeight = statusLineHeight();
    m_statusBar->setGeometry(0, height() - statusHeight, width(), statusHeight);
    const QRect corner = picture1Place();
    m_area->setGeometry(corner.left(), corner.top(), std::max(0, width() - corner.left()),
                        std::max(0, height() - statusHeight - corner.top()));
}

} // namespace ui
