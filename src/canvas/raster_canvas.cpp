#include "canvas/raster_canvas.h"

#include "text/atomic_file.h"
#include "text/input_error.h"
#include "text/message_text.h"

#include <QBuffer>

#include <QFile>
#include <QPainter>

#include <cassert>
#include <cmath>
#include <utility>

namespace canvas {

namespace {

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

bool inRange(int component) { return component >= 0 && component <= 255; }

QPointF toPixels(float x, float y)
{
    return QPointF(centimetresToPixels(x), centimetresToPixels(y));
}

} // namespace

RasterCanvas::RasterCanvas(float widthCm, float heightCm, Rgb background) : m_background(background)
{
    resize(sidePixels(widthCm), sidePixels(heightCm));
}

RasterCanvas::RasterCanvas(QImage picture, Rgb background)
    : m_image(std::move(picture)), m_widthPx(m_image.width()), m_heightPx(m_image.height()), m_background(background)
{
    assert(!m_image.isNull() && m_image.format() == QImage::Format_RGB32);
    m_image.setDotsPerMeterX(kDotsPerMetre);
    m_image.setDotsPerMeterY(kDotsPerMetre);
    m_image.fill(toQColor(m_background));
    m_solid.reset(m_widthPx, m_heightPx, backgroundPixel());
}

RasterCanvas::~RasterCanvas() { endPainting(); }

void RasterCanvas::resize(int widthPx, int heightPx)
{
    if (!m_image.isNull() && widthPx == m_image.width() && heightPx == m_image.height())
        return;
    endPainting();
    QImage next(widthPx, heightPx, QImage::Format_RGB32);
    if (widthPx > 0 && heightPx > 0 && next.isNull()) {
        const std::string size = std::to_string(widthPx) + " × " + std::to_string(heightPx);
        throw text::InputError(text::Message(text::MessageId::DrawingTooLargeForMemory, {size}));
    }
    next.setDotsPerMeterX(kDotsPerMetre);
    next.setDotsPerMeterY(kDotsPerMetre);
    next.fill(toQColor(m_background));
    const bool blank = m_image.isNull() || next.isNull();
    if (!blank) {
        QPainter copy(&next);
        copy.drawImage(0, 0, m_image);
    }
    m_image = std::move(next);
    // An image with a side of 0 is null and forgets its other side: both are kept here.
    m_widthPx = widthPx;
    m_heightPx = heightPx;
    m_solid.reset(m_image.width(), m_image.height(), blank ? backgroundPixel() : std::nullopt);
}

std::optional<QRgb> RasterCanvas::backgroundPixel() const
{
    if (m_image.isNull())
        return std::nullopt;
    return reinterpret_cast<const QRgb*>(m_image.constScanLine(0))[0];
}

void RasterCanvas::setWidth(float cm) { resize(sidePixels(cm), m_heightPx); }

void RasterCanvas::setHeight(float cm) { resize(m_widthPx, sidePixels(cm)); }

float RasterCanvas::width() const { return static_cast<float>(m_widthPx * 2.54 / kDotsPerInch); }

float RasterCanvas::height() const { return static_cast<float>(m_heightPx * 2.54 / kDotsPerInch); }

void RasterCanvas::Cls()
{
    endPainting();
    m_image.fill(toQColor(m_background));
    m_solid.reset(m_image.width(), m_image.height(), backgroundPixel());
}

void RasterCanvas::setForeColor(Rgb color) { m_fore = color; }

void RasterCanvas::setFillColor(Rgb color) { m_fill = color; }

QPainter& RasterCanvas::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
    return *m_painter;
}

void RasterCanvas::endPainting() const
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

void RasterCanvas::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> color)
{
    if (m_image.isNull())
        return;
    QPainter& p = painter();
    p.setPen(QPen(toQColor(color.value_or(m_fore)), 0));
    const QPointF from = toPixels(x1, y1), to = toPixels(x2, y2);
    p.drawLine(from, to);
    m_solid.drawn(SolidBlocks::reach(QRectF(from, to).normalized()), std::nullopt);
}

void RasterCanvas::Circle(float x, float y, float radius)
{
    if (m_image.isNull())
        return;
    const QPointF centre = toPixels(x, y);
    const double r = centimetresToPixels(radius);
    const bool opaque = inRange(m_fore.r) && inRange(m_fore.g) && inRange(m_fore.b);
    if (r < 1.0) {
        // Too small to outline: the centre pixel alone, in the outline colour; set straight, as
        // the painter sets it, where the colour is one it takes as it is.
        const double px = std::floor(centre.x()), py = std::floor(centre.y());
        if (!(px >= 0 && py >= 0 && px < m_image.width() && py < m_image.height()))
            return;
        const int ix = static_cast<int>(px), iy = static_cast<int>(py);
        const QRgb colour = qRgb(m_fore.r, m_fore.g, m_fore.b);
        if (opaque)
            reinterpret_cast<QRgb*>(m_image.scanLine(iy))[ix] = colour;
        else
            painter().fillRect(QRect(ix, iy, 1, 1), toQColor(m_fore));
        m_solid.drawn(SolidBlocks::Box{ix, iy, ix + 1, iy + 1}, opaque ? std::optional<QRgb>(colour) : std::nullopt);
        return;
    }
    const auto box = SolidBlocks::reach(centre, r);
    // Outline and inside of one colour (stars): left out where every pixel it could set has its
    // colour already, else the painter's own pixels, set without it where they can be.
    const bool oneColour = m_fore == m_fill && opaque;
    const QRgb colour = qRgb(m_fore.r, m_fore.g, m_fore.b);
    if (oneColour && m_solid.allOf(m_image, box, colour))
        return;
    if (!(oneColour && m_dots.fill(m_image, centre.x(), centre.y(), r, colour))) {
        QPainter& p = painter();
        p.setPen(QPen(toQColor(m_fore), 0));
        p.setBrush(QBrush(toQColor(m_fill)));
        p.drawEllipse(centre, r, r);
    }
    m_solid.drawn(box, oneColour ? std::optional<QRgb>(colour) : std::nullopt);
}

void RasterCanvas::SavePicture(const std::string& path) const
{
    endPainting();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!m_image.save(&buffer, "BMP")) {
        throw text::InputError(text::Message(text::MessageId::BitmapCannotBeMade, {text::escapedForMessage(path)}));
    }
    // Written beside its place and renamed over it, so a failed save never leaves half a bitmap.
    text::writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

const QImage& RasterCanvas::image() const
{
    endPainting();
    return m_image;
}

QImage RasterCanvas::takeImage()
{
    endPainting();
    m_widthPx = m_heightPx = 0;
    m_solid.reset(0, 0);
    return std::exchange(m_image, QImage());
}

} // namespace canvas
