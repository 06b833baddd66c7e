#pragma once

#include "export/page_layout.h"
#include "export/pdf_boxes.h"
#include "export/renderers.h"
#include "export/template_drawing.h"

#include <memory>

class QPainter;

namespace exporter {

/// Where a SheetPainter's pages go: a PDF, a printer or a preview.
class SheetDevice
{
public:
    virtual ~SheetDevice() = default;
    /// Starts the next page, a sheet of `layout`'s size whose own piece is `trim` (the sheet's
    /// points), and returns the painter on it, mapping device pixels from the sheet's top-left corner.
    virtual QPainter& startPage(const PageLayout& layout, const PdfRect& trim) = 0;
    /// Device pixels in a centimetre of paper.
    virtual double pixelsPerCm() const = 0;
};

/// Lays templates out on pages as SheetOptions say and paints them onto a SheetDevice at real
/// size: a page per template, or tiles on sheets of paper with overlap marks, or pieces packed
/// several to a sheet (held until finish()); every sheet with crop marks and a footer with the
/// 5 cm calibration square and the 10 cm scale bar when the Marks layer is asked for.
class SheetPainter
{
public:
    SheetPainter(SheetOptions sheets, SheetDevice& device);
    ~SheetPainter();
    SheetPainter(const SheetPainter&) = delete;
    SheetPainter& operator=(const SheetPainter&) = delete;

    /// Paints the pages of `t` now, or keeps it to be packed at finish().
    void add(const TemplateDrawing& t);
    /// Paints the pieces kept for packing.
    void finish();
    /// Pages started so far.
    int pages() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

/// The pages `templates` take on `sheets`, as SheetPainter lays them out.
int countSheets(const TemplateList& templates, const SheetOptions& sheets);

} // namespace exporter
