#include "ui/form3.h"

#include "ui/canvas_view.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

namespace ui {

namespace {

// Layout of the polar plate window, twips from the client area's top-left corner.
constexpr TwipsRect kClientArea{0, 0, 10785, 10755};
constexpr TwipsRect kSaveButton{120, 120, 4335, 375};
constexpr TwipsRect kPicture1{120, 600, 10515, 10215};
constexpr float kCanvasWidthCm = 18.547f, kCanvasHeightCm = 18.018f;

} // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window), m_canvas(kCanvasWidthCm, kCanvasHeightCm)
{
    m_dpi = screenDotsPerInch();
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    setFont(windowFont());

    m_save = new QPushButton(QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟ形式で保存(&S)"), this);
    m_save->setObjectName(QStringLiteral("SaveButton"));
    m_save->setGeometry(twipsToPixels(kSaveButton, m_dpi));
    connect(m_save, &QPushButton::clicked, this, &Form3::saveRequested);

    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("Picture1Area"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setBackgroundRole(QPalette::Dark);
    m_picture = new CanvasView(m_canvas);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_area->setWidget(m_picture);

    // The window is made tall enough for the whole plate below its top margin.
    const QRect client = twipsToPixels(kClientArea, m_dpi);
    const QRect picture = twipsToPixels(kPicture1, m_dpi);
    resize(std::max(client.width(), picture.left() + m_picture->width() + picture.left()),
           std::max(client.height(), picture.top() + m_picture->height() + picture.left()));
}

void Form3::refresh() { m_picture->refresh(); }

void Form3::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QRect corner = twipsToPixels(kPicture1, m_dpi);
    m_area->setGeometry(corner.left(), corner.top(), qMax(0, width() - corner.left()), qMax(0, height() - corner.top()));
}

} // namespace ui
