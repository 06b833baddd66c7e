#include "render/renderers.h"

#include "canvas/raster_canvas.h"
#include "canvas/solid_blocks.h"
#include "render/atomic_file.h"
#include "render/bitmap_file.h"
#include "render/disc_fill.h"
#include "render/pixel_fill.h"
#include "scene/canvas_renderer.h"
#include "text/input_error.h"
#include "text/message_text.h"
#include "text/number_text.h"

#include <QPainter>

#include <algorithm>
#include <bit>
#include <cassert>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <unistd.h>
#include <vector>

namespace exporter {

namespace {

/// Header of the bitmaps written: file header and information header.
constexpr std::uint64_t kBitmapHeaderBytes = 14 + 40;

QColor toQColor(canvas::Rgb c) { return QColor(c.r, c.g, c.b); }

/// The white pictures above 96 dpi are whitened in, as their pixels read.
constexpr QRgb kWhitePixel = 0xffffffff;

/// Pixels along a side of `cm` at `dpi` as rasterImage takes it.
std::int64_t sidePixelsAt(double cm, double dpi)
{
    if (dpi == canvas::kDotsPerInch)
        return canvas::sidePixels(static_cast<float>(cm));
    const double px = std::round(cm * (dpi / 2.54));
    return px > 0.0 ? static_cast<std::int64_t>(std::min(px, 9.0e15)) : 0;
}

std::uint64_t physicalMemoryBytes()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0)
        return UINT64_MAX;
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

bool fits(const BitmapSize& s)
{
    return s.width <= INT32_MAX && s.height <= INT32_MAX && s.fileBytes <= kMaxBitmapFileBytes
           && s.imageBytes <= physicalMemoryBytes() / 2;
}

std::string megabytes(std::uint64_t bytes) { return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB"; }

/// A DrawingCanvas at `dpi` that paints as RasterCanvas does at 96 dpi, every pixel scaled:
/// lines as thick as a 96-dpi pixel scaled, dots under such a pixel as that pixel scaled.
class ScaledCanvas : public canvas::DrawingCanvas
{
public:
    ScaledCanvas(QImage& image, double dpi)
        : m_image(image), m_pxPerCm(dpi / 2.54),
          m_thick(std::max(1, static_cast<int>(std::lround(dpi / canvas::kDotsPerInch)))), m_painter(&image),
          m_rows(image), m_solid(3 + std::bit_width(static_cast<unsigned>(m_thick)) - 1)
    {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_solid.reset(image.width(), image.height());
    }
    ~ScaledCanvas() override { finish(); }

    /// Sets the dots still held back and whitens the rows still waiting: the picture is then
    /// complete.
    void finish()
    {
        setHeldDots();
        whitenTo(m_image.height());
    }

    void setWidth(float) override { assert(!"the scaled canvas keeps the image's size"); }
    void setHeight(float) override { assert(!"the scaled canvas keeps the image's size"); }
    float width() const override { return static_cast<float>(m_image.width() / m_pxPerCm); }
    float height() const override { return static_cast<float>(m_image.height() / m_pxPerCm); }
    void Cls() override
    {
        // The picture is whitened a few rows at a time just before the first dot is set in them,
        // so that the dots are set in memory at hand rather than in a picture long written out of
        // the processor's caches; anything the painter draws whitens the whole picture first.
        m_held.clear();
        m_whiteFrom = 0;
        m_solid.reset(m_image.width(), m_image.height(), kWhitePixel);
    }
    void setForeColor(canvas::Rgb color) override { m_fore = color; }
    void setFillColor(canvas::Rgb color) override { m_fill = color; }

    void Line(float x1, float y1, float x2, float y2, std::optional<canvas::Rgb> color) override
    {
        finish();
        usePen(color.value_or(m_fore));
        const QPointF from = at(x1, y1), to = at(x2, y2);
        m_painter.drawLine(from, to);
        const QRectF span = QRectF(from, to).normalized().adjusted(-m_thick, -m_thick, m_thick, m_thick);
        m_solid.drawn(canvas::SolidBlocks::reach(span), std::nullopt);
    }

    void Circle(float x, float y, float radius) override
    {
        const QPointF centre = at(x, y);
        // A dot wholly beside the picture (half of a gore half's dots lie on the other half) sets
        // no pixel: it is not handed to the painter. The reach is generous: whole pixels and the
        // outline's width beyond the radius.
        const double reach = std::max(static_cast<double>(radius), 0.0) * m_pxPerCm + 2.0 * m_thick + 2.0;
        if (!(centre.x() + reach >= 0.0 && centre.x() - reach <= m_image.width() && centre.y() + reach >= 0.0
              && centre.y() - reach <= m_image.height()))
            return;
        if (canvas::centimetresToPixels(radius) < 1.0) {
            // As the window marks a dot under one pixel: a single pixel, here scaled.
            const int px = static_cast<int>(std::floor(centre.x() - (m_thick - 1) / 2.0));
            const int py = static_cast<int>(std::floor(centre.y() - (m_thick - 1) / 2.0));
            hold({static_cast<double>(px), static_cast<double>(py), 0.0}, m_fore);
            return;
        }
        const double r = radius * m_pxPerCm;
        if (m_fore == m_fill) {
            // Outline and inside of one colour: one disc out to the outline's outer edge, filled
            // without stroking the outline's curves (most of a bitmap's time at high resolutions),
            // its pixels set straight where they are sure to be the painter's.
            hold({centre.x(), centre.y(), r + m_thick / 2.0}, m_fill);
            return;
        }
        finish();
        usePen(m_fore);
        useBrush(m_fill);
        m_painter.drawEllipse(centre, r, r);
        m_solid.drawn(canvas::SolidBlocks::reach(centre, r + m_thick), std::nullopt);
    }

    void SavePicture(const std::string& path) const override
    {
        // What is drawn includes the dots held back.
        const_cast<ScaledCanvas*>(this)->finish();
        writeBitmapAtomically(path, m_image);
    }

private:
    /// A dot of one colour held back: a square of the scaled pixel at x, y (its corner), or with a
    /// radius a disc about x, y, pixels.
    struct HeldDot
    {
        double x, y, radius;
        double top() const { return y - radius; }
    };

    /// Holds `dot` back to be set with the others of `colour`: dots of one colour set the same
    /// pixels in any order, and set row by row they are set from memory at hand rather than
    /// from all over a picture far larger than the processor's caches.
    void hold(const HeldDot& dot, canvas::Rgb colour)
    {
        if (!m_held.empty() && colour != m_heldColour)
            setHeldDots();
        m_heldColour = colour;
        m_held.push_back(dot);
    }

    /// Sets the dots held back, by bands of rows from the top.
    void setHeldDots()
    {
        if (m_held.empty())
            return;
        constexpr int kBandRows = 8;
        const std::size_t bands = static_cast<std::size_t>(m_image.height()) / kBandRows + 1;
        const auto bandOf = [&](const HeldDot& d) {
            const double top = std::clamp(d.top(), 0.0, static_cast<double>(m_image.height()));
            return std::min(bands - 1, static_cast<std::size_t>(top) / kBandRows);
        };
        std::vector<std::size_t> start(bands + 1, 0);
        for (const HeldDot& d : m_held)
            ++start[bandOf(d) + 1];
        for (std::size_t b = 0; b < bands; ++b)
            start[b + 1] += start[b];
        m_sorted.resize(m_held.size());
        for (const HeldDot& d : m_held)
            m_sorted[start[bandOf(d)]++] = d;
        m_held.clear();

        const QRgb colour = qRgb(m_heldColour.r, m_heldColour.g, m_heldColour.b);
        for (const HeldDot& d : m_sorted) {
            // Below the lowest row a dot can reach (the painter's disc goes at most a row past its
            // radius), with some rows to spare for the dots that follow.
            const double reach = d.radius == 0.0 ? d.y + m_thick : d.y + d.radius + 2.0;
            if (reach >= m_whiteFrom)
                whitenTo(static_cast<int>(std::min(reach + kBandRows, static_cast<double>(m_image.height()))));
            if (d.radius == 0.0) {
                const int x = static_cast<int>(d.x), y = static_cast<int>(d.y);
                fillPixels(m_rows, QRect(x, y, m_thick, m_thick), colour);
                m_solid.drawn(canvas::SolidBlocks::Box{x, y, x + m_thick, y + m_thick}, colour);
                continue;
            }
            // Left out where every pixel it could set has its colour already. The blocks looked
            // at for that are whitened first: below the rows whitened lies the picture before.
            const auto box = canvas::SolidBlocks::reach(QPointF(d.x, d.y), d.radius);
            if (box)
                whitenTo(std::min(box->bottom + m_solid.side(), m_image.height()));
            if (m_solid.allOf(m_image, box, colour))
                continue;
            if (!m_discs.fill(m_rows, d.x, d.y, d.radius, colour)) {
                usePen(std::nullopt);
                useBrush(m_heldColour);
                m_painter.drawEllipse(QPointF(d.x, d.y), d.radius, d.radius);
            }
            m_solid.drawn(box, colour);
        }
    }

    /// Whitens the rows from the first still waiting up to (not including) `row`.
    void whitenTo(int row)
    {
        if (row <= m_whiteFrom)
            return;
        fillPixels(m_rows, QRect(0, m_whiteFrom, m_image.width(), row - m_whiteFrom), kWhitePixel);
        m_whiteFrom = row;
    }

    QPointF at(float x, float y) const { return QPointF(x * m_pxPerCm, y * m_pxPerCm); }

    /// Sets the painter's pen (none for no colour) only when it changes: each change costs the
    /// painter a new setup of its spans, which a dot's few pixels do not repay.
    void usePen(std::optional<canvas::Rgb> color)
    {
        if (m_penSet && m_pen == color)
            return;
        m_painter.setPen(color ? QPen(toQColor(*color), m_thick) : QPen(Qt::NoPen));
        m_pen = color;
        m_penSet = true;
    }
    /// Sets the painter's brush only when its colour changes.
    void useBrush(canvas::Rgb color)
    {
        if (m_brush == color)
            return;
        m_painter.setBrush(QBrush(toQColor(color)));
        m_brush = color;
    }

    QImage& m_image;
    double m_pxPerCm;
    int m_thick;
    QPainter m_painter;
    PixelRows m_rows; ///< the picture's pixels as the painter holds them
    /// The discs' outlines, kept for every picture the thread draws.
    static thread_local DiscFill m_discs;
    std::vector<HeldDot> m_held, m_sorted;
    /// Which parts of the picture are known to be of one colour, in blocks about eight 96-dpi
    /// pixels on a side.
    canvas::SolidBlocks m_solid;
    /// The first row not yet whitened since Cls; every row from it on is still to be whitened
    /// before anything is set in it (none before Cls).
    int m_whiteFrom = std::numeric_limits<int>::max();
    canvas::Rgb m_heldColour = canvas::kBlack;
    canvas::Rgb m_fore = canvas::kBlack, m_fill = canvas::kBlack;
    std::optional<canvas::Rgb> m_pen, m_brush; ///< what the painter holds
    bool m_penSet = false;
};

thread_local DiscFill ScaledCanvas::m_discs;

} // namespace

BitmapSize bitmapSize(const scene::Scene& scene, double dpi)
{
    assert(dpi > 0.0);
    BitmapSize s;
    s.width = sidePixelsAt(scene.width, dpi);
    s.height = sidePixelsAt(scene.height, dpi);
    const auto w = static_cast<std::uint64_t>(s.width), h = static_cast<std::uint64_t>(s.height);
    // Saturate rather than wrap: such sizes are refused anyway.
    const bool huge = w > (std::uint64_t(1) << 31) || h > (std::uint64_t(1) << 31);
    s.imageBytes = huge ? UINT64_MAX : 4 * w * h;
    s.fileBytes = huge ? UINT64_MAX : kBitmapHeaderBytes + (3 * w + 3) / 4 * 4 * h;
    return s;
}

std::optional<int> largestBitmapDpi(const scene::Scene& scene, double dpi)
{
    // Pixel counts grow with the resolution, so the dpi that fit form a range from 1 up.
    int low = 0, high = static_cast<int>(std::min(std::floor(dpi), 1.0e9));
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (fits(bitmapSize(scene, mid)))
            low = mid;
        else
            high = mid - 1;
    }
    return low > 0 ? std::optional<int>(low) : std::nullopt;
}

void checkBitmapSize(const scene::Scene& scene, double dpi)
{
    const BitmapSize s = bitmapSize(scene, dpi);
    if (s.width < 1 || s.height < 1)
        throw text::InputError("the bitmap would be " + std::to_string(s.width) + " × " + std::to_string(s.height)
                               + " pixels at " + text::formatGeneral(dpi)
                               + " dpi, too small to hold the drawing; please give a higher resolution.");
    if (fits(s))
        return;
    std::string message = "the bitmap of " + std::to_string(s.width) + " × " + std::to_string(s.height)
                          + " pixels at " + text::formatGeneral(dpi) + " dpi ";
    if (s.fileBytes > kMaxBitmapFileBytes || s.width > INT32_MAX || s.height > INT32_MAX)
        message += "would be a file over the " + megabytes(kMaxBitmapFileBytes) + " a bitmap can hold";
    else
        message += "would take " + megabytes(s.imageBytes) + ", more than half of this computer's memory";
    const std::optional<int> largest = largestBitmapDpi(scene, dpi);
    message += largest ? "; at most " + std::to_string(*largest) + " dpi works for this template."
                       : "; no resolution works for this template.";
    throw text::InputError(message);
}

QImage rasterImage(const scene::Scene& scene, double dpi, PictureStore* store)
{
    checkBitmapSize(scene, dpi);
    const BitmapSize size = bitmapSize(scene, dpi);
    // At 96 dpi the window's canvas draws, in its format; otherwise three bytes a pixel in a
    // bitmap file's own order, written without conversion.
    const bool window = dpi == canvas::kDotsPerInch;
    const QImage::Format format = window ? QImage::Format_RGB32 : QImage::Format_BGR888;
    QImage image = store && size.width > 0 && size.height > 0
                       ? store->picture(static_cast<int>(size.width), static_cast<int>(size.height), format)
                       : QImage(static_cast<int>(size.width), static_cast<int>(size.height), format);
    if (size.width > 0 && size.height > 0 && image.isNull())
        throw text::InputError("the bitmap of " + std::to_string(size.width) + " × " + std::to_string(size.height)
                               + " pixels is too large for this computer's memory.");
    if (image.isNull())
        return image;
    if (window) {
        canvas::RasterCanvas raster(std::move(image));
        scene::drawScene(scene, raster);
        return raster.takeImage();
    }
    const int perMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(perMetre);
    image.setDotsPerMeterY(perMetre);
    {
        ScaledCanvas canvas(image, dpi);
        canvas.Cls();
        scene::drawScene(scene, canvas);
        canvas.finish();
    }
    return image;
}

text::Replacement writeBitmapAtomically(const std::string& path, const QImage& image, bool keepReplaced)
{
    if (image.isNull())
        throw text::InputError(text::escapedForMessage(path)
                               + ": the bitmap cannot be made (the drawing is empty or too large).");
    // Straight into the file: no second copy of a large picture in memory.
    AtomicFile file(path, keepReplaced);
    file.start();
    errno = 0;
    if (!writeBitmapFile(file, image)) {
        // The writer stops at the first failed write; errno still says why.
        const std::string reason = errno != 0 ? std::strerror(errno) : "the bitmap writer stopped";
        throw text::InputError(text::escapedForMessage(path) + ": cannot be written (" + reason + ").");
    }
    return file.commit();
}

} // namespace exporter
