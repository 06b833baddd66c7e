#include "export/export_options.h"
#include "export/gore_templates.h"
#include "export/kit_finish.h"
#include "render/renderers.h"
#include "sky/sky_data.h"

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

/// The whole default globe's options (8 gores × 2 halves, both plates, bundled catalogue) on A4
/// at the sphere radius `radius`; with `sky`, every sky layer under the stars.
exporter::ExportOptions globeOptions(const char* radius, bool sky)
{
    std::vector<std::string> args{"gores", "--k", "all", "--hemisphere", "both", "--plates", "both",
                                  "--radius", radius, "--paper", "a4"};
    if (sky)
        args.insert(args.end(), {"--sky", "all"});
    return exporter::parseExportOptions(args);
}

/// The sky layers of `o` with their data, read as the exporter reads them once an export.
sky::SkyRequest skyOf(const exporter::ExportOptions& o)
{
    sky::SkyRequest request{o.sky, nullptr};
    if (o.sky.any())
        request.data = std::make_shared<const sky::SkyData>(sky::loadSkyData(ORBWEAVE_DATA_DIR "/sky", o.sky));
    return request;
}

/// The whole default globe as the window draws its templates, as one PDF tiled on A4.
void wholeGlobeOnA4(benchmark::State& state, const char* radius, bool sky)
{
    ensureApplication();
    const exporter::ExportOptions o = globeOptions(radius, sky);
    const std::string stars = ORBWEAVE_DATA_DIR "/bright-stars.csv";
    const auto pdf = std::filesystem::temp_directory_path() / "orbweave-export-bench.pdf";
    int pages = 0;
    for (auto _ : state) {
        const exporter::TemplateList templates = exporter::drawGoreTemplates(o.gore, stars, {}, {}, skyOf(o));
        pages = exporter::writePdf(templates, pdf.string(), o.paper);
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}

/// The same globe as the command line exports it: a kit with glue tabs, packed on A4.
void wholeGlobeKitOnA4(benchmark::State& state, const char* radius, bool sky)
{
    ensureApplication();
    const exporter::ExportOptions o = globeOptions(radius, sky);
    const exporter::KitFinish finish = exporter::kitFinish(o.kit, o.format);
    const exporter::SheetOptions sheets{o.paper, o.kit.pack, finish.bleed, o.kit.layers};
    const std::string stars = ORBWEAVE_DATA_DIR "/bright-stars.csv";
    const auto pdf = std::filesystem::temp_directory_path() / "orbweave-export-kit-bench.pdf";
    int pages = 0;
    for (auto _ : state) {
        const exporter::TemplateList templates = exporter::drawGoreTemplates(o.gore, stars, finish, o.kit, skyOf(o));
        pages = exporter::writePdf(templates, pdf.string(), sheets);
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}

} // namespace

BENCHMARK_CAPTURE(wholeGlobeOnA4, R13, "13", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeGlobeOnA4, R80, "80", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeGlobeKitOnA4, R13, "13", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeGlobeKitOnA4, R80, "80", false)->Unit(benchmark::kMillisecond);
// Constellation figures, names and boundaries, grid, ecliptic and star names besides the stars.
BENCHMARK_CAPTURE(wholeGlobeOnA4, R13Sky, "13", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeGlobeOnA4, R80Sky, "80", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeGlobeKitOnA4, R13Sky, "13", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeGlobeKitOnA4, R80Sky, "80", true)->Unit(benchmark::kMillisecond);
