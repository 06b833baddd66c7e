#include "ui/form4.h"

#include <QCoreApplication>

namespace ui {

namespace {

constexpr double kCentimetresPerInch = 2.54;
/// Picture1 at load; its side is the canvas's.
constexpr TwipsRect kPicture1{120, 480, 5535, 5535};
constexpr float kCanvasSideCm = static_cast<float>(kPicture1.width / kTwipsPerInch * kCentimetresPerInch);

// Layout of the polyhedron window, twips from the client area's top-left corner.
constexpr DrawingWindowLayout kLayout{
    .objectName = "Form4",
    .caption = QT_TRANSLATE_NOOP("ui::DrawingWindow", "ORW2008 - 描画窓(多面体)"),
    .clientArea = {0, 0, 8610, 7980},
    .saveName = "Command1",
    .saveCaption = "Save As Bitmap",
    .saveButton = {3480, 120, 2055, 255},
    .picture1 = kPicture1,
    .canvasWidthCm = kCanvasSideCm,
    .canvasHeightCm = kCanvasSideCm,
};

} // namespace

float Form4::initialCanvasSide() { return kCanvasSideCm; }

Form4::Form4(QWidget* parent) : DrawingWindow(kLayout, parent)
{
    m_sky = new SkyLayerChecks(this);
    addToStatusLine(m_sky);
}

} // namespace ui
