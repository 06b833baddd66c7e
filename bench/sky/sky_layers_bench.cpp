// The sky layers' geometry over a whole globe of 12 gores: every constellation figure and the
// 10° grid sampled to 0.05 mm and clipped to each gore's outline.
#include "sky/constellation_lines.h"
#include "sky/coordinate_grid.h"
#include "sky/curve_sampling.h"
#include "sky/polygon_clip.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kGores = 12;

/// A sinusoidal strip about the gore's central meridian: a stand-in for the gore projection.
sky::Projection goreProjection(int gore, double radius)
{
    const double centre = (gore + 0.5) * 360.0 / kGores;
    return [=](double lambda, double phi) -> std::optional<scene::Point> {
        const double dl = std::remainder(lambda - centre, 360.0) * sky::kRadiansPerDegree;
        return scene::Point{radius * dl * std::cos(phi * sky::kRadiansPerDegree), radius * phi * sky::kRadiansPerDegree};
    };
}

/// The gore's outline, 400 points on each curved edge, cut at ±70°.
sky::ClipOutline goreOutline(double radius)
{
    const double halfWidth = 180.0 / kGores * sky::kRadiansPerDegree;
    std::vector<scene::Point> outline;
    for (int i = 0; i <= 400; ++i) {
        const double phi = (-70.0 + 140.0 * i / 400) * sky::kRadiansPerDegree;
        outline.push_back({radius * halfWidth * std::cos(phi), radius * phi});
    }
    for (int i = 0; i <= 400; ++i) {
        const double phi = (70.0 - 140.0 * i / 400) * sky::kRadiansPerDegree;
        outline.push_back({-radius * halfWidth * std::cos(phi), radius * phi});
    }
    return sky::makeClipOutline(outline);
}

/// Clips every line `eachLine(project, keep)` samples in each gore's projection to the gore's
/// outline (`keep` takes a sampled line), for a whole globe of state.range(0) cm.
template <typename EachLine>
void clipWholeGlobe(benchmark::State& state, const EachLine& eachLine)
{
    const double radius = static_cast<double>(state.range(0));
    const sky::ClipOutline outline = goreOutline(radius);
    std::size_t points = 0;
    const auto keep = [&](const sky::Polyline& line) {
        for (const auto& piece : sky::clipPolyline(outline, line))
            points += piece.size();
    };
    for (auto _ : state) {
        points = 0;
        for (int gore = 0; gore < kGores; ++gore)
            eachLine(goreProjection(gore, radius), keep);
        benchmark::DoNotOptimize(points);
    }
    state.counters["points kept"] = static_cast<double>(points);
}

void BM_ConstellationLinesWholeGlobe(benchmark::State& state)
{
    const auto figures = sky::readConstellationLines(ORBWEAVE_DATA_DIR "/sky/constellation-lines.csv");
    clipWholeGlobe(state, [&](const sky::Projection& project, const auto& keep) {
        for (const auto& figure : figures)
            for (const auto& line : sky::samplePath(figure.points, project))
                keep(line);
    });
}
BENCHMARK(BM_ConstellationLinesWholeGlobe)->Arg(13)->Arg(80)->Unit(benchmark::kMillisecond);

void BM_GridWholeGlobe(benchmark::State& state)
{
    const auto grid = sky::coordinateGrid(10);
    clipWholeGlobe(state, [&](const sky::Projection& project, const auto& keep) {
        for (const auto& line : grid)
            for (const auto& sampled : sky::sampleCurve(line.curve, project))
                keep(sampled);
    });
}
BENCHMARK(BM_GridWholeGlobe)->Arg(13)->Arg(80)->Unit(benchmark::kMillisecond);

} // namespace
