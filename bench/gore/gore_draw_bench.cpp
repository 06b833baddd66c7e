#include "canvas/raster_canvas.h"
#include "gore/gore_command.h"
#include "synthetic_catalogue.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
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
    gore::GoreSpec inputs;
    inputs.radius = radius;
    RasterGoreWindows windows;
    for (auto _ : state) {
        if (const auto message = gore::runGoreDraw(inputs, stars, windows))
            throw std::runtime_error(message->prompt);
    }
}

/// Draw pressed again and again on a 118,216-star Hipparcos-like file; with `touched` the file's
/// time changes before each Draw, so it is read again as an edited file is.
void redraw118k(benchmark::State& state, bool touched)
{
    static const bench_support::TempStarFile file(bench_support::hipparcosLikeStarFile(118'216));
    gore::GoreSpec inputs;
    RasterGoreWindows windows;
    const auto time = std::filesystem::last_write_time(file.path());
    int turn = 0;
    for (auto _ : state) {
        if (touched)
            std::filesystem::last_write_time(file.path(), time + std::chrono::seconds(++turn % 2));
        if (const auto message = gore::runGoreDraw(inputs, file.path(), windows))
            throw std::runtime_error(message->prompt);
    }
}

} // namespace

// The window's Draw of gore 1 of 8 from 118 k stars: the file unchanged (kept from the last
// Draw) and edited between Draws (read again).
static void BM_GoreRedraw_118k(benchmark::State& state) { redraw118k(state, false); }
static void BM_GoreRedraw_118k_FileChanged(benchmark::State& state) { redraw118k(state, true); }
BENCHMARK(BM_GoreRedraw_118k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoreRedraw_118k_FileChanged)->Unit(benchmark::kMillisecond);

static void BM_GoreDraw_R13(benchmark::State& state) { drawGore1Of8(state, "13"); }
static void BM_GoreDraw_R80(benchmark::State& state) { drawGore1Of8(state, "80"); }
BENCHMARK(BM_GoreDraw_R13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoreDraw_R80)->Unit(benchmark::kMillisecond);
// The deep catalogue (83,392 stars to V 9) at the tab's faintest magnitude 8.5: the file read and every star placed.
static void BM_GoreDraw_Deep_R13(benchmark::State& state) { drawGore1Of8(state, "13", "deep-stars.csv"); }
static void BM_GoreDraw_Deep_R80(benchmark::State& state) { drawGore1Of8(state, "80", "deep-stars.csv"); }
BENCHMARK(BM_GoreDraw_Deep_R13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoreDraw_Deep_R80)->Unit(benchmark::kMillisecond);
