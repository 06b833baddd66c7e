#pragma once

#include "export/display_list.h"
#include "export/page_layout.h"
#include "export/template_drawing.h"

#include <QImage>

#include <functional>
#include <optional>
#include <string>

namespace exporter {

/// Smallest dot radius on paper, centimetres: half a 96-dpi pixel, the size the window
/// gives any dot below one pixel, so faint stars and corner marks stay visible in print.
inline constexpr double kMinPrintRadius = 2.54 / 96.0 / 2.0;
/// Width of lines and dot outlines on paper, centimetres.
inline constexpr double kPrintLineWidth = 0.01;

/// The template as a bitmap at `dpi`: at 96 dpi the very canvas the window shows
/// (the calls replayed on a canvas::RasterCanvas); otherwise the same drawing scaled,
/// lines and sub-pixel dots as thick as a 96-dpi pixel.
QImage rasterImage(const TemplateDrawing& t, double dpi);

/// The template as an SVG document in centimetres (viewBox units are centimetres).
std::string svgDocument(const DisplayList& list);

/// Called after each template is written, with its index from 0.
using ProgressFn = std::function<void(std::size_t index)>;

/// Writes every template into one PDF at real size, tiled on `paper` when given.
/// Throws text::InputError naming `path` when it cannot be written; nothing is left
/// under `path` then. Returns the number of pages.
int writePdf(const TemplateList& templates, const std::string& path, const std::optional<PaperSize>& paper,
             const ProgressFn& progress = {});

/// Writes `bytes` to `path` through a temporary file renamed at the end.
/// Throws text::InputError naming the path when it cannot.
void writeFileAtomically(const std::string& path, const QByteArray& bytes);

/// `image` as a Windows bitmap, through a temporary file renamed at the end.
void writeBitmapAtomically(const std::string& path, const QImage& image);

} // namespace exporter
