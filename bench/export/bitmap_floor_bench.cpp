// The whole globe as 300-dpi bitmaps beside the least any program must spend on the same files:
// pictures of the same sizes filled white and written as Windows bitmaps. Times are the
// process's CPU time, all threads together; the export's over the floor's is the ratio to watch.

#include "export/export_options.h"
#include "export/export_run.h"
#include "render/bitmap_file.h"
#include "export/export_templates.h"
#include "render/renderers.h"
#include "synthetic_catalogue.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bitmap_floor_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

const std::vector<std::string> kWholeGlobe{"gores", "--k", "all", "--hemisphere", "both", "--plates", "both",
                                          "--format", "bmp", "--dpi", "300"};

std::filesystem::path freshFolder()
{
    const auto folder = std::filesystem::temp_directory_path() / "orbweave-bitmap-floor-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

/// orbweave-export's whole globe at 300 dpi from the Hipparcos-like catalogue of a million stars.
void BmpHipparcos1M300dpi(benchmark::State& state)
{
    ensureApplication();
    static const bench_support::TempStarFile stars(bench_support::hipparcosLikeStarFile(1'000'000));
    const auto folder = freshFolder();
    std::vector<std::string> args = kWholeGlobe;
    args.insert(args.end(), {"--stars", stars.path(), "--output", folder.string(), "--quiet"});
    for (auto _ : state) {
        std::ostringstream out, err;
        if (exporter::runExport(args, out, err) != exporter::kExitDone)
            throw std::runtime_error(err.str());
    }
    std::filesystem::remove_all(folder);
}

/// The same files' floor: a white picture of each template's size at 300 dpi, written as a bitmap
/// by Qt's writer, or (`direct`) by the export's own.
void fillAndEncode(benchmark::State& state, bool direct)
{
    ensureApplication();
    // The bundled catalogue draws the same templates' sizes quickly.
    const exporter::ExportOptions o = exporter::parseExportOptions(kWholeGlobe);
    std::vector<exporter::BitmapSize> sizes;
    for (const exporter::TemplateDrawing& t : exporter::drawExportTemplates(o))
        sizes.push_back(exporter::bitmapSize(t.scene, 300.0));
    const auto folder = freshFolder();
    for (auto _ : state)
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            QImage image(static_cast<int>(sizes[i].width), static_cast<int>(sizes[i].height), QImage::Format_RGB32);
            image.fill(Qt::white);
            QFile file(QString::fromStdString((folder / (std::to_string(i) + ".bmp")).string()));
            if (!file.open(QIODevice::WriteOnly)
                || !(direct ? exporter::writeBitmapFile(file, image) : image.save(&file, "BMP")))
                throw std::runtime_error("cannot write " + file.fileName().toStdString());
        }
    state.counters["files"] = static_cast<double>(sizes.size());
    std::filesystem::remove_all(folder);
}

void FillAndEncodeBmp300dpi(benchmark::State& state) { fillAndEncode(state, false); }
void FillAndEncodeBmp300dpiOwnWriter(benchmark::State& state) { fillAndEncode(state, true); }

} // namespace

// Target: the export within twice the floor.
BENCHMARK(BmpHipparcos1M300dpi)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(FillAndEncodeBmp300dpi)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(FillAndEncodeBmp300dpiOwnWriter)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
