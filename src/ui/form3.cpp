#include "ui/form3.h"

#include "ui/canvas_view.h"

#include <QCoreApplication>

#include <algorithm>

namespace ui {

namespace {

// Layout of the polar plate window, twips from the client area's top-left corner.
constexpr DrawingWindowLayout kLayout{
    .objectName = "Form3",
    .caption = "Form3",
    .clientArea = {0, 0, 10785, 10755},
    .saveName = "SaveButton",
    .saveCaption = QT_TRANSLATE_NOOP("ui::DrawingWindow", "ﾋﾞｯﾄﾏｯﾌﾟ形式で保存(&S)"),
    .saveButton = {120, 120, 4335, 375},
    .picture1 = {120, 600, 10515, 10215},
    .canvasWidthCm = 18.547f,
    .canvasHeightCm = 18.018f,
};

} // namespace

Form3::Form3(QWidget* parent) : DrawingWindow(kLayout, parent)
{
    // The window is made tall enough for the whole plate between its top margin and the status line.
    const QRect client = twipsToPixels(kLayout.clientArea, dotsPerInch());
    const QRect corner = picture1Place();
    resize(std::max(client.width(), corner.left() + picture()->width() + corner.left()),
           std::max(client.height(), corner.top() + picture()->height() + statusLineHeight()));
}

} // namespace ui
