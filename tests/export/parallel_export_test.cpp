// Templates drawn on several threads from the star index are byte for byte those drawn one
// after another by visiting every star, and reach the writer in the same order.

#include "qt_app.h"
#include "test_files.h"

#include "canvas/drawing_canvas.h"
#include "export/export_options.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "export/ordered_work.h"
#include "render/renderers.h"
#include "gore/gore_draw.h"
#include "gore/gore_scene.h"
#include "polyhedron/face_command.h"
#include "text/input_error.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <regex>
#include <stdexcept>

using namespace exporter;

namespace {

const std::string kCatalogue = ORBWEAVE_DATA_DIR "/bright-stars.csv";

ExportOptions options(std::vector<std::string> args) { return parseExportOptions(args); }

/// Whether `lambda` lies in gore k's own longitudes (the last gore's reaching to 360°), or in no
/// gore's: where a plate takes its star from.
bool ownGore(const gore::GoreLayout& g, double lambda)
{
    return !(lambda >= 0 && lambda < 360) || (g.windowStart <= lambda && (lambda < g.windowEnd || g.windowEnd >= 359));
}

/// The whole globe drawn the plain way, one template after another from every star: the gores'
/// plans, the plates gathered from the northern gores in gore order, each star from its own gore.
std::vector<scene::Scene> straightforwardGlobe(const GoreOptions& o, const std::string& file)
{
    const stars::StarCatalogue catalogue = readStarsOption(file);
    std::vector<scene::Scene> gores;
    std::optional<scene::Scene> plates[2];
    const gore::StarTarget targets[2] = {gore::StarTarget::Plate, gore::StarTarget::SouthPlate};
    for (const int hemisphere : {1, 0})
        for (int k = 1; k <= 8; ++k) {
            const gore::GoreParameters p = goreParametersFor(o, std::to_string(k), hemisphere);
            const gore::GoreDrawPlan plan = gore::planGoreDraw(p, catalogue, file);
            gores.push_back(gore::buildGoreScene(plan, canvas::snapSide(static_cast<float>(plan.layout.requestedWidth)),
                                                 canvas::snapSide(static_cast<float>(plan.layout.requestedHeight))));
            if (hemisphere == 0)
                continue;
            for (int t = 0; t < 2; ++t) {
                if (!plates[t]) {
                    const float side = canvas::snapSide(static_cast<float>(plan.plate.side));
                    plates[t] = gore::buildPlateScene(plan, targets[t], side, side, true);
                    plates[t]->layer(scene::layers::kStars).items.clear();
                }
                for (const gore::StarPlacement& s : plan.stars)
                    if (s.target == targets[t] && ownGore(plan.layout, catalogue.stars[s.index].Lambda))
                        gore::addPlateStar(*plates[t], s);
            }
        }
    gores.push_back(*plates[0]);
    gores.push_back(*plates[1]);
    return gores;
}

std::string bmpBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

/// A PDF's bytes with its creation time blanked, the one thing two runs may differ in.
std::string pdfBytes(const TemplateList& templates, const std::string& path)
{
    writePdf(templates, path, std::nullopt);
    return std::regex_replace(readAll(path), std::regex(R"(/CreationDate \(D:[0-9]+Z\))"), "/CreationDate ()");
}

/// What a run delivered: the names in order and the refusal that ended it, if any.
struct Delivered
{
    std::vector<std::string> names;
    std::string refusal;
};

template <typename Draw>
Delivered deliver(Draw&& draw)
{
    Delivered d;
    try {
        draw([&](TemplateDrawing&& t) { d.names.push_back(t.name + " " + std::to_string(t.number) + "/" + std::to_string(t.count)); });
    } catch (const text::InputError& e) {
        d.refusal = e.what();
    }
    return d;
}

} // namespace

TEST(ParallelExport, WholeGlobeIsTheStraightforwardDrawingByteForByte)
{
    const ExportOptions o = options({"gores", "--k", "all", "--hemisphere", "both", "--plates", "both"});
    const std::vector<scene::Scene> expected = straightforwardGlobe(o.gore, kCatalogue);
    // Rendered on the drawing threads, as the exporter does for SVG and bitmaps.
    std::mutex renderedMutex;
    std::map<std::size_t, std::pair<std::string, std::string>> rendered; // by template number
    const DrawingWork rendering{0, [&](TemplateDrawing& t) {
        auto r = std::make_pair(svgDocument(t.scene), bmpBytes(rasterImage(t.scene, 150)));
        const std::lock_guard<std::mutex> lock(renderedMutex);
        rendered[t.number] = std::move(r);
    }};
    for (const unsigned threads : {1u, 3u}) {
        SCOPED_TRACE(std::to_string(threads) + " threads");
        rendered.clear();
        DrawingWork work = rendering;
        work.threads = threads;
        const TemplateList t = drawGoreTemplates(o.gore, kCatalogue, {}, {}, {}, work);
        ASSERT_EQ(t.size(), expected.size());
        for (std::size_t i = 0; i < t.size(); ++i) {
            SCOPED_TRACE(t[i].name);
            EXPECT_EQ(t[i].number, i + 1);
            const auto& [svg, bmp] = rendered.at(t[i].number);
            EXPECT_TRUE(svg == svgDocument(expected[i])) << "SVG differs";
            EXPECT_TRUE(bmp == bmpBytes(rasterImage(expected[i], 150))) << "bitmap differs";
        }
        EXPECT_GT(t.front().scene.count(scene::Role::Star), 100u);
        EXPECT_GT(t.back().scene.count(scene::Role::Star), 10u);
    }
}

TEST(ParallelExport, PdfAndFacesAreTheSameOnOneThreadAndOnMany)
{
    testing_support::TempDir dir;
    const ExportOptions globe = options({"gores", "--k", "all", "--hemisphere", "both", "--plates", "both"});
    const std::string one = pdfBytes(drawGoreTemplates(globe.gore, kCatalogue, {}, {}, {}, {1, {}}), dir.write("one.pdf", ""));
    const std::string many =
        pdfBytes(drawGoreTemplates(globe.gore, kCatalogue, {}, {}, {}, {3, {}}), dir.write("many.pdf", ""));
    EXPECT_GT(one.size(), 10000u);
    EXPECT_TRUE(one == many) << "the PDFs differ";

    const ExportOptions faces = options({"faces", "--face", "all", "--corners", "--edges", "--faintest", "9"});
    const TemplateList oneFaces = drawFaceTemplates(faces.face, kCatalogue, {}, {}, {}, {1, {}});
    const TemplateList manyFaces = drawFaceTemplates(faces.face, kCatalogue, {}, {}, {}, {4, {}});
    const stars::StarCatalogue catalogue = readStarsOption(kCatalogue);
    const polyhedron::PolyhedronModel model = loadModel(faces.face);
    ASSERT_EQ(oneFaces.size(), 32u);
    ASSERT_EQ(manyFaces.size(), 32u);
    for (std::size_t i = 0; i < 32; ++i) {
        SCOPED_TRACE(oneFaces[i].name);
        const std::string face = std::to_string(i + 1);
        const polyhedron::FaceParameters p = faceParametersFor(faces.face, model, face);
        const scene::Scene plain = polyhedron::buildFaceScene(p, polyhedron::FaceOutline{static_cast<int>(i) + 1, true, true},
                                                              model, catalogue, kCatalogue,
                                                              canvas::snapSide(polyhedron::canvasSide(p)));
        EXPECT_TRUE(svgDocument(oneFaces[i].scene) == svgDocument(plain));
        EXPECT_TRUE(svgDocument(manyFaces[i].scene) == svgDocument(plain));
        EXPECT_EQ(manyFaces[i].name, oneFaces[i].name);
    }
}

TEST(ParallelExport, ARefusalComesAfterTheTemplatesBeforeIt)
{
    testing_support::TempDir dir;
    // Even powers keep a negative ratio real; the star in gore 5 (λ 200°) has a
    // fractional one, so gore 5 is refused after gores 1 to 4 were handed over.
    const std::string stars = dir.write("stars.csv", "10,10,1\n60,10,3\n100,-20,5\n150,0,1\n200,5,1.5\n250,0,1\n");
    const ExportOptions o = options({"gores", "--k", "all", "--faintest", "9", "--ratio", "-2", "--plates", "north"});
    const Delivered single = deliver([&](const TemplateSink& sink) {
        drawGoreTemplates(o.gore, readStarsOption(stars), stars, sink, {}, {}, {}, {1, {}});
    });
    ASSERT_EQ(single.names.size(), 4u);
    EXPECT_NE(single.refusal.find("option --ratio \"-2\""), std::string::npos) << single.refusal;
    EXPECT_NE(single.refusal.find("star 5"), std::string::npos) << single.refusal;
    for (const unsigned threads : {2u, 3u, 8u}) {
        SCOPED_TRACE(threads);
        const Delivered parallel = deliver([&](const TemplateSink& sink) {
            drawGoreTemplates(o.gore, readStarsOption(stars), stars, sink, {}, {}, {}, {threads, {}});
        });
        EXPECT_EQ(parallel.names, single.names);
        EXPECT_EQ(parallel.refusal, single.refusal);
    }
}

TEST(OrderedWork, ResultsAndFailuresArriveInOrder)
{
    struct Row { std::size_t count; unsigned threads; std::optional<std::size_t> failing; };
    const Row rows[] = {{0, 2, {}}, {1, 2, {}}, {50, 1, {}}, {50, 2, {}}, {50, 7, {}},
                        {50, 2, 0}, {50, 3, 17}, {50, 2, 49}, {50, 1, 17}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.count) + " items, " + std::to_string(r.threads) + " threads");
        std::vector<std::size_t> got;
        std::string failure;
        try {
            runInOrder<std::size_t>(
                r.count, r.threads,
                [&](std::size_t i) {
                    if (r.failing && i >= *r.failing)
                        throw std::runtime_error("item " + std::to_string(i));
                    return i * i;
                },
                [&](std::size_t v) { got.push_back(v); });
        } catch (const std::runtime_error& e) {
            failure = e.what();
        }
        const std::size_t delivered = r.failing ? *r.failing : r.count;
        ASSERT_EQ(got.size(), delivered);
        for (std::size_t i = 0; i < delivered; ++i)
            EXPECT_EQ(got[i], i * i);
        EXPECT_EQ(failure, r.failing ? "item " + std::to_string(*r.failing) : "");
    }
}

TEST(OrderedWork, AFailingConsumerStopsTheWorkersAndFewAreMadeAhead)
{
    for (const unsigned threads : {2u, 4u}) {
        SCOPED_TRACE(threads);
        std::atomic<std::size_t> produced{0}, highest{0};
        std::size_t consumed = 0;
        EXPECT_THROW(runInOrder<std::size_t>(
                         1000, threads,
                         [&](std::size_t i) {
                             ++produced;
                             for (std::size_t h = highest; i > h && !highest.compare_exchange_weak(h, i);) {
                             }
                             return i;
                         },
                         [&](std::size_t i) {
                             if (i == 10)
                                 throw std::runtime_error("disk full");
                             ++consumed;
                         }),
                     std::runtime_error);
        EXPECT_EQ(consumed, 10u);
        // Made ahead of the one consumed: at most two a thread.
        EXPECT_LE(highest.load(), 10u + 2 * threads);
        EXPECT_LE(produced.load(), 11u + 2 * threads);
    }
}
