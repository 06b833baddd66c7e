// Packing in batches: ordinary kits as one packing, many pieces each painted once in bounded memory.
#include "qt_app.h"

#include "export/export_options.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "export/sheet_painter.h"

#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace exporter;

namespace {

/// Records every page's trim and every text with where it lands on the page; paints nothing.
class TextRecorder : public SheetDevice, QPaintDevice, QPaintEngine
{
public:
    std::vector<std::string> log;

    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    QPainter& startPage(const PageLayout&, const PdfRect& t) override
    {
        log.push_back("page " + std::to_string(t.left) + " " + std::to_string(t.bottom) + " "
                      + std::to_string(t.right) + " " + std::to_string(t.top));
        if (!m_painter.isActive())
            m_painter.begin(this);
        m_painter.resetTransform();
        return m_painter;
    }
    double pixelsPerCm() const override { return 100.0; }
    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(this); }
    int metric(PaintDeviceMetric m) const override { return m == PdmDevicePixelRatioScaled ? devicePixelRatioFScale() : m == PdmDepth ? 32 : m == PdmDpiX || m == PdmDpiY || m == PdmPhysicalDpiX || m == PdmPhysicalDpiY ? 254 : m == PdmDevicePixelRatio ? 1 : 10000; }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QPointF at = painter()->transform().map(p);
        log.push_back(item.text().toStdString() + " at " + std::to_string(at.x()) + " " + std::to_string(at.y()));
    }
    Type type() const override { return QPaintEngine::User; }

private:
    QPainter m_painter;
};

constexpr PackBatch kAllAtOnce{1e9, std::size_t(-1)};

std::vector<std::string> paint(const TemplateList& list, const SheetOptions& o, PackBatch batch, std::size_t* held = nullptr)
{
    TextRecorder device;
    SheetPainter painter(o, device, batch);
    for (const TemplateDrawing& t : list)
        painter.add(t);
    painter.finish();
    if (held)
        *held = painter.mostHeld();
    return device.log;
}

} // namespace

TEST(SheetPainter, OrdinaryKitsArePackedAllAtOnce)
{
    const std::string stars = ORBWEAVE_DATA_DIR "/bright-stars.csv";
    const KitFinish kit{{true, 0.7}, false, 0.2};
    const ExportOptions gores = parseExportOptions(
        {"gores", "--n", "24", "--k", "all", "--hemisphere", "both", "--plates", "both"});
    const ExportOptions faces = parseExportOptions({"faces", "--face", "all", "--model", "icosahedron"});
    // The kits that take the most paper: 24 gores and plates, 9.8 sheets' area on Letter.
    for (const char* paper : {"a4", "a3", "letter"}) {
        SCOPED_TRACE(paper);
        const SheetOptions o{paperNamed(paper), true, kit.bleed, allLayerKinds()};
        for (const TemplateList& list : {drawGoreTemplates(gores.gore, stars, kit), drawFaceTemplates(faces.face, stars, kit)}) {
            std::size_t held = 0;
            const std::vector<std::string> batched = paint(list, o, PackBatch{}, &held);
            EXPECT_EQ(batched, paint(list, o, kAllAtOnce));
            EXPECT_EQ(held, list.size());
        }
    }
}

TEST(SheetPainter, ManyPiecesArePaintedOnceEachInBatches)
{
    TemplateList list;
    for (int i = 0; i < 3000; ++i) {
        const double w = 0.4 + (i * 37 % 50) / 10.0, h = 1.0 + (i * 53 % 190) / 10.0;
        TemplateDrawing t;
        t.caption = "piece " + std::to_string(i);
        t.scene.width = w;
        t.scene.height = h;
        scene::Path cut;
        cut.role = scene::Role::CutOutline;
        cut.closed = true;
        cut.runs = {{{0, 0}, {w, 0}, {w, h}, {0, h}}};
        t.scene.layer(scene::layers::kCut, scene::LayerKind::Cut).items.push_back(cut);
        scene::Text label;
        label.at = {w / 2, h / 2};
        label.text = t.caption;
        t.scene.layer(scene::layers::kLabels).items.push_back(label);
        list.push_back(std::move(t));
    }
    const SheetOptions o{paperNamed("a4"), true, 0.0, {scene::LayerKind::Print}};
    const auto sheetsOf = [](const std::vector<std::string>& log) {
        return std::count_if(log.begin(), log.end(), [](const std::string& line) { return line.rfind("page", 0) == 0; });
    };
    const long allAtOnce = sheetsOf(paint(list, o, kAllAtOnce));
    for (const PackBatch batch : {PackBatch{}, PackBatch{2.0, 20}}) {
        SCOPED_TRACE(batch.pieces);
        std::size_t held = 0;
        const std::vector<std::string> log = paint(list, o, batch, &held);
        std::map<std::string, int> painted;
        for (const std::string& line : log)
            if (line.rfind("page", 0) != 0)
                ++painted[line.substr(0, line.find(" at "))];
        EXPECT_LE(held, batch.pieces);
        EXPECT_EQ(painted.size(), list.size());
        for (const auto& [caption, times] : painted)
            EXPECT_EQ(times, 1) << caption;
        if (batch.pieces == PackBatch{}.pieces) {
            // The sheet left over from each batch is filled by the next: few sheets more than all at once.
            EXPECT_LE(sheetsOf(log), allAtOnce * 11 / 10) << allAtOnce;
            EXPECT_EQ(countSheets(list, o), sheetsOf(log));
        }
    }
}
