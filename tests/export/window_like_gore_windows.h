#pragma once

#include "canvas/raster_canvas.h"
#include "gore/gore_command.h"

namespace testing_support {

/// The gore windows as the main window has them: raster canvases of the design sizes.
class WindowLikeGoreWindows : public gore::GoreWindows
{
public:
    canvas::DrawingCanvas& goreCanvas() override { return gore; }
    void setGoreLabels(const gore::GoreLabels&) override {}
    void showGoreWindow() override {}
    canvas::DrawingCanvas& plateCanvas() override { return plate; }
    void showPlateWindow() override {}
    canvas::DrawingCanvas& southPlateCanvas() override { return southPlate; }
    void showSouthPlateWindow() override {}

    canvas::RasterCanvas gore{23.0f, 16.0f};
    canvas::RasterCanvas plate{18.547f, 18.018f};
    canvas::RasterCanvas southPlate{18.547f, 18.018f};
};

} // namespace testing_support
