#include "render/renderers.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <random>

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "pdf_render_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

/// Sixteen gore-like templates of a globe of radius `r` cm: the window's canvas size
/// (22.42 × 12.77 cm at 13 cm), 570 stars each (the bundled catalogue over 16 gores), two
/// edges of 3142 points drawn as chains of dots, and the equator.
exporter::TemplateList globeLike(double r)
{
    const double k = r / 13.0, w = 22.42 * k, h = 12.77 * k;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> along(2 * k, w - 2 * k), across(-1.0, 1.0), size(0.003, 0.1);
    exporter::TemplateList list;
    for (int g = 0; g < 16; ++g) {
        exporter::TemplateDrawing t{"gore" + std::to_string(g), "", "gore", {}};
        t.scene.width = w;
        t.scene.height = h;
        scene::Path edges;
        edges.runs.resize(2);
        for (int i = 0; i <= 3141; ++i) {
            const double x = 2 * k + (w - 4 * k) * i / 3141.0, half = 5.385 * k * std::sin(M_PI * i / 3141.0);
            edges.runs[0].push_back({x, h / 2 - half});
            edges.runs[1].push_back({x, h / 2 + half});
        }
        edges.dotRadius = 1.0 / 300.0;
        t.scene.layer(scene::layers::kCut).items.emplace_back(std::in_place_type<scene::Boxed<scene::Path>>, edges);
        scene::Path equator;
        equator.role = scene::Role::Equator;
        equator.runs = {{{2 * k, h / 2}, {w - 2 * k, h / 2}}};
        t.scene.layer(scene::layers::kGuides).items.emplace_back(std::in_place_type<scene::Boxed<scene::Path>>, equator);
        scene::Layer& stars = t.scene.layer(scene::layers::kStars);
        for (int s = 0; s < 570; ++s) {
            scene::Dot d;
            const double x = along(random);
            d.centre = {x, h / 2 + across(random) * 5.385 * k * std::sin(M_PI * (x - 2 * k) / (w - 4 * k))};
            d.radius = size(random) * k;
            stars.items.emplace_back(std::in_place_type<scene::Dot>, d);
        }
        list.push_back(std::move(t));
    }
    return list;
}

void globeOnA4(benchmark::State& state, double radius)
{
    ensureApplication();
    const exporter::TemplateList templates = globeLike(radius);
    const auto pdf = std::filesystem::temp_directory_path() / "orbweave-pdf-render-bench.pdf";
    int pages = 0;
    for (auto _ : state)
        pages = exporter::writePdf(templates, pdf.string(), exporter::paperNamed("a4"));
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}

} // namespace

BENCHMARK_CAPTURE(globeOnA4, R13, 13.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(globeOnA4, R80, 80.0)->Unit(benchmark::kMillisecond);
