#include "export/renderers.h"

#include "appdata/version.h"
#include "text/input_error.h"

#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace exporter {

namespace {

/// Device resolution of the PDF; the drawing itself stays vector graphics.
constexpr int kPdfResolution = 1200;
constexpr double kMarkLength = 0.5, kMarkGap = 0.1, kMarkWidth = 0.02;

QColor toQColor(canvas::Rgb c) { return QColor(c.r, c.g, c.b); }

struct Box
{
    double left, top, right, bottom;
    bool meets(const Box& o) const { return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom; }
};

Box boundsOf(const Dot& d)
{
    const double r = std::max(d.radius, kMinPrintRadius) + kPrintLineWidth;
    return {d.centre.x - r, d.centre.y - r, d.centre.x + r, d.centre.y + r};
}

Box boundsOf(const Segment& s)
{
    return {std::min(s.from.x, s.to.x), std::min(s.from.y, s.to.y), std::max(s.from.x, s.to.x),
            std::max(s.from.y, s.to.y)};
}

Box boundsOf(const Polyline& l)
{
    Box b{l.points[0].x, l.points[0].y, l.points[0].x, l.points[0].y};
    for (const Point& p : l.points)
        b = {std::min(b.left, p.x), std::min(b.top, p.y), std::max(b.right, p.x), std::max(b.bottom, p.y)};
    return b;
}

/// Draws the items that meet `view` with the painter already in template centimetres.
struct PdfPainter
{
    QPainter& p;
    Box view;

    void operator()(const Dot& d) const
    {
        if (!boundsOf(d).meets(view))
            return;
        const double r = std::max(d.radius, kMinPrintRadius);
        if (d.fore != d.fill)
            p.setPen(QPen(toQColor(d.fore), kPrintLineWidth));
        else
            p.setPen(Qt::NoPen);
        p.setBrush(toQColor(d.fill));
        p.drawEllipse(QPointF(d.centre.x, d.centre.y), r, r);
    }
    void operator()(const Segment& s) const
    {
        if (!boundsOf(s).meets(view))
            return;
        p.setPen(QPen(toQColor(s.color), kPrintLineWidth, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
    }
    void operator()(const Polyline& l) const
    {
        if (!boundsOf(l).meets(view))
            return;
        QPolygonF poly;
        poly.reserve(static_cast<int>(l.points.size()));
        for (const Point& pt : l.points)
            poly << QPointF(pt.x, pt.y);
        p.setPen(QPen(toQColor(l.color), kPrintLineWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(poly);
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

void drawScaleBar(QPainter& p, const PageLayout& l, double pxPerCm)
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
    p.drawText(QPointF((x0 + kScaleBarLength + 0.3) * pxPerCm, y * pxPerCm),
               QStringLiteral("10 cm: measure to check the print is not scaled"));
    p.restore();
}

void drawLabel(QPainter& p, const PageLayout& l, const QString& label, double pxPerCm)
{
    p.save();
    p.resetTransform();
    QFont font = p.font();
    font.setPointSizeF(8.0);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPointF(l.contentLeft * pxPerCm, (l.pageHeight - kPageMargin + 0.1) * pxPerCm), label);
    p.restore();
}

QPageSize pageSizeOf(const PageLayout& l)
{
    return QPageSize(QSizeF(l.pageWidth * 10.0, l.pageHeight * 10.0), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

} // namespace

int writePdf(const TemplateList& templates, const std::string& path, const std::optional<PaperSize>& paper,
             const ProgressFn& progress)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw text::InputError(path + ": cannot be written (" + file.errorString().toStdString() + ").");
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("orbweave-export ") + QLatin1String(appdata::kVersion));
        writer.setTitle(QStringLiteral("Orbweave templates"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        const double pxPerCm = kPdfResolution / 2.54;

        QPainter painter;
        for (std::size_t ti = 0; ti < templates.size(); ++ti) {
            const TemplateDrawing& t = templates[ti];
            const DisplayList list = makeDisplayList(t.drawing);
            const PageLayout layout = layoutPages(list.width, list.height, paper);
            for (const Tile& tile : layout.tiles) {
                if (pages == 0) {
                    writer.setPageSize(pageSizeOf(layout));
                    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
                    if (!painter.begin(&writer))
                        throw text::InputError(path + ": the PDF cannot be started.");
                } else {
                    writer.setPageSize(pageSizeOf(layout));
                    writer.newPage();
                }
                ++pages;
                painter.resetTransform();
                painter.scale(pxPerCm, pxPerCm);
                painter.setRenderHint(QPainter::Antialiasing, true);
                if (layout.tiled) {
                    drawCropMarks(painter, layout);
                    drawOverlapMarks(painter, layout, tile);
                    drawScaleBar(painter, layout, pxPerCm);
                    const QString label =
                        QString::fromStdString(t.caption + "  |  " + t.name) + QStringLiteral("  |  row %1 of %2, column %3 of %4")
                                                                                    .arg(tile.row + 1)
                                                                                    .arg(layout.rows)
                                                                                    .arg(tile.column + 1)
                                                                                    .arg(layout.columns);
                    drawLabel(painter, layout, label, pxPerCm);
                }
                painter.save();
                const QRectF content(layout.contentLeft, layout.contentTop, layout.contentWidth, layout.contentHeight);
                const QRectF visible = content.intersected(
                    QRectF(layout.contentLeft, layout.contentTop, list.width - tile.x, list.height - tile.y));
                painter.setClipRect(visible);
                painter.translate(layout.contentLeft - tile.x, layout.contentTop - tile.y);
                const PdfPainter draw{painter, {tile.x, tile.y, tile.x + tile.width, tile.y + tile.height}};
                for (const Item& item : list.items)
                    std::visit(draw, item);
                painter.restore();
            }
            if (progress)
                progress(ti);
        }
        if (pages > 0)
            painter.end();
    }
    if (pages == 0) {
        file.cancelWriting();
        throw text::InputError(path + ": there is nothing to write.");
    }
    if (!file.commit())
        throw text::InputError(path + ": cannot be written (" + file.errorString().toStdString() + ").");
    return pages;
}

} // namespace exporter
