#include "render/renderers.h"

#include "appdata/version.h"
#include "render/atomic_file.h"
#include "render/pdf_box_stream.h"
#include "render/sheet_painter.h"
#include "text/input_error.h"
#include "text/message_text.h"
#include "text/number_text.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QStringList>

#include <QImage>

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <future>
#include <limits>
#include <map>
#include <memory>
#include <new>
#include <stdexcept>
#include <system_error>

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

/// Writes at `at` (room for 33 characters) `v` in the fewest digits that read back as the same
/// single-precision number, and a space; returns the end.
char* putNumber(char* at, double v)
{
    at = text::putShortest(at, static_cast<float>(v));
    *at++ = ' ';
    return at;
}

/// Appends `v` as putNumber writes it.
void appendNumber(std::string& out, double v)
{
    char digits[33];
    out.append(digits, putNumber(digits, v));
}

/// Compression level of the dots' streams: the fastest; digits shrink almost as well at it as at
/// the default.
constexpr int kDotsCompression = 1;

/// Most bytes of drawing one dots form holds before it is compressed: a group of more dots goes
/// on in further forms, so a page of millions of stars is made and written a bounded piece at a
/// time (some 300,000 dots a form).
constexpr std::size_t kFormContent = std::size_t{1} << 24;

/// The form XObject of the drawing `content` whose ink lies within `box` (left, top, right,
/// bottom): its dictionary and its stream, compressed. Libdeflate writes the same zlib stream
/// format as zlib, in half zlib's time at its fastest level.
std::string formOf(const std::string& content, const std::array<double, 4>& box)
{
    const std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> deflate(
        libdeflate_alloc_compressor(kDotsCompression), &libdeflate_free_compressor);
    if (!deflate)
        throw std::bad_alloc();
    std::string packed(libdeflate_zlib_compress_bound(deflate.get(), content.size()), '\0');
    packed.resize(
        libdeflate_zlib_compress(deflate.get(), content.data(), content.size(), packed.data(), packed.size()));
    if (packed.empty())
        throw std::runtime_error("a dots stream could not be compressed");
    std::string form = "<<\n/Type /XObject\n/Subtype /Form\n/BBox [";
    for (const double v : box)
        appendNumber(form, v);
    form += "]\n/Matrix [1 0 0 -1 0 1]\n/Resources << >>\n/Length " + std::to_string(packed.size())
            + "\n/Filter /FlateDecode\n>>\nstream\n";
    form += packed;
    form += "\nendstream\n";
    return form;
}

/// Fewest points of lines drawn as a form of their own: fewer are not worth a form's own bytes
/// and thread.
constexpr qsizetype kLineFormPoints = 128;
/// Room round a form of lines, cm: a pixel at 2.54 dpi.
constexpr double kLineFormMargin = 1.0;

/// The form XObject of `content` within `box`, as formOf makes it, on a thread of its own (here
/// when no thread is to be had).
std::future<std::string> formLater(std::string content, const std::array<double, 4>& box)
{
    const auto drawing = std::make_shared<const std::string>(std::move(content));
    try {
        return std::async(std::launch::async, [drawing, box] { return formOf(*drawing, box); });
    } catch (const std::system_error&) {
        std::promise<std::string> made;
        made.set_value(formOf(*drawing, box));
        return made.get_future();
    }
}

/// `dots` as form XObjects, each a dictionary and stream handed to `put` as soon as its drawing
/// is made, as the future of its compression on a thread of its own (here when no thread is to
/// be had), the dots in the units of the painter that draws the unit square a form stands in for,
/// upside down as Qt draws images; nothing when no dot shows. Each radius is one stroked path of
/// round-capped lines a thousandth of the radius long, as SheetDevice::drawDots draws them,
/// without the colour and pen Qt writes before each path; a clipped dot is such a line within its
/// clip, or within a clip shared by the dots along its cut. A group that fits in one form is one
/// form; past kFormContent the path in hand is stroked and the next form starts with the colour,
/// the clip and the width again.
template <class Put>
void dotForms(const DotGroup& dots, Put&& put)
{
    std::string head = "[] 0 d 1 J ";
    for (const int c : {dots.colour.r, dots.colour.g, dots.colour.b})
        appendNumber(head, c / 255.0);
    head += "RG\n";
    constexpr double inf = std::numeric_limits<double>::infinity();
    double left = inf, top = inf, right = -inf, bottom = -inf;
    std::string content = head;
    const auto finishForm = [&] {
        if (left <= right)
            put(formLater(std::move(content), {left, top, right, bottom}));
        content = head;
        left = top = inf, right = bottom = -inf;
    };
    const auto dot = [&](const QPointF& c, double r) {
        // Put together in one go, as most of a page is dots: four numbers with their spaces, of
        // at most 33 characters' room each, and the two operators.
        char line[4 * 33 + 4];
        char* at = putNumber(putNumber(line, c.x()), c.y());
        *at++ = 'm', *at++ = ' ';
        at = putNumber(putNumber(at, c.x() + r / 1000.0), c.y() + r / 1000.0);
        *at++ = 'l', *at++ = '\n';
        content.append(line, static_cast<std::size_t>(at - line));
        const double reach = r + r / 1000.0;
        left = std::min(left, c.x() - reach), right = std::max(right, c.x() + reach);
        top = std::min(top, c.y() - reach), bottom = std::max(bottom, c.y() + reach);
    };
    const auto width = [&](double r, const char* after) {
        appendNumber(content, 2 * r);
        content += after;
    };
    // Each radius as one stroked path; a form that fills up ends with `close`, and the next starts
    // with `open` and the width again.
    using ByRadius = std::map<double, std::vector<QPointF>>;
    const auto strokes = [&](const ByRadius& byRadius, const std::string& open, const char* close) {
        for (const auto& [r, centres] : byRadius) {
            width(r, "w\n");
            for (const QPointF& c : centres) {
                if (content.size() >= kFormContent) {
                    content += "S\n";
                    content += close;
                    finishForm();
                    content += open;
                    width(r, "w\n");
                }
                dot(c, r);
            }
            content += "S\n";
        }
    };
    strokes(dots.byRadius, "", "");

    // Each clipped dot within the stretch of its cut round it; but where the dots along one cut
    // would repeat more of its vertices than the stretch round them all holds (a gore's edge
    // lined with thousands of stars), they are all drawn within that one stretch, by radius.
    const auto clipPath = [](std::string& out, const std::vector<QPointF>& clip) {
        out += "q ";
        for (std::size_t i = 0; i < clip.size(); ++i) {
            appendNumber(out, clip[i].x());
            appendNumber(out, clip[i].y());
            out += i == 0 ? "m " : "l ";
        }
        out += "h W n";
    };
    std::vector<const OutlineClip*> cuts;
    std::vector<std::vector<std::size_t>> along; // the dots of each cut, in order
    for (std::size_t i = 0, k = 0; i < dots.clipped.size(); ++i) {
        const OutlineClip* cut = dots.clipped[i].cut;
        if (k >= cuts.size() || cuts[k] != cut) { // dots mostly come along one cut after another
            k = static_cast<std::size_t>(std::find(cuts.begin(), cuts.end(), cut) - cuts.begin());
            if (k == cuts.size())
                cuts.push_back(cut), along.emplace_back();
        }
        along[k].push_back(i);
    }
    // The dots' own clips, kept where the dots are drawn within them: along a cut whose stretch
    // they do not pass, every dot's clip has been counted.
    std::vector<std::vector<QPointF>> own(dots.clipped.size());
    for (std::size_t k = 0; k < cuts.size(); ++k) {
        std::array<double, 4> all{inf, inf, -inf, -inf};
        for (const std::size_t i : along[k]) {
            const std::array<double, 4> box = dots.clipped[i].box();
            all = {std::min(all[0], box[0]), std::min(all[1], box[1]), std::max(all[2], box[2]),
                   std::max(all[3], box[3])};
        }
        const std::vector<QPointF> stretch = DotGroup::Clipped::stretch(*cuts[k], all);
        std::size_t vertices = 0; // of the dots' own clips, counted until they pass the stretch's
        for (std::size_t n = 0; n < along[k].size() && vertices <= stretch.size(); ++n) {
            own[along[k][n]] = dots.clipped[along[k][n]].clip();
            vertices += own[along[k][n]].size();
        }
        if (vertices <= stretch.size())
            continue;
        for (const std::size_t i : along[k])
            own[i] = {};
        if (stretch.empty())
            continue; // nothing of these dots shows
        ByRadius byRadius;
        for (const std::size_t i : along[k])
            byRadius[dots.clipped[i].radius].push_back(dots.clipped[i].centre());
        if (content.size() >= kFormContent)
            finishForm();
        std::string open;
        clipPath(open, stretch);
        open += '\n';
        content += open;
        strokes(byRadius, open, "Q\n");
        content += "Q\n";
    }
    for (std::size_t i = 0; i < dots.clipped.size(); ++i) {
        if (own[i].empty())
            continue; // drawn within its cut's stretch, or nothing of it shows
        if (content.size() >= kFormContent)
            finishForm();
        clipPath(content, own[i]);
        content += ' ';
        width(dots.clipped[i].radius, "w ");
        dot(dots.clipped[i].centre(), dots.clipped[i].radius);
        content += "S Q\n";
    }
    finishForm();
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

    /// Puts `form` on the page: Qt's writer is made to draw a one-pixel image in the unit square,
    /// and the stream puts the form in place of the image's object, so the page shows the form
    /// where the image would be.
    void putForm(QPainter& p, std::future<std::string> form)
    {
        // A new image each time: Qt writes an image it has seen before only once.
        QImage pixel(1, 1, QImage::Format_RGB32);
        pixel.fill(Qt::white);
        stream.catchObject();
        p.drawImage(QRectF(0.0, 0.0, 1.0, 1.0), pixel);
        stream.replaceCaughtLater(std::move(form)); // a fault is kept for finish()
    }

    /// The dots as form XObjects of their own, written lean and compressed fast.
    void drawDots(QPainter& p, const DotGroup& dots) override
    {
        dotForms(dots, [&](std::future<std::string> form) { putForm(p, std::move(form)); });
    }

    /// Solid lines of one opaque colour as a form of their own too: Qt compresses a page's own
    /// drawing (mostly the finely drawn cuts) at zlib's default level, in four times the time.
    void strokeRuns(QPainter& p, const std::vector<StrokeRun>& runs, const QPen& pen) override
    {
        qsizetype points = 0;
        for (const StrokeRun& run : runs)
            points += run.points.size();
        // Mitred joins, with their limit, and anything but one opaque colour stay the painter's.
        if (points < kLineFormPoints || pen.isCosmetic() || pen.style() != Qt::SolidLine
            || pen.brush().style() != Qt::SolidPattern || pen.color().alpha() != 255
            || (pen.joinStyle() != Qt::RoundJoin && pen.joinStyle() != Qt::BevelJoin))
            return SheetDevice::strokeRuns(p, runs, pen);
        const int cap = pen.capStyle() == Qt::FlatCap ? 0 : pen.capStyle() == Qt::RoundCap ? 1 : 2;
        const int join = pen.joinStyle() == Qt::RoundJoin ? 1 : 2;
        std::string content = "[] 0 d " + std::to_string(cap) + " J " + std::to_string(join) + " j ";
        for (const double c : {pen.color().redF(), pen.color().greenF(), pen.color().blueF()})
            appendNumber(content, c);
        content += "RG ";
        appendNumber(content, pen.widthF());
        content += "w\n";
        constexpr double inf = std::numeric_limits<double>::infinity();
        std::array<double, 4> box{inf, inf, -inf, -inf};
        for (const StrokeRun& run : runs) {
            for (qsizetype i = 0; i < run.points.size(); ++i) {
                const QPointF& q = run.points[i];
                char line[2 * 33 + 2];
                char* at = putNumber(putNumber(line, q.x()), q.y());
                *at++ = i == 0 ? 'm' : 'l', *at++ = '\n';
                content.append(line, static_cast<std::size_t>(at - line));
                box = {std::min(box[0], q.x()), std::min(box[1], q.y()), std::max(box[2], q.x()), std::max(box[3], q.y())};
            }
            // Each stroked apart, as the painter strokes them: where two meet, both are inked.
            content += run.closed ? "h S\n" : "S\n";
        }
        if (!(box[0] <= box[2]))
            return;
        // Beyond the line's own reach: a viewer widens a hairline to a whole pixel of its own, and
        // the form's box would cut it.
        const double pad = pen.widthF() + kLineFormMargin;
        putForm(p, formLater(std::move(content), {box[0] - pad, box[1] - pad, box[2] + pad, box[3] + pad}));
    }

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
    const int pages = d.sheetPainter.pages();
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
