#include "render/sheet_painter.h"

#include "render/sheet_packing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cmath>
#include <limits>
#include <map>

namespace exporter {

namespace {

/// Crop marks: a gap, then an arm, outward from a corner of the content; they end 0.55 cm
/// inside the paper's edge.
constexpr double kMarkLength = 0.35, kMarkGap = 0.1, kMarkWidth = 0.02;
/// Where the footer's texts and scale bar begin, right of the calibration square, cm.
constexpr double kFooterTextLeft = kPageMargin + kCalibrationSide + 0.6;

QColor toQColor(canvas::Rgb c) { return QColor(c.r, c.g, c.b); }

/// How a sheet lies on its device: device pixels a centimetre, and the device's turn of it.
struct SheetFrame
{
    double pxPerCm = 1.0;
    double turnDeg = 0.0; ///< clockwise on the device
};

/// A scene point in single precision, as the window's canvas and the SVG take it: the PDF
/// then holds the same numbers, and they compress better than full doubles.
QPointF single(const scene::Point& p) { return QPointF(static_cast<float>(p.x), static_cast<float>(p.y)); }

double strokeWidth(const scene::Stroke& s) { return s.width > 0.0 ? s.width : kPrintLineWidth; }

/// Where an item may leave ink, template centimetres.
struct Box
{
    double left, top, right, bottom;
    bool meets(const Box& o) const { return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom; }
};

struct BoundsOf
{
    Box operator()(const scene::Dot& d) const
    {
        const double r = std::max(d.radius, kMinPrintRadius) + kPrintLineWidth;
        return {d.centre.x - r, d.centre.y - r, d.centre.x + r, d.centre.y + r};
    }
    Box operator()(const scene::Path& p) const
    {
        constexpr double inf = std::numeric_limits<double>::infinity();
        Box b{inf, inf, -inf, -inf};
        for (const auto& run : p.runs)
            for (const scene::Point& q : run)
                b = {std::min(b.left, q.x), std::min(b.top, q.y), std::max(b.right, q.x), std::max(b.bottom, q.y)};
        const double pad = strokeWidth(p.stroke);
        return {b.left - pad, b.top - pad, b.right + pad, b.bottom + pad};
    }
    /// A text's extent depends on its font; no glyph reaches further than two ems from its
    /// reference point plus one and a half ems a character, whatever the anchor and rotation.
    Box operator()(const scene::Text& t) const
    {
        std::size_t characters = 0;
        for (const char c : t.text)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        const double em = t.sizePt * 2.54 / 72.0;
        const double reach = em * (2.0 + 1.5 * static_cast<double>(characters));
        return {t.at.x - reach, t.at.y - reach, t.at.x + reach, t.at.y + reach};
    }
};

/// Dots without an outline, gathered while they come one after another in one colour and
/// handed to the device together, grouped by radius, so that a page of stars is a handful of
/// paths with no change of state between its dots. Dots of one colour cover the same paper in
/// any order.
struct DotBatch
{
    QPainter& p;
    SheetDevice& device;
    DotGroup group;

    /// Whether `d` goes into a batch rather than being drawn on its own.
    static bool takes(const scene::Dot& d) { return d.outline == d.fill; }
    void add(const scene::Dot& d)
    {
        join(d);
        group.byRadius[std::max(d.radius, kMinPrintRadius)].push_back(single(d.centre));
    }

    /// `d`, which shows only within `cut` round it, as a group holds it.
    static DotGroup::Clipped clipped(const scene::Dot& d, const OutlineClip& cut)
    {
        return {d.centre, std::max(d.radius, kMinPrintRadius), &cut};
    }
    /// Adds `d`, which shows only within `cut` round it.
    void addClipped(const scene::Dot& d, const OutlineClip& cut)
    {
        join(d);
        group.clipped.push_back(clipped(d, cut));
    }

    /// Draws the dots gathered so far.
    void flush()
    {
        if (group.byRadius.empty() && group.clipped.empty())
            return;
        device.drawDots(p, group);
        group.byRadius.clear();
        group.clipped.clear();
    }

private:
    void join(const scene::Dot& d)
    {
        if ((!group.byRadius.empty() || !group.clipped.empty()) && d.fill != group.colour)
            flush();
        group.colour = d.fill;
    }
};

/// Draws scene items with the painter already in template centimetres. Dots wait in `dots`
/// until something else is drawn, or `dots.flush()`.
struct PdfPainter
{
    QPainter& p;
    Box view; ///< the part of the template this page shows
    DotBatch& dots;
    const std::vector<OutlineClip>& clips; ///< the scene's, for clipped dots
    double turnDeg; ///< clockwise on the device: the sheet's turn and the piece's on the sheet

    void operator()(const scene::Dot& d) const
    {
        if (d.clip >= 0 && static_cast<std::size_t>(d.clip) < clips.size()) {
            // A dot across a piece's cut shows only its part on the piece: clipped, and only by the
            // stretch of the outline round it (a clip path goes into the file each time).
            const OutlineClip& cut = clips[static_cast<std::size_t>(d.clip)];
            if (DotBatch::takes(d))
                return dots.addClipped(d, cut);
            dots.flush();
            const std::vector<QPointF> outline = DotBatch::clipped(d, cut).clip();
            QPainterPath path;
            path.addPolygon(QPolygonF(QList<QPointF>(outline.begin(), outline.end())));
            path.closeSubpath();
            p.save();
            p.setClipPath(path, Qt::IntersectClip);
            scene::Dot whole = d;
            whole.clip = -1;
            drawDot(whole);
            p.restore();
            return;
        }
        if (DotBatch::takes(d))
            return dots.add(d);
        dots.flush();
        drawDot(d);
    }

    void drawDot(const scene::Dot& d) const
    {
        const double r = std::max(d.radius, kMinPrintRadius);
        if (d.outline != d.fill)
            p.setPen(QPen(toQColor(d.outline), kPrintLineWidth));
        else
            p.setPen(Qt::NoPen);
        p.setBrush(toQColor(d.fill));
        p.drawEllipse(single(d.centre), r, r);
    }

    /// A dotted path is a line drawn as dots in the window; on paper it is the line.
    /// Of a run only the stretches that reach this page are written; a dashed stretch starts
    /// its pattern where the whole run has it there, so the dashes keep their places across pages.
    void operator()(const scene::Path& path) const
    {
        dots.flush();
        const double width = strokeWidth(path.stroke);
        QPen pen(toQColor(path.stroke.color), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
        const bool dashed = !path.stroke.dash.empty();
        if (dashed) {
            // Qt counts dashes in pen widths; an odd list repeats, as in SVG.
            QList<qreal> pattern;
            for (std::size_t pass = 0; pass < (path.stroke.dash.size() % 2 ? 2u : 1u); ++pass)
                for (const double d : path.stroke.dash)
                    pattern << d / width;
            pen.setDashPattern(pattern);
        }
        p.setPen(pen);
        if (path.fill) {
            // A filled area is drawn whole: the page clips what lies beyond it.
            QPainterPath area;
            for (const auto& run : path.runs) {
                if (run.size() < 3)
                    continue;
                QPolygonF ring;
                ring.reserve(static_cast<qsizetype>(run.size()));
                for (const scene::Point& q : run)
                    ring << single(q);
                area.addPolygon(ring);
                area.closeSubpath();
            }
            area.setFillRule(Qt::WindingFill);
            p.setBrush(toQColor(*path.fill));
            p.drawPath(area);
            return;
        }
        p.setBrush(Qt::NoBrush);
        QPolygonF poly;
        std::vector<StrokeRun> solid; // the shown runs of an undashed line, handed over together
        for (const auto& run : path.runs) {
            const std::size_t n = run.size();
            if (n < 2)
                continue;
            const bool closed = path.closed && n > 2;
            const std::size_t segments = closed ? n : n - 1; // segment i joins points i and i + 1 (mod n)
            const auto shown = [&](std::size_t i) {
                const scene::Point &a = run[i], &b = run[(i + 1) % n];
                return Box{std::min(a.x, b.x) - width, std::min(a.y, b.y) - width, std::max(a.x, b.x) + width,
                           std::max(a.y, b.y) + width}
                    .meets(view);
            };
            std::size_t count = 0, hidden = segments;
            for (std::size_t i = 0; i < segments; ++i)
                shown(i) ? ++count : hidden = i;
            if (count == 0)
                continue;
            if (count == segments) {
                poly.clear();
                poly.reserve(static_cast<qsizetype>(n));
                for (const scene::Point& q : run)
                    poly << single(q);
                if (!dashed)
                    solid.push_back({poly, closed});
                else
                    closed ? p.drawPolygon(poly) : p.drawPolyline(poly);
                continue;
            }
            // Each stretch of shown segments as an open line, starting after a hidden
            // segment so that no stretch of a closed run wraps past its end.
            const std::size_t start = closed ? hidden + 1 : 0;
            for (std::size_t k = 0; k < segments;) {
                if (!shown((start + k) % segments)) {
                    ++k;
                    continue;
                }
                if (dashed) {
                    // Qt counts the offset into the pattern in pen widths.
                    QPen offset = pen;
                    offset.setDashOffset(along(run, (start + k) % n) / width);
                    p.setPen(offset);
                }
                poly.clear();
                poly << single(run[(start + k) % n]);
                for (; k < segments && shown((start + k) % segments); ++k)
                    poly << single(run[(start + k + 1) % n]);
                if (!dashed)
                    solid.push_back({poly, false});
                else
                    p.drawPolyline(poly);
            }
        }
        if (!solid.empty())
            dots.device.strokeRuns(p, solid, pen);
    }

    /// Length of `run` from its first point to point `i`, cm.
    static double along(const std::vector<scene::Point>& run, std::size_t i)
    {
        double length = 0.0;
        for (std::size_t j = 1; j <= i; ++j)
            length += std::hypot(run[j].x - run[j - 1].x, run[j].y - run[j - 1].y);
        return length;
    }

    /// In device pixels, where the font's point size is real size; rotated, never mirrored.
    void operator()(const scene::Text& t) const
    {
        if (t.text.empty())
            return;
        dots.flush();
        const QPointF at = p.transform().map(single(t.at));
        p.save();
        p.resetTransform();
        QFont font = t.family.empty() ? p.font() : QFont(QString::fromStdString(t.family));
        font.setPointSizeF(t.sizePt);
        p.setFont(font);
        p.setPen(toQColor(t.color));
        p.translate(at);
        // A piece turned on its sheet turns its texts with it.
        p.rotate(turnDeg + t.rotationDeg);
        const QString s = QString::fromStdString(t.text);
        const double advance = QFontMetricsF(font, p.device()).horizontalAdvance(s);
        const double dx = t.anchor == scene::Anchor::Start ? 0.0 : t.anchor == scene::Anchor::Middle ? -advance / 2 : -advance;
        p.drawText(QPointF(dx, 0.0), s);
        p.restore();
    }
};

void drawCropMarks(QPainter& p, const PageLayout& l)
{
    p.setPen(QPen(Qt::black, kMarkWidth));
    const double xs[2] = {l.contentLeft, l.contentLeft + l.contentWidth};
    const double ys[2] = {l.contentTop, l.contentTop + l.contentHeight};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const double x = xs[i], y = ys[j];
            const double sx = i == 0 ? -1 : 1, sy = j == 0 ? -1 : 1;
            p.drawLine(QPointF(x + sx * kMarkGap, y), QPointF(x + sx * (kMarkGap + kMarkLength), y));
            p.drawLine(QPointF(x, y + sy * kMarkGap), QPointF(x, y + sy * (kMarkGap + kMarkLength)));
        }
}

/// Short dashes in the margins where the next tile's overlap begins.
void drawOverlapMarks(QPainter& p, const PageLayout& l, const Tile& t)
{
    p.setPen(QPen(Qt::gray, kMarkWidth, Qt::DashLine));
    const double right = l.contentLeft + l.contentWidth, bottom = l.contentTop + l.contentHeight;
    if (t.column + 1 < l.columns) {
        const double x = right - kTileOverlap;
        p.drawLine(QPointF(x, l.contentTop - kMarkGap), QPointF(x, l.contentTop - kMarkGap - kMarkLength));
        p.drawLine(QPointF(x, bottom + kMarkGap), QPointF(x, bottom + kMarkGap + kMarkLength));
    }
    if (t.row + 1 < l.rows) {
        const double y = bottom - kTileOverlap;
        p.drawLine(QPointF(l.contentLeft - kMarkGap, y), QPointF(l.contentLeft - kMarkGap - kMarkLength, y));
        p.drawLine(QPointF(right + kMarkGap, y), QPointF(right + kMarkGap + kMarkLength, y));
    }
}

/// `text` at (x, y) cm in `size` pt, cut short with an ellipsis so that it ends `kPageMargin`
/// inside the paper's right edge.
void drawFooterText(QPainter& p, const PageLayout& l, const SheetFrame& f, double x, double y, double size,
                    const QString& text)
{
    const double pxPerCm = f.pxPerCm;
    const QPointF at = p.transform().map(QPointF(x, y));
    p.save();
    p.resetTransform();
    QFont font = p.font();
    font.setPointSizeF(size);
    p.setFont(font);
    p.setPen(Qt::black);
    const QString fitted = QFontMetricsF(font, p.device())
                               .elidedText(text, Qt::ElideRight, (l.pageWidth - kPageMargin - x) * pxPerCm);
    if (f.turnDeg == 0.0) {
        p.drawText(QPointF(x * pxPerCm, y * pxPerCm), fitted);
    } else { // a landscape sheet turned onto portrait paper
        p.translate(at);
        p.rotate(f.turnDeg);
        p.drawText(QPointF(0.0, 0.0), fitted);
    }
    p.restore();
}

/// The words a sheet prints, in one language (UTF-8).
struct SheetWords
{
    const char* actualSize;   ///< the first line that asks for printing at actual size
    const char* squareAndBar; ///< the second
    const char* sheetOf;      ///< "sheet %1 of %2"
    const char* sheet;        ///< "sheet %1", while the count is not known yet
    const char* rowColumn;    ///< "row %1 of %2, column %3 of %4"
    const char* square;       ///< the calibration square's caption
};

const SheetWords& wordsIn(SheetLanguage language)
{
    static constexpr SheetWords english{"Print at 100 % / actual size, not \u201cfit to page\u201d:",
                                        "the square must measure 5 cm across its outer edges, the bar 10 cm.",
                                        "sheet %1 of %2", "sheet %1", "row %1 of %2, column %3 of %4",
                                        "5 cm × 5 cm outside"};
    static constexpr SheetWords japanese{"100 %（実寸）で印刷してください。「用紙に合わせる」は使いません:",
                                         "正方形の外側が 5 cm、目盛りが 10 cm になります。", "用紙 %1 / %2", "用紙 %1",
                                         "行 %1 / %2、列 %3 / %4", "外側 5 cm × 5 cm"};
    static constexpr SheetWords spanish{"Imprima al 100 % / tamaño real, no \u201cajustar a la página\u201d:",
                                        "el cuadrado debe medir 5 cm por sus bordes exteriores, la barra 10 cm.",
                                        "hoja %1 de %2", "hoja %1", "fila %1 de %2, columna %3 de %4",
                                        "5 cm × 5 cm por fuera"};
    switch (language) {
    case SheetLanguage::Japanese: return japanese;
    case SheetLanguage::Spanish: return spanish;
    case SheetLanguage::English: break;
    }
    return english;
}

/// The caption of `t` in the sheets' language.
const std::string& captionIn(const TemplateDrawing& t, SheetLanguage language)
{
    return language == SheetLanguage::Japanese && !t.captionJa.empty() ? t.captionJa : t.caption;
}

/// The footer of every sheet: the calibration square, the page label, the line that asks for
/// printing at actual size and the scale bar, all within the margins.
void drawFooter(QPainter& p, const PageLayout& l, const SheetFrame& f, const QString& label, const SheetWords& words)
{
    const double top = l.pageHeight - kPageMargin - kCalibrationSide;
    // The square's outer edges are kCalibrationSide apart: its line lies inside them.
    p.setPen(QPen(Qt::black, kMarkWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const double half = kMarkWidth / 2;
    p.drawRect(QRectF(kPageMargin + half, top + half, kCalibrationSide - kMarkWidth, kCalibrationSide - kMarkWidth));
    for (int i = 1; i < static_cast<int>(kCalibrationSide); ++i) {
        p.drawLine(QPointF(kPageMargin + i, top + kMarkWidth), QPointF(kPageMargin + i, top + 0.3));
        p.drawLine(QPointF(kPageMargin + kMarkWidth, top + i), QPointF(kPageMargin + 0.3, top + i));
    }
    drawFooterText(p, l, f, kPageMargin + 1.2, top + kCalibrationSide / 2, 8.0, QString::fromUtf8(words.square));

    drawFooterText(p, l, f, kFooterTextLeft, top + 0.35, 8.0, label);
    drawFooterText(p, l, f, kFooterTextLeft, top + 1.0, 8.0, QString::fromUtf8(words.actualSize));
    drawFooterText(p, l, f, kFooterTextLeft, top + 1.45, 8.0, QString::fromUtf8(words.squareAndBar));

    const double y = l.pageHeight - kPageMargin - 0.7;
    const double x0 = kFooterTextLeft;
    p.setPen(QPen(Qt::black, kMarkWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x0, y), QPointF(x0 + kScaleBarLength, y));
    for (int i = 0; i <= static_cast<int>(kScaleBarLength); ++i) {
        const double tick = i % 5 == 0 ? 0.3 : 0.15;
        p.drawLine(QPointF(x0 + i, y), QPointF(x0 + i, y - tick));
    }
    drawFooterText(p, l, f, x0 + kScaleBarLength + 0.3, y, 7.0, QStringLiteral("10 cm"));
}

/// The part of a template that is its own on a sheet: its cut outlines with the bleed round
/// them, or the whole template when it has none.
Box pieceBoxOf(const scene::Scene& s, double bleed)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    Box b{inf, inf, -inf, -inf};
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            if (const auto* path = scene::itemIf<scene::Path>(&item); path && path->role == scene::Role::CutOutline)
                for (const auto& run : path->runs)
                    for (const scene::Point& q : run)
                        b = {std::min(b.left, q.x), std::min(b.top, q.y), std::max(b.right, q.x),
                             std::max(b.bottom, q.y)};
    if (!(b.left <= b.right))
        return {0, 0, s.width, s.height};
    return {std::max(0.0, b.left - bleed), std::max(0.0, b.top - bleed), std::min(s.width, b.right + bleed),
            std::min(s.height, b.bottom + bleed)};
}

/// The content area of a sheet of `paper`, turned or not, as a one-tile layout.
PageLayout sheetOf(const PaperSize& paper, bool landscape)
{
    PageLayout l = layoutPages(0.1, 0.1, PaperSize{paper.name, landscape ? paper.height : paper.width,
                                                  landscape ? paper.width : paper.height});
    return l;
}

PdfRect pdfRectOf(const PageLayout& l, double left, double top, double right, double bottom)
{
    return {pointsOf(left), pointsOf(l.pageHeight - bottom), pointsOf(right), pointsOf(l.pageHeight - top)};
}

} // namespace

QPointF DotGroup::Clipped::centre() const { return single(at); }

std::array<double, 4> DotGroup::Clipped::box() const
{
    const double reach = radius + kPrintLineWidth;
    return {at.x - reach, at.y - reach, at.x + reach, at.y + reach};
}

std::vector<QPointF> DotGroup::Clipped::stretch(const OutlineClip& cut, const std::array<double, 4>& box)
{
    const std::vector<scene::Point> within = cut.within(box[0], box[1], box[2], box[3]);
    std::vector<QPointF> outline;
    outline.reserve(within.size());
    for (const scene::Point& q : within)
        outline.push_back(single(q));
    return outline;
}

double SheetDevice::sheetTurn(const PageLayout&) const { return 0.0; }

void SheetDevice::strokeRuns(QPainter& p, const std::vector<StrokeRun>& runs, const QPen& pen)
{
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (const StrokeRun& run : runs)
        run.closed ? p.drawPolygon(run.points) : p.drawPolyline(run.points);
}

void SheetDevice::drawDots(QPainter& p, const DotGroup& dots)
{
    // A dot is a line with round caps as wide as the dot (closer to a circle than the four curves
    // of an ellipse). The line runs diagonally: viewers snap horizontal and vertical strokes to
    // their pixels, which would move the dot.
    p.setBrush(Qt::NoBrush);
    for (const auto& [r, centres] : dots.byRadius) {
        QPainterPath path;
        for (const QPointF& centre : centres) {
            path.moveTo(centre);
            path.lineTo(centre + QPointF(r / 1000.0, r / 1000.0));
        }
        p.setPen(QPen(toQColor(dots.colour), 2 * r, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(dots.colour));
    for (const DotGroup::Clipped& d : dots.clipped) {
        const std::vector<QPointF> outline = d.clip();
        QPainterPath clip;
        clip.addPolygon(QPolygonF(QList<QPointF>(outline.begin(), outline.end())));
        clip.closeSubpath();
        p.save();
        p.setClipPath(clip, Qt::IntersectClip);
        p.drawEllipse(d.centre(), d.radius, d.radius);
        p.restore();
    }
}

struct SheetPainter::Impl
{
    /// A piece held for packing, with its own part of the template and that part's size.
    struct Piece
    {
        TemplateDrawing t;
        Box box;
        PackSize size;
    };

    SheetOptions sheets;
    SheetDevice* device; ///< none: pages are laid out and counted, not painted
    PackBatch batch;
    QPainter* painterOn = nullptr;
    SheetFrame frame; ///< of the page being painted
    int pages = 0;    ///< laid out so far
    std::vector<Piece> queued; ///< pieces waiting to be packed, in the order they came
    double queuedArea = 0.0;   ///< theirs, cm²
    std::size_t mostHeld = 0;
    int packedSheets = 0; ///< packed sheets painted so far
    bool batched = false; ///< whether a batch was painted before finish(): no sheet then knows the total

    Impl(SheetOptions s, SheetDevice* d, PackBatch b) : sheets(std::move(s)), device(d), batch(b) {}

    bool marks() const { return sheets.layers.count(scene::LayerKind::Marks) > 0; }

    void startPage(const PageLayout& layout, const PdfRect& trim)
    {
        painterOn = &device->startPage(layout, trim);
        frame = {device->pixelsPerCm(), device->sheetTurn(layout)};
        painterOn->scale(frame.pxPerCm, frame.pxPerCm);
    }
    /// Where each item of `s` may leave ink, in layer order.
    static std::vector<Box> boundsOf(const scene::Scene& s)
    {
        std::vector<Box> bounds;
        for (const scene::Layer& layer : s.layers)
            for (const scene::Item& item : layer.items)
                bounds.push_back(std::visit(BoundsOf{}, item));
        return bounds;
    }

    /// Draws the layers asked for of `s` whose items reach `view` (template cm), clipped to it;
    /// the painter already maps template centimetres onto the page, the piece turned `pieceTurnDeg`
    /// clockwise on its sheet. `bounds` from boundsOf(s).
    void drawScene(const scene::Scene& s, const std::vector<Box>& bounds, const Box& view, double pieceTurnDeg = 0.0)
    {
        painterOn->save();
        painterOn->setClipRect(QRectF(view.left, view.top, view.right - view.left, view.bottom - view.top),
                            Qt::IntersectClip);
        std::vector<OutlineClip> clips; // the batch's clipped dots point into these
        clips.reserve(s.clips.size());
        for (const std::vector<scene::Point>& outline : s.clips)
            clips.emplace_back(outline);
        DotBatch dots{*painterOn, *device, {}};
        const PdfPainter draw{*painterOn, view, dots, clips, frame.turnDeg + pieceTurnDeg};
        std::size_t i = 0;
        for (const scene::Layer& layer : s.layers) {
            const bool shown = sheets.layers.count(layer.kind) > 0;
            for (const scene::Item& item : layer.items)
                if (bounds[i++].meets(view) && shown)
                    std::visit(draw, item);
            dots.flush();
        }
        painterOn->restore();
    }

    /// The template on a page of its own size, or tiled over sheets.
    void tile(const TemplateDrawing& t)
    {
        const scene::Scene& s = t.scene;
        const PageLayout layout = layoutPages(s.width, s.height, sheets.paper);
        pages += static_cast<int>(layout.tiles.size());
        if (!device)
            return;
        const std::vector<Box> bounds = boundsOf(s);
        for (const Tile& tile : layout.tiles) {
            const double shownW = std::min(tile.width, s.width - tile.x), shownH = std::min(tile.height, s.height - tile.y);
            startPage(layout, pdfRectOf(layout, layout.contentLeft, layout.contentTop, layout.contentLeft + shownW,
                                        layout.contentTop + shownH));
            if (layout.tiled && marks()) {
                drawCropMarks(*painterOn, layout);
                drawOverlapMarks(*painterOn, layout, tile);
                const SheetWords& words = wordsIn(sheets.language);
                drawFooter(*painterOn, layout, frame,
                           QString::fromStdString(captionIn(t, sheets.language) + ", " + kEquinox + "  |  " + t.name)
                               + QStringLiteral("  |  ")
                               + QString::fromUtf8(words.rowColumn)
                                     .arg(tile.row + 1)
                                     .arg(layout.rows)
                                     .arg(tile.column + 1)
                                     .arg(layout.columns),
                           words);
            }
            painterOn->save();
            painterOn->setClipRect(QRectF(layout.contentLeft, layout.contentTop, shownW, shownH));
            painterOn->translate(layout.contentLeft - tile.x, layout.contentTop - tile.y);
            drawScene(s, bounds, Box{tile.x, tile.y, tile.x + tile.width, tile.y + tile.height});
            painterOn->restore();
        }
    }

    /// Packs the held pieces on as few sheets as it can, portrait or landscape, and draws them:
    /// all, or unless `all` every sheet but the last, whose pieces stay held to be packed with the
    /// next ones; a piece that fits only the other way round is tiled on a sheet of its own.
    void packQueued(bool all)
    {
        if (queued.empty())
            return;
        std::vector<PackSize> sizes;
        for (const Piece& piece : queued)
            sizes.push_back(piece.size);
        struct Packing
        {
            PageLayout sheet;
            std::vector<Placement> placed;
            int sheets = 0, unplaced = 0;
        };
        const auto pack = [&](bool landscape) {
            Packing k{sheetOf(*sheets.paper, landscape), {}, 0, 0};
            // Pieces keep their bleed on both sides of a gap: the gap between two is twice it.
            k.placed = packSheets(sizes, k.sheet.contentWidth, k.sheet.contentHeight, 0.0, k.sheets);
            for (const Placement& q : k.placed)
                k.unplaced += q.sheet < 0;
            return k;
        };
        const Packing portrait = pack(false), landscape = pack(true);
        const Packing& best =
            landscape.sheets + landscape.unplaced < portrait.sheets + portrait.unplaced ? landscape : portrait;
        batched = batched || !all;
        const int painted = all || best.sheets < 2 ? best.sheets : best.sheets - 1;
        const PageLayout& l = best.sheet;
        pages += painted;
        for (int sheet = 0; device && sheet < painted; ++sheet) {
            QStringList captions;
            double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
            for (std::size_t i = 0; i < queued.size(); ++i)
                if (best.placed[i].sheet == sheet) {
                    captions << QString::fromStdString(captionIn(queued[i].t, sheets.language));
                    const Placement& q = best.placed[i];
                    const double w = q.turned ? sizes[i].height : sizes[i].width;
                    const double h = q.turned ? sizes[i].width : sizes[i].height;
                    left = std::min(left, l.contentLeft + q.x), top = std::min(top, l.contentTop + q.y);
                    right = std::max(right, l.contentLeft + q.x + w), bottom = std::max(bottom, l.contentTop + q.y + h);
                }
            startPage(l, pdfRectOf(l, left, top, right, bottom));
            ++packedSheets;
            if (marks()) {
                drawCropMarks(*painterOn, l);
                const SheetWords& words = wordsIn(sheets.language);
                const QString number = batched ? QString::fromUtf8(words.sheet).arg(packedSheets)
                                               : QString::fromUtf8(words.sheetOf).arg(sheet + 1).arg(best.sheets);
                drawFooter(*painterOn, l, frame,
                           number + QStringLiteral(", %1  |  ").arg(QLatin1String(kEquinox))
                               + captions.join(QStringLiteral("; ")),
                           words);
            }
            for (std::size_t i = 0; i < queued.size(); ++i) {
                const Placement& q = best.placed[i];
                if (q.sheet != sheet)
                    continue;
                const Box& b = queued[i].box;
                painterOn->save();
                painterOn->translate(l.contentLeft + q.x, l.contentTop + q.y);
                if (q.turned) {
                    // A quarter turn clockwise on paper: the piece's top edge becomes its right edge.
                    painterOn->translate(sizes[i].height, 0);
                    painterOn->rotate(90);
                }
                painterOn->translate(-b.left, -b.top);
                drawScene(queued[i].t.scene, boundsOf(queued[i].t.scene), b, q.turned ? 90.0 : 0.0);
                queued[i].t.scene = {}; // drawn: its memory goes now, not with the batch
                painterOn->restore();
            }
        }
        for (std::size_t i = 0; i < queued.size(); ++i)
            if (best.placed[i].sheet < 0)
                tile(queued[i].t);
        // The pieces of the sheet not painted stay, in the order they came.
        std::size_t kept = 0;
        queuedArea = 0.0;
        for (std::size_t i = 0; i < queued.size(); ++i)
            if (best.placed[i].sheet >= painted) {
                queuedArea += sizes[i].width * sizes[i].height;
                if (kept != i)
                    queued[kept] = std::move(queued[i]);
                ++kept;
            }
        queued.erase(queued.begin() + static_cast<std::ptrdiff_t>(kept), queued.end());
    }
};

SheetPainter::SheetPainter(SheetOptions sheets, SheetDevice& device, PackBatch batch)
    : m_impl(std::make_unique<Impl>(std::move(sheets), &device, batch))
{
}

SheetPainter::SheetPainter(SheetOptions sheets, PackBatch batch)
    : m_impl(std::make_unique<Impl>(std::move(sheets), nullptr, batch))
{
}

SheetPainter::~SheetPainter() = default;

void SheetPainter::add(TemplateDrawing t)
{
    Impl& d = *m_impl;
    if (d.sheets.paper && d.sheets.pack) {
        const Box b = pieceBoxOf(t.scene, d.sheets.bleed);
        const PackSize size{b.right - b.left, b.bottom - b.top};
        const PageLayout portrait = sheetOf(*d.sheets.paper, false), landscape = sheetOf(*d.sheets.paper, true);
        if (fitsSheet(size, portrait.contentWidth, portrait.contentHeight)
            || fitsSheet(size, landscape.contentWidth, landscape.contentHeight)) {
            d.queued.push_back({std::move(t), b, size});
            d.queuedArea += size.width * size.height;
            d.mostHeld = std::max(d.mostHeld, d.queued.size());
            // More than a sheet's area takes two sheets at least, so a batch paints one at least.
            const double sheet = portrait.contentWidth * portrait.contentHeight;
            if (d.queuedArea > d.batch.sheets * sheet || (d.queued.size() >= d.batch.pieces && d.queuedArea > sheet))
                d.packQueued(false);
            return;
        }
    }
    d.tile(t);
}

void SheetPainter::finish() { m_impl->packQueued(true); }

int SheetPainter::pages() const { return m_impl->pages; }

std::size_t SheetPainter::mostHeld() const { return m_impl->mostHeld; }

int countSheets(const TemplateList& templates, const SheetOptions& sheets)
{
    SheetPainter layout(sheets);
    for (const TemplateDrawing& t : templates)
        layout.add(t);
    layout.finish();
    return layout.pages();
}

} // namespace exporter
