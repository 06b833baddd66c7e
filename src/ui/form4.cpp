#include "ui/form4.h"

#include "ui/canvas_view.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QPushButton>
#include <QScrollArea>

namespace ui {

namespace {

// Layout of the polyhedron window, twips from the client area's top-left corner.
constexpr TwipsRect kClientArea{0, 0, 8610, 7980};
constexpr TwipsRect kCommand1{3480, 120, 2055, 255};
/// Picture1 at load; the canvas area reaches from its corner to the window's right and bottom edges.
constexpr TwipsRect kPicture1{120, 480, 5535, 5535};
constexpr double kCentimetresPerInch = 2.54;

} // namespace

float Form4::initialCanvasSide()
{
    return static_cast<float>(kPicture1.width / kTwipsPerInch * kCentimetresPerInch);
}

Form4::Form4(QWidget* parent)
    : QWidget(parent, Qt::Window), m_canvas(initialCanvasSide(), initialCanvasSide())
{
    m_dpi = screenDotsPerInch();
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("ORW2008 - 描画窓(多面体)"));
    setFont(windowFont());

    m_save = new QPushButton(QStringLiteral("Save As Bitmap"), this);
    m_save->setObjectName(QStringLiteral("Command1"));
    m_save->setGeometry(twipsToPixels(kCommand1, m_dpi));
    connect(m_save, &QPushButton::clicked, this, &Form4::saveRequested);

    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("Picture1Area"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setBackgroundRole(QPalette::Dark);
    m_picture = new CanvasView(m_canvas);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_area->setWidget(m_picture);

    resize(twipsToPixels(kClientArea, m_dpi).size());
}

void Form4::refresh() { m_picture->refresh(); }

void Form4::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QRect corner = twipsToPixels(kPicture1, m_dpi);
    m_area->setGeometry(corner.left(), corner.top(), qMax(0, width() - corner.left()), qMax(0, height() - corner.top()));
}

} // namespace ui
