#include "export/renderers.h"

#include "appdata/version.h"
#include "export/atomic_file.h"
#include "export/pdf_box_stream.h"
#include "export/sheet_painter.h"
#include "text/input_error.h"
#include "text/message_text.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QStringList>

#include <cassert>
#include <cmath>
#include <limits>
#include <map>

namespace exporter {

namespace {

/// Device resolution of the PDF; the drawing itself stays vector graphics.
constexpr int kPdfResolution = 1200;
constexpr double kPxPerCm = kPdfResolution / 2.54;

QPageSize pageSizeOf(const PageLayout& l)
{
    return QPageSize(QSizeF(l.pageWidth * 10.0, l.pageHeight * 10.0), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

} // namespace

std::set<scene::LayerKind> allLayerKinds()
{
    return {scene::LayerKind::Print, scene::LayerKind::Cut, scene::LayerKind::Score, scene::LayerKind::Marks};
}

scene::Scene keepLayers(const scene::Scene& s, const std::set<scene::LayerKind>& kinds)
{
    scene::Scene out;
    out.width = s.width;
    out.height = s.height;
    out.clips = s.clips;
    for (const scene::Layer& layer : s.layers)
        if (kinds.count(layer.kind))
            out.layers.push_back(layer);
    return out;
}

struct PdfBook::Impl : SheetDevice
{
    SheetOptions sheets;
    AtomicFile file;
    PdfBoxStream stream{file}; ///< into `file`, giving each page its exact boxes
    std::unique_ptr<QPdfWriter> writer; ///< on `stream`
    QPainter painter;
    int pages = 0;
    SheetPainter sheetPainter{sheets, *this};

    Impl(const std::string& path, SheetOptions s) : sheets(std::move(s)), file(path) {}

    QPainter& startPage(const PageLayout& layout, const PdfRect& trim) override
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
        stream.addPage({pointsOf(layout.pageWidth), pointsOf(layout.pageHeight), trim});
        painter.resetTransform();
        return painter;
    }
    double pixelsPerCm() const override { return kPxPerCm; }

    /// Ends the painter and the writer, so the whole document has gone into `stream`.
    void finish()
    {
        if (painter.isActive())
            painter.end();
        writer.reset();
    }
};

PdfBook::PdfBook(const std::string& path, const std::optional<PaperSize>& paper)
    : PdfBook(path, SheetOptions{paper, false, 0.0, allLayerKinds()})
{
}

PdfBook::PdfBook(const std::string& path, const SheetOptions& sheets) : m_impl(std::make_unique<Impl>(path, sheets))
{
    m_impl->file.start();
    m_impl->writer = std::make_unique<QPdfWriter>(&m_impl->stream);
    QPdfWriter& w = *m_impl->writer;
    w.setResolution(kPdfResolution);
    w.setCreator(QStringLiteral("orbweave-export ") + QLatin1String(appdata::kVersion));
    w.setTitle(QStringLiteral("Orbweave templates, %1").arg(QLatin1String(kEquinox)));
    w.setPageMargins(QMarginsF(0, 0, 0, 0));
}

PdfBook::~PdfBook()
{
    // Uncommitted: the temporary file goes first, before the writer spends time ending a
    // document nobody will read.
    m_impl->file.discard();
    m_impl->finish();
}

void PdfBook::add(TemplateDrawing t)
{
    Impl& d = *m_impl;
    assert(d.writer && "add after commit");
    d.sheetPainter.add(std::move(t));
}

int PdfBook::commit()
{
    Impl& d = *m_impl;
    assert(d.writer && "commit twice");
    d.sheetPainter.finish();
    const int pages = d.pages;
    // The last page, the fonts and the cross-reference table wait for the offsets to be mended.
    d.stream.holdTail();
    d.finish();
    if (pages == 0)
        throw text::InputError(text::escapedForMessage(d.file.path()) + ": there is nothing to write.");
    if (!d.stream.finish())
        throw text::InputError(text::escapedForMessage(d.file.path()) + ": the PDF could not be written (unexpected in "
                               + "Qt's PDF output: " + d.stream.fault() + ").");
    d.file.commit();
    return pages;
}

int writePdf(const TemplateList& templates, const std::string& path, const std::optional<PaperSize>& paper,
             const ProgressFn& progress)
{
    return writePdf(templates, path, SheetOptions{paper, false, 0.0, allLayerKinds()}, progress);
}

int writePdf(const TemplateList& templates, const std::string& path, const SheetOptions& sheets,
             const ProgressFn& progress)
{
    PdfBook book(path, sheets);
    for (std::size_t i = 0; i < templates.size(); ++i) {
        book.add(templates[i]);
        if (progress)
            progress(i);
    }
    return book.commit();
}

} // namespace exporter
