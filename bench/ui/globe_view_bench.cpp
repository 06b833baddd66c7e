#include "globe/gore_globe.h"
#include "globe/polyhedron_globe.h"
#include "ui/globe_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

const std::string kData = ORBWEAVE_DATA_DIR;
constexpr int kSide = 800;

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "globe_view_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

/// The whole bundled catalogue: every star is brighter than the gore tab's faintest magnitude 8.5.
const stars::StarCatalogue& catalogue()
{
    static const stars::StarCatalogue c = stars::ReadStarFile(kData + "/bright-stars.csv");
    return c;
}

gore::GoreParameters goresWithPlates()
{
    gore::GoreParameters p;
    p.n = 8;
    p.northPlate = true;
    p.southPlate = 1;
    return p;
}

sky::SkyRequest figuresGridEcliptic()
{
    sky::SkyRequest r;
    r.layers.figures = true;
    r.layers.names = true;
    r.layers.gridStep = 10;
    r.layers.ecliptic = true;
    r.data = std::make_shared<const sky::SkyData>(sky::loadSkyData(kData + "/sky", r.layers));
    return r;
}

/// One full redraw of `model` into an 800 × 800 picture, as the preview's paint event does it.
void redraw(benchmark::State& state, const globe::GlobeModel& model, globe::GlobeOrientation view)
{
    ensureApplication();
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    ui::GlobePainter painter;
    for (auto _ : state) {
        view.yawDeg += 1.0; // a drag turns the globe between frames
        QPainter p(&image);
        painter.paint(p, model, globe::makeGlobeProjection(view, kSide, kSide), kSide, kSide, view.inside);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["stars"] = static_cast<double>(model.stars.size());
}

void BM_GoresOutside(benchmark::State& state)
{
    const globe::GlobeModel model = globe::goreGlobe(catalogue(), goresWithPlates());
    redraw(state, model, {30.0, 20.0, 1.0, false});
}
BENCHMARK(BM_GoresOutside)->Unit(benchmark::kMillisecond);

void BM_GoresInside(benchmark::State& state)
{
    const globe::GlobeModel model = globe::goreGlobe(catalogue(), goresWithPlates());
    redraw(state, model, {30.0, 20.0, 1.0, true});
}
BENCHMARK(BM_GoresInside)->Unit(benchmark::kMillisecond);

void BM_GoresZoomed(benchmark::State& state)
{
    const globe::GlobeModel model = globe::goreGlobe(catalogue(), goresWithPlates());
    redraw(state, model, {80.0, 0.0, 3.0, false});
}
BENCHMARK(BM_GoresZoomed)->Unit(benchmark::kMillisecond);

void BM_GoresMostZoomed(benchmark::State& state)
{
    const globe::GlobeModel model = globe::goreGlobe(catalogue(), goresWithPlates());
    redraw(state, model, {45.0, 69.0, globe::kMaxZoom, false}); // where two gores meet the plate
}
BENCHMARK(BM_GoresMostZoomed)->Unit(benchmark::kMillisecond);

void BM_GoresWithSky(benchmark::State& state)
{
    const globe::GlobeModel model = globe::goreGlobe(catalogue(), goresWithPlates(), {}, figuresGridEcliptic());
    redraw(state, model, {80.0, 10.0, 1.0, true});
}
BENCHMARK(BM_GoresWithSky)->Unit(benchmark::kMillisecond);

void BM_TruncatedIcosahedron(benchmark::State& state)
{
    polyhedron::PolyhedronModel m;
    m.loadVertexFile(kData + "/models/truncated-icosahedron-vertices.csv");
    m.loadFaceFile(kData + "/models/truncated-icosahedron-faces.csv");
    polyhedron::FaceParameters p;
    p.sphereRadius = 10.0;
    p.faintestMagnitude = 8.5;
    p.commonRatio = 2.5;
    p.magnification = 10.0;
    const globe::GlobeModel model = globe::polyhedronGlobe(catalogue(), m, p);
    redraw(state, model, {30.0, 20.0, 1.0, false});
}
BENCHMARK(BM_TruncatedIcosahedron)->Unit(benchmark::kMillisecond);

} // namespace
