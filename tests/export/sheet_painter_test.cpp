// Packing in batches: ordinary kits in one packing, many pieces each painted once with few held.
#include "qt_app.h"

#include "export/export_options.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "render/sheet_painter.h"

#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using namespace exporter;

namespace {

/// Writes down each page's trim and each text with where it lands and its turn on the device;
/// paints nothing else. Turns landscape sheets `landscapeTurn` degrees, as a printer does.
class TextRecorder : public SheetDevice, QPaintDevice, QPaintEngine
{
public:
    std::vector<std::string> log;
    int pages = 0;
    double landscapeTurn = 0.0;
    struct Page
    {
        double turn;     ///< the sheet's on the device
        bool pieceTurned; ///< the trim, of one piece wider than tall, taller than wide
        std::vector<double> textTurns;
    };
    std::vector<Page> turns;

    TextRecorder() : QPaintEngine(AllFeatures) {}
    QPainter& startPage(const PageLayout& l, const PdfRect& t) override
    {
        ++pages;
        log.push_back("page " + std::to_string(t.left + t.bottom * 1e3 + t.right * 1e6 + t.top * 1e9));
        turns.push_back({sheetTurn(l), t.top - t.bottom > t.right - t.left, {}});
        if (!m_painter.isActive())
            m_painter.begin(this);
        m_painter.resetTransform();
        if (sheetTurn(l) != 0.0) {
            m_painter.translate(l.pageHeight * pixelsPerCm(), 0.0);
            m_painter.rotate(sheetTurn(l));
        }
        return m_painter;
    }
    double pixelsPerCm() const override { return 100.0; }
    double sheetTurn(const PageLayout& l) const override { return l.pageWidth > l.pageHeight ? landscapeTurn : 0.0; }
    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(this); }
    int metric(PaintDeviceMetric m) const override
    {
        return m == PdmDevicePixelRatioScaled ? int(devicePixelRatioFScale()) : m == PdmDevicePixelRatio ? 1 : 254;
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QTransform m = painter()->transform();
        const QPointF at = m.map(p);
        log.push_back(item.text().toStdString() + " at " + std::to_string(at.x()) + " " + std::to_string(at.y()));
        if (!turns.empty())
            turns.back().textTurns.push_back(std::atan2(m.m12(), m.m11()) * 180.0 / M_PI);
    }
    Type type() const override { return User; }

private:
    QPainter m_painter;
};

struct Painted
{
    std::vector<std::string> log;
    int pages = 0;
    std::size_t held = 0; ///< most pieces held at once
};

Painted paint(const TemplateList& list, const SheetOptions& o, PackBatch batch)
{
    TextRecorder device;
    SheetPainter painter(o, device, batch);
    for (const TemplateDrawing& t : list)
        painter.add(t);
    painter.finish();
    return {device.log, device.pages, painter.mostHeld()};
}

constexpr PackBatch kAllAtOnce{1e9, std::size_t(-1)};

} // namespace

TEST(SheetPainter, OrdinaryKitsArePackedAllAtOnce)
{
    // The kits that take the most paper: 24 gores and plates (9.8 sheets' area on Letter), 20 faces.
    const KitFinish kit{{true, 0.7}, false, 0.2};
    const std::string stars = ORBWEAVE_DATA_DIR "/bright-stars.csv";
    const ExportOptions gores =
        parseExportOptions({"gores", "--n", "24", "--k", "all", "--hemisphere", "both", "--plates", "both"});
    const ExportOptions faces = parseExportOptions({"faces", "--face", "all", "--model", "icosahedron"});
    for (const TemplateList& list :
         {drawGoreTemplates(gores.gore, stars, kit), drawFaceTemplates(faces.face, stars, kit)})
        for (const char* paper : {"a4", "a3", "letter"}) {
            SCOPED_TRACE(paper);
            const SheetOptions o{paperNamed(paper), true, kit.bleed, allLayerKinds()};
            const Painted batched = paint(list, o, PackBatch{});
            EXPECT_EQ(batched.log, paint(list, o, kAllAtOnce).log);
            EXPECT_EQ(batched.held, list.size());
        }
}

/// `count` rectangular pieces labelled with their numbers, of widths and heights in steps of a
/// tenth of `steps` between their least and most, mixed.
TemplateList pieces(std::size_t count, double w0, double h0, int steps)
{
    TemplateList list(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double w = w0 + double(i * 37 % steps) / 10.0, h = h0 + double(i * 53 % (2 * steps)) / 10.0;
        const scene::Path cut{scene::Role::CutOutline, -1, {{{0, 0}, {w, 0}, {w, h}, {0, h}}}, true, {}, 0.0};
        scene::Text label;
        label.text = "piece " + std::to_string(i);
        list[i].scene = {w, h, {{"cut", {cut}, scene::LayerKind::Cut}, {"labels", {label}, scene::LayerKind::Print}}};
    }
    return list;
}

TEST(SheetPainter, ManyPiecesArePaintedOnceEachInBatches)
{
    struct Row
    {
        TemplateList list;
        PackBatch batch;
    };
    const Row rows[] = {
        {pieces(3000, 0.4, 1.0, 50), {}},       // up to 5.3 × 10.9 cm, some 24 a sheet
        {pieces(3000, 0.4, 1.0, 50), {2.0, 20}}, // batches of a few sheets
        {pieces(3000, 0.4, 0.4, 5), {}},        // some 750 a sheet
    };
    const SheetOptions o{paperNamed("a4"), true, 0.0, {scene::LayerKind::Print}};
    const PageLayout sheet = layoutPages(0.1, 0.1, *o.paper);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.batch.pieces);
        // Pieces held after a sheet's area: at most those that fill one, smallest first, and one more.
        std::vector<double> areas;
        for (const TemplateDrawing& t : row.list)
            areas.push_back(t.scene.width * t.scene.height);
        std::sort(areas.begin(), areas.end());
        std::size_t oneSheet = 0;
        for (double sum = areas[0]; sum <= sheet.contentWidth * sheet.contentHeight; sum += areas[++oneSheet]) {}
        const Painted sheets = paint(row.list, o, row.batch);
        EXPECT_LE(sheets.held, std::max(row.batch.pieces, oneSheet + 1));
        std::map<std::string, int> painted;
        for (const std::string& line : sheets.log)
            painted[line.substr(0, line.find(" at "))] += line.rfind("page", 0) != 0;
        for (std::size_t i = 0; i < row.list.size(); ++i)
            EXPECT_EQ(painted["piece " + std::to_string(i)], 1) << i;
        // The sheet left over from each batch is filled by the next: few more sheets than all at once.
        const int allAtOnce = paint(row.list, o, kAllAtOnce).pages;
        EXPECT_LE(sheets.pages, allAtOnce * 11 / 10) << allAtOnce;
        if (row.batch.pieces == PackBatch{}.pieces) {
            EXPECT_EQ(countSheets(row.list, o), sheets.pages);
        }
    }
}

TEST(SheetPainter, TextsTurnWithTheirSheetAndTheirPiece)
{
    // One piece, wider than tall, with a label turned 30°; on A4 it lies turned on an upright sheet
    // or straight on a landscape one, which the device turns or not.
    const double w = 25.0, h = 8.0;
    TemplateList list(1);
    const scene::Path cut{scene::Role::CutOutline, -1, {{{0, 0}, {w, 0}, {w, h}, {0, h}}}, true, {}, 0.0};
    scene::Text label;
    label.text = "label";
    label.at = {5.0, 4.0};
    label.rotationDeg = 30.0;
    list[0].scene = {w, h, {{"cut", {cut}, scene::LayerKind::Cut}, {"labels", {label}, scene::LayerKind::Print}}, {}};
    for (const double turn : {0.0, 90.0}) {
        SCOPED_TRACE(turn);
        TextRecorder device;
        device.landscapeTurn = turn;
        SheetPainter painter(SheetOptions{paperNamed("a4"), true, 0.0, allLayerKinds()}, device);
        painter.add(list[0]);
        painter.finish();
        ASSERT_EQ(device.turns.size(), 1u);
        const TextRecorder::Page& page = device.turns[0];
        ASSERT_EQ(page.textTurns.size(), 6u); // the label and the footer's five texts
        const double labelTurn = page.turn + (page.pieceTurned ? 90.0 : 0.0) + 30.0;
        const auto same = [](double a, double b) { return std::abs(std::remainder(a - b, 360.0)) < 1e-9; };
        EXPECT_EQ(std::count_if(page.textTurns.begin(), page.textTurns.end(), [&](double a) { return same(a, labelTurn); }), 1);
        EXPECT_EQ(std::count_if(page.textTurns.begin(), page.textTurns.end(), [&](double a) { return same(a, page.turn); }), 5);
    }
}
