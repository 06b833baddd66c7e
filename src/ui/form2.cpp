#include "ui/form2.h"

#include "gore/gore_command.h"
#include "ui/canvas_view.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace ui {

namespace {

// Layout of the gore window, twips from the client area's top-left corner.
constexpr TwipsRect kClientArea{0, 0, 11880, 10230};
constexpr TwipsRect kLabelPlaces[6] = {
    {120, 240, 855, 255},   // Label1
    {120, 480, 855, 255},   // Label2
    {120, 720, 1335, 255},  // Label3
    {1680, 240, 615, 255},  // Label4
    {1680, 720, 2655, 255}, // Label5
    {4800, 120, 3735, 255}, // Label6
};
constexpr TwipsRect kCommand1{4800, 360, 4335, 615};
/// Picture1's corner; the canvas area reaches to the window's right and bottom edges.
constexpr TwipsRect kPicture1{120, 1080, 13039, 9071};
constexpr float kCanvasWidthCm = 23.0f, kCanvasHeightCm = 16.0f;

} // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window), m_canvas(kCanvasWidthCm, kCanvasHeightCm)
{
    m_dpi = screenDotsPerInch();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ORW2008 - 描画窓(みかん)"));
    setFont(windowFont());

    const QString texts[6] = {QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3"),
                              QStringLiteral("Label4"), QStringLiteral("Label5"),
                              QStringLiteral("ORW本体のﾃﾞｨﾚｸﾄﾘに保存されます。")};
    for (int i = 0; i < 6; ++i) {
        auto* label = new QLabel(texts[i], this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(twipsToPixels(kLabelPlaces[i], m_dpi));
        m_labels[i] = label;
    }

    m_save = new QPushButton(QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟ形式で保存(&S)"), this);
    m_save->setObjectName(QStringLiteral("Command1"));
    m_save->setGeometry(twipsToPixels(kCommand1, m_dpi));
    connect(m_save, &QPushButton::clicked, this, &Form2::saveRequested);

    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("Picture1Area"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setBackgroundRole(QPalette::Dark);
    m_picture = new CanvasView(m_canvas);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_area->setWidget(m_picture);

    const QRect client = twipsToPixels(kClientArea, m_dpi);
    resize(client.size());
}

void Form2::setLabels(const gore::GoreLabels& labels)
{
    const std::string* texts[5] = {&labels.Label1, &labels.Label2, &labels.Label3, &labels.Label4, &labels.Label5};
    for (int i = 0; i < 5; ++i)
        m_labels[i]->setText(QString::fromStdString(*texts[i]));
}

QLabel* Form2::label(int index) const { return index >= 1 && index <= 6 ? m_labels[index - 1] : nullptr; }

void Form2::refresh() { m_picture->refresh(); }

void Form2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QRect corner = twipsToPixels(kPicture1, m_dpi);
    m_area->setGeometry(corner.left(), corner.top(), qMax(0, width() - corner.left()), qMax(0, height() - corner.top()));
}

} // namespace ui
