#include "export/renderers.h"

#include "appdata/version.h"
#include "export/atomic_file.h"
#include "text/input_error.h"
#include "text/message_text.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cassert>
#include <cmath>
#include <limits>

namespace exporter {

namespace {

/// Device resolution of the PDF; the drawing itself stays vector graphics.
constexpr int kPdfResolution = 1200;
constexpr double kPxPerCm = kPdfResolution / 2.54;
constexpr double kMarkLength = 0.5, kMarkGap = 0.1, kMarkWidth = 0.02;

QColor toQColor(canvas::Rgb c) { return QColor(c.r, c.g, c.b); }

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

/// Draws scene items with the painter already in template centimetres.
struct PdfPainter
{
    QPainter& p;
    Box view; ///< the part of the template this page shows

    void operator()(const scene::Dot& d) const
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
    /// its pattern where the run has got to there, so the dashes keep their places across pages.
    void operator()(const scene::Path& path) const
    {
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
        p.setBrush(Qt::NoBrush);
        QPolygonF poly;
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
                    double along = 0.0; // the run's length up to the stretch, in pen widths
                    for (std::size_t i = 0; i < (start + k) % segments; ++i)
                        along += std::hypot(run[i + 1].x - run[i].x, run[i + 1].y - run[i].y);
                    pen.setDashOffset(along / width);
                    p.setPen(pen);
                }
                poly.clear();
                poly << single(run[(start + k) % n]);
                for (; k < segments && shown((start + k) % segments); ++k)
                    poly << single(run[(start + k + 1) % n]);
                p.drawPolyline(poly);
            }
        }
    }

    /// In device pixels, where the font's point size is real size; rotated, never mirrored.
    void operator()(const scene::Text& t) const
    {
        if (t.text.empty())
            return;
        const QPointF at = p.transform().map(single(t.at));
        p.save();
        p.resetTransform();
        QFont font = t.family.empty() ? p.font() : QFont(QString::fromStdString(t.family));
        font.setPointSizeF(t.sizePt);
        p.setFont(font);
        p.setPen(toQColor(t.color));
        p.translate(at);
        p.rotate(t.rotationDeg);
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

void drawScaleBar(QPainter& p, const PageLayout& l)
{
    // Half a centimetre in from the crop mark of the lower left corner, so the two stay apart.
    const double y = l.pageHeight - kPageMargin - 0.7;
    const double x0 = l.contentLeft + 0.5;
    p.setPen(QPen(Qt::black, kMarkWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x0, y), QPointF(x0 + kScaleBarLength, y));
    for (int i = 0; i <= static_cast<int>(kScaleBarLength); ++i) {
        const double tick = i % 5 == 0 ? 0.3 : 0.15;
        p.drawLine(QPointF(x0 + i, y), QPointF(x0 + i, y - tick));
    }
    p.save();
    p.resetTransform();
    QFont font = p.font();
    font.setPointSizeF(7.0);
    p.setFont(font);
    p.drawText(QPointF((x0 + kScaleBarLength + 0.3) * kPxPerCm, y * kPxPerCm),
               QStringLiteral("10 cm: measure to check the print is not scaled"));
    p.restore();
}

void drawLabel(QPainter& p, const PageLayout& l, const QString& label)
{
    p.save();
    p.resetTransform();
    QFont font = p.font();
    font.setPointSizeF(8.0);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPointF(l.contentLeft * kPxPerCm, (l.pageHeight - kPageMargin + 0.1) * kPxPerCm), label);
    p.restore();
}

QPageSize pageSizeOf(const PageLayout& l)
{
    return QPageSize(QSizeF(l.pageWidth * 10.0, l.pageHeight * 10.0), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

} // namespace

struct PdfBook::Impl
{
    std::optional<PaperSize> paper;
    AtomicFile file;
    std::unique_ptr<QPdfWriter> writer; ///< on `file`; ended before it
    QPainter painter;
    int pages = 0;

    Impl(const std::string& path, const std::optional<PaperSize>& s) : paper(s), file(path) {}

    void startPage(const PageLayout& layout)
    {
        writer->setPageSize(pageSizeOf(layout));
        writer->setPageMargins(QMarginsF(0, 0, 0, 0));
        if (pages == 0) {
            if (!painter.begin(writer.get()))
                throw text::InputError(text::escapedForMessage(file.path()) + ": the PDF cannot be started.");
        } else {
            writer->newPage();
        }
        ++pages;
        painter.resetTransform();
        painter.scale(kPxPerCm, kPxPerCm);
    }

    /// Ends the painter and the writer, so the whole document is in `file`.
    void finish()
    {
        if (painter.isActive())
            painter.end();
        writer.reset();
    }
};

PdfBook::PdfBook(const std::string& path, const std::optional<PaperSize>& paper)
    : m_impl(std::make_unique<Impl>(path, paper))
{
    m_impl->file.start();
    m_impl->writer = std::make_unique<QPdfWriter>(&m_impl->file);
    QPdfWriter& w = *m_impl->writer;
    w.setResolution(kPdfResolution);
    w.setCreator(QStringLiteral("orbweave-export ") + QLatin1String(appdata::kVersion));
    w.setTitle(QStringLiteral("Orbweave templates, %1").arg(QLatin1String(kEquinox)));
    w.setPageMargins(QMarginsF(0, 0, 0, 0));
}

PdfBook::~PdfBook()
{
    // Uncommitted: the temporary file goes with the AtomicFile.
    m_impl->finish();
}

void PdfBook::add(const TemplateDrawing& t)
{
    Impl& d = *m_impl;
    assert(d.writer && "add after commit");
    const scene::Scene& s = t.scene;
    const PageLayout layout = layoutPages(s.width, s.height, d.paper);

    std::vector<Box> bounds;
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            bounds.push_back(std::visit(BoundsOf{}, item));

    QPainter& p = d.painter;
    for (const Tile& tile : layout.tiles) {
        d.startPage(layout);
        if (layout.tiled) {
            drawCropMarks(p, layout);
            drawOverlapMarks(p, layout, tile);
            drawScaleBar(p, layout);
            const QString label = QString::fromStdString(templateTitle(t) + "  |  " + t.name)
                                  + QStringLiteral("  |  row %1 of %2, column %3 of %4")
                                        .arg(tile.row + 1)
                                        .arg(layout.rows)
                                        .arg(tile.column + 1)
                                        .arg(layout.columns);
            drawLabel(p, layout, label);
        }
        p.save();
        const QRectF content(layout.contentLeft, layout.contentTop, layout.contentWidth, layout.contentHeight);
        p.setClipRect(content.intersected(
            QRectF(layout.contentLeft, layout.contentTop, s.width - tile.x, s.height - tile.y)));
        p.translate(layout.contentLeft - tile.x, layout.contentTop - tile.y);
        const Box view{tile.x, tile.y, tile.x + tile.width, tile.y + tile.height};
        const PdfPainter draw{p, view};
        std::size_t i = 0;
        for (const scene::Layer& layer : s.layers)
            for (const scene::Item& item : layer.items)
                if (bounds[i++].meets(view))
                    std::visit(draw, item);
        p.restore();
    }
}

int PdfBook::commit()
{
    Impl& d = *m_impl;
    assert(d.writer && "commit twice");
    const int pages = d.pages;
    d.finish();
    if (pages == 0)
        throw text::InputError(text::escapedForMessage(d.file.path()) + ": there is nothing to write.");
    d.file.commit();
    return pages;
}

int writePdf(const TemplateList& templates, const std::string& path, const std::optional<PaperSize>& paper,
             const ProgressFn& progress)
{
    PdfBook book(path, paper);
    for (std::size_t i = 0; i < templates.size(); ++i) {
        book.add(templates[i]);
        if (progress)
            progress(i);
    }
    return book.commit();
}

} // namespace exporter
