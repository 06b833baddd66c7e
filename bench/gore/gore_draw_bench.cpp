#include "canvas/raster_canvas.h"
#include "gore/gore_command.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

/// Gore and plate windows reduced to their raster canvases, at the windows' design sizes.
class RasterGoreWindows : public gore::GoreWindows
{
public:
    canvas::DrawingCanvas& goreCanvas() override { return m_gore; }
    void setGoreLabels(const gore::GoreLabels&) override {}
    void showGoreWindow() override {}
    canvas::DrawingCanvas& plateCanvas() override { return m_plate; }
    void showPlateWindow() override {}
    canvas::DrawingCanvas& southPlateCanvas() override { return m_southPlate; }
    void showSouthPlateWindow() override {}

private:
    canvas::RasterCanvas m_gore{23.0f, 16.0f};
    canvas::RasterCanvas m_plate{18.547f, 18.018f};
    canvas::RasterCanvas m_southPlate{18.547f, 18.018f};
};

void drawGore1Of8(benchmark::State& state, const char* radius, const char* catalogue = "bright-stars.csv")
{
    const std::string stars = std::string(ORBWEAVE_DATA_DIR "/") + catalogue;
    gore::GoreInputs inputs;
    inputs.Text6 = radius;
    RasterGoreWindows windows;
    for (auto _ : state) {
        if (const auto message = gore::runGoreDraw(inputs, stars, windows))
            throw std::runtime_error(message->prompt);
    }
}

} // namespace

static void BM_GoreDraw_R13(benchmark::State& state) { drawGore1Of8(state, "13"); }
static void BM_GoreDraw_R80(benchmark::State& state) { drawGore1Of8(state, "80"); }
BENCHMARK(BM_GoreDraw_R13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoreDraw_R80)->Unit(benchmark::kMillisecond);
// The deep catalogue (83,392 stars to V 9) at the tab's faintest magnitude 8.5: the file read and every star placed.
static void BM_GoreDraw_Deep_R13(benchmark::State& state) { drawGore1Of8(state, "13", "deep-stars.csv"); }
static void BM_GoreDraw_Deep_R80(benchmark::State& state) { drawGore1Of8(state, "80", "deep-stars.csv"); }
BENCHMARK(BM_GoreDraw_Deep_R13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoreDraw_Deep_R80)->Unit(benchmark::kMillisecond);
