#include "export/export_options.h"
#include "export/gore_templates.h"
#include "export/kit_finish.h"
#include "export/renderers.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace {

/// The painting code needs an application object; the benchmark draws off-screen.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "export_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

/// The whole default globe (8 gores × 2 halves, both plates, bundled catalogue) as one
/// PDF tiled on A4, at the sphere radius `radius`.
void wholeGlobeOnA4(benchmark::State& state, const char* radius)
{
    ensureApplication();
    const exporter::ExportOptions o = exporter::parseExportOptions(
        {"gores", "--k", "all", "--hemisphere", "both", "--plates", "both", "--radius", radius, "--paper", "a4"});
    const std::string stars = ORBWEAVE_DATA_DIR "/bright-stars.csv";
    const auto pdf = std::filesystem::temp_directory_path() / "orbweave-export-bench.pdf";
    int pages = 0;
    for (auto _ : state) {
        const exporter::TemplateList templates = exporter::drawGoreTemplates(o.gore, stars);
        pages = exporter::writePdf(templates, pdf.string(), o.paper);
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}

/// The same globe as the command line exports it: a kit with glue tabs, packed on A4.
void wholeGlobeKitOnA4(benchmark::State& state, const char* radius)
{
    ensureApplication();
    const exporter::ExportOptions o = exporter::parseExportOptions(
        {"gores", "--k", "all", "--hemisphere", "both", "--plates", "both", "--radius", radius, "--paper", "a4"});
    const exporter::KitFinish finish = exporter::kitFinish(o.kit, o.format);
    const exporter::SheetOptions sheets{o.paper, o.kit.pack, finish.bleed, o.kit.layers};
    const std::string stars = ORBWEAVE_DATA_DIR "/bright-stars.csv";
    const auto pdf = std::filesystem::temp_directory_path() / "orbweave-export-kit-bench.pdf";
    int pages = 0;
    for (auto _ : state) {
        const exporter::TemplateList templates = exporter::drawGoreTemplates(o.gore, stars, finish, o.kit);
        pages = exporter::writePdf(templates, pdf.string(), sheets);
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}

} // namespace

BENCHMARK_CAPTURE(wholeGlobeOnA4, R13, "13")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeGlobeOnA4, R80, "80")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeGlobeKitOnA4, R13, "13")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeGlobeKitOnA4, R80, "80")->Unit(benchmark::kMillisecond);
