#include "export/renderers.h"

#include "canvas/raster_canvas.h"
#include "text/input_error.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace exporter {

namespace {

/// Design size of the window canvases; every command resizes before it draws.
constexpr float kDesignWidth = 23.0f, kDesignHeight = 16.0f;

QColor toQColor(canvas::Rgb c) { return QColor(c.r, c.g, c.b); }

QImage scaledImage(const TemplateDrawing& t, double dpi)
{
    const double pxPerCm = dpi / 2.54;
    const double scale = dpi / canvas::kDotsPerInch;
    const int thick = std::max(1, static_cast<int>(std::lround(scale)));
    const int w = static_cast<int>(std::lround(t.drawing.width() * pxPerCm));
    const int h = static_cast<int>(std::lround(t.drawing.height() * pxPerCm));
    QImage image(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    if (w > 0 && h > 0 && image.isNull())
        throw text::InputError("The bitmap of " + std::to_string(w) + " × " + std::to_string(h)
                               + " pixels is too large for this computer's memory.");
    const int perMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(perMetre);
    image.setDotsPerMeterY(perMetre);
    image.fill(Qt::white);
    if (image.isNull())
        return image;

    // Replay the calls after the last Cls in the colours they set.
    const auto& calls = t.drawing.calls();
    using Kind = canvas::CanvasCall::Kind;
    canvas::Rgb fore = canvas::kBlack, fill = canvas::kBlack;
    std::size_t start = 0;
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].kind == Kind::Cls)
            start = i + 1;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const auto& c = calls[i];
        if (c.kind == Kind::ForeColor)
            fore = *c.color;
        else if (c.kind == Kind::FillColor)
            fill = *c.color;
        if (i < start)
            continue;
        if (c.kind == Kind::Line) {
            p.setPen(QPen(toQColor(c.color.value_or(fore)), thick));
            p.drawLine(QPointF(c.a * pxPerCm, c.b * pxPerCm), QPointF(c.c * pxPerCm, c.d * pxPerCm));
        } else if (c.kind == Kind::Circle) {
            const QPointF centre(c.a * pxPerCm, c.b * pxPerCm);
            if (canvas::centimetresToPixels(c.c) < 1.0) {
                // As the window marks a dot under one pixel: a single pixel, here scaled.
                const int x = static_cast<int>(std::floor(centre.x() - (thick - 1) / 2.0));
                const int y = static_cast<int>(std::floor(centre.y() - (thick - 1) / 2.0));
                p.fillRect(QRect(x, y, thick, thick), toQColor(fore));
                continue;
            }
            const double r = c.c * pxPerCm;
            p.setPen(QPen(toQColor(fore), thick));
            p.setBrush(QBrush(toQColor(fill)));
            p.drawEllipse(centre, r, r);
        }
    }
    return image;
}

} // namespace

QImage rasterImage(const TemplateDrawing& t, double dpi)
{
    if (dpi == canvas::kDotsPerInch) {
        canvas::RasterCanvas raster(kDesignWidth, kDesignHeight);
        replay(t.drawing, raster);
        return raster.image().copy();
    }
    return scaledImage(t, dpi);
}

void writeFileAtomically(const std::string& path, const QByteArray& bytes)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw text::InputError(path + ": cannot be written (" + file.errorString().toStdString() + ").");
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw text::InputError(path + ": cannot be written (" + file.errorString().toStdString() + ").");
}

void writeBitmapAtomically(const std::string& path, const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP"))
        throw text::InputError(path + ": the bitmap cannot be made (the drawing is empty or too large).");
    writeFileAtomically(path, bytes);
}

} // namespace exporter
