#include "ui/drawing_window.h"

#include "ui/canvas_view.h"
#include "ui/fonts.h"

#include <QPushButton>
#include <QScrollArea>

namespace ui {

namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

DrawingWindow::DrawingWindow(const DrawingWindowLayout& layout, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dpi(screenDotsPerInch()), m_picture1(layout.picture1),
      m_canvas(layout.canvasWidthCm, layout.canvasHeightCm)
{
    setObjectName(fromView(layout.objectName));
    setWindowTitle(fromView(layout.caption));
    setFont(windowFont());

    m_save = new QPushButton(fromView(layout.saveCaption), this);
    m_save->setObjectName(fromView(layout.saveName));
    m_save->setGeometry(twipsToPixels(layout.saveButton, m_dpi));
    connect(m_save, &QPushButton::clicked, this, &DrawingWindow::saveRequested);

    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("Picture1Area"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setBackgroundRole(QPalette::Dark);
    m_picture = new CanvasView(m_canvas);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_area->setWidget(m_picture);

    resize(twipsToPixels(layout.clientArea, m_dpi).size());
}

QRect DrawingWindow::picture1Place() const { return twipsToPixels(m_picture1, m_dpi); }

void DrawingWindow::refresh() { m_picture->refresh(); }

void DrawingWindow::showDrawing()
{
    refresh();
    show();
    raise();
}

void DrawingWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QRect corner = picture1Place();
    m_area->setGeometry(corner.left(), corner.top(), qMax(0, width() - corner.left()), qMax(0, height() - corner.top()));
}

} // namespace ui
