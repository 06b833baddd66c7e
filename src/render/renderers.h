#pragma once

#include "render/page_layout.h"
#include "render/picture_store.h"
#include "render/template_drawing.h"
#include "scene/scene.h"
#include "text/atomic_file.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace exporter {

/// Smallest dot radius on paper, centimetres (see scene::kMinPrintRadius).
inline constexpr double kMinPrintRadius = scene::kMinPrintRadius;
/// Width on paper of hairlines (stroke width 0) and of dot outlines, centimetres.
inline constexpr double kPrintLineWidth = 0.01;

/// Largest Windows bitmap file the writer makes, bytes: it keeps the file and picture sizes
/// in signed 32-bit header fields.
inline constexpr std::uint64_t kMaxBitmapFileBytes = 2147483647;

/// What the bitmap of a scene at one resolution takes.
struct BitmapSize
{
    std::int64_t width = 0, height = 0; ///< pixels
    std::uint64_t imageBytes = 0;       ///< the picture in memory, 4 bytes a pixel
    std::uint64_t fileBytes = 0;        ///< the bitmap file: header, then 3 bytes a pixel in rows padded to 4 bytes
};

/// The size rasterImage(`scene`, `dpi`) makes: at 96 dpi the window canvas's whole pixels,
/// otherwise the scene's centimetres at `dpi` rounded to whole pixels. `dpi` > 0.
BitmapSize bitmapSize(const scene::Scene& scene, double dpi);

/// Largest whole resolution, at most `dpi`, whose bitmap of `scene` fits kMaxBitmapFileBytes
/// and half of this computer's memory; no value when not even 1 dpi fits.
std::optional<int> largestBitmapDpi(const scene::Scene& scene, double dpi);

/// Throws text::InputError when the bitmap of `scene` at `dpi` has no pixel along a side, is
/// over kMaxBitmapFileBytes or would take more than half of this computer's memory. The message gives the size and the
/// largest dpi that works; it names no option (the caller knows which one set the resolution).
void checkBitmapSize(const scene::Scene& scene, double dpi);

/// The template as a bitmap at `dpi` (> 0), checked first with checkBitmapSize. At 96 dpi it is
/// byte for byte the window's canvas (a canvas::RasterCanvas sized to the scene, cleared, the
/// scene drawn on it); at any other dpi the same calls scaled: lines and dots under a 96-dpi
/// pixel as thick as such a pixel scaled, dotted paths as their dots. Text is not drawn, as in the window.
/// At any other dpi the picture is Format_BGR888, a bitmap file's own pixels, in memory from
/// `store` when one is given.
QImage rasterImage(const scene::Scene& scene, double dpi, PictureStore* store = nullptr);

/// The template as an SVG document at real size: width, height and viewBox in centimetres, each
/// layer an Inkscape layer group named after it and classed by its kind (print, cut, score,
/// marks), each item classed by scene::roleName. Dots are circles of at least kMinPrintRadius,
/// paths lines (dotted ones too), texts `<text>` in their size and rotation, never mirrored;
/// a `title` given becomes the document's `<title>`.
std::string svgDocument(const scene::Scene& scene, const std::string& title = {});
/// The same document of only the layers of `kinds`, as if from keepLayers(scene, kinds).
std::string svgDocument(const scene::Scene& scene, const std::string& title, const std::set<scene::LayerKind>& kinds);
/// The same document handed to `write` a megabyte at a time as it is made, never held whole.
void writeSvgDocument(const scene::Scene& scene, const std::string& title, const std::set<scene::LayerKind>& kinds,
                      const std::function<void(std::string_view)>& write);

/// Every layer kind: print, cut, score and marks.
std::set<scene::LayerKind> allLayerKinds();

/// `scene` with only its layers of `kinds`.
scene::Scene keepLayers(const scene::Scene& scene, const std::set<scene::LayerKind>& kinds);

/// The language of the words printed on the sheets: the exporter's English, or Japanese or Spanish
/// for sheets printed from the Japanese or Spanish window.
enum class SheetLanguage { English, Japanese, Spanish };

/// How a PDF lays out its pages and what it shows.
struct SheetOptions
{
    std::optional<PaperSize> paper; ///< none: a page per template, of the template's size
    bool pack = false;              ///< with `paper`: pieces several to a sheet, turned where that fits better
    double bleed = 0.0;             ///< cm round a piece's cut outline that is its own on a packed sheet
    std::set<scene::LayerKind> layers = allLayerKinds(); ///< the scene layers written; sheet marks with Marks
    SheetLanguage language = SheetLanguage::English;    ///< the words of the labels and footers
};

/// Called after each template is written, with its index from 0.
using ProgressFn = std::function<void(std::size_t index)>;

/// A PDF at real size, each template on a page of its own size or on sheets of paper. On paper
/// a template that fits a sheet is packed with others when asked (held until commit), a larger
/// one tiled over sheets with overlap marks; every sheet has crop marks round its content, a
/// label, a 10 cm scale bar and a 5 cm calibration square, all at least kPageMargin / 2 inside
/// the paper's edge. Each page's MediaBox is its paper (or template) to the hundredth of a
/// millimetre, its TrimBox the template's part on it. Nothing appears under `path` before commit().
class PdfBook
{
public:
    /// Starts the document in an AtomicFile. Throws text::InputError naming `path` when it
    /// cannot be written there (a device or a folder is refused).
    PdfBook(const std::string& path, const std::optional<PaperSize>& paper);
    /// As above, laid out and filtered as `sheets` says.
    PdfBook(const std::string& path, const SheetOptions& sheets);
    ~PdfBook();
    PdfBook(const PdfBook&) = delete;
    PdfBook& operator=(const PdfBook&) = delete;

    /// Writes the pages of `t`, or holds it to be packed with others (see SheetPainter). Throws
    /// text::InputError naming the path when it cannot.
    void add(TemplateDrawing t);
    /// Finishes the file under its name and returns the number of pages. Throws
    /// text::InputError naming the path when nothing was added or it cannot be written;
    /// nothing is left under the path then.
    int commit();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

/// Writes every template into one PDF through a PdfBook, calling `progress` after each.
/// Throws text::InputError naming `path` when it cannot be written; nothing is left
/// under `path` then. Returns the number of pages.
int writePdf(const TemplateList& templates, const std::string& path, const std::optional<PaperSize>& paper,
             const ProgressFn& progress = {});

/// As above, laid out and filtered as `sheets` says.
int writePdf(const TemplateList& templates, const std::string& path, const SheetOptions& sheets,
             const ProgressFn& progress = {});

/// `image` as a Windows bitmap, written through an AtomicFile (see export/atomic_file.h,
/// which also writes SVG documents); `keepReplaced` keeps a file it replaces aside (see
/// text::Replacement). Throws text::InputError naming the path when it cannot.
text::Replacement writeBitmapAtomically(const std::string& path, const QImage& image, bool keepReplaced = false);

} // namespace exporter
