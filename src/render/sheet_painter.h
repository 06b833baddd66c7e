#pragma once

#include "render/outline_clip.h"
#include "render/page_layout.h"
#include "render/pdf_boxes.h"
#include "render/renderers.h"
#include "render/template_drawing.h"

#include <QPen>
#include <QPointF>
#include <QPolygonF>

#include <array>
#include <map>
#include <memory>
#include <vector>

class QPainter;

namespace exporter {

/// Dots of one colour without an outline, to be drawn as discs, in the painter's units (cm).
struct DotGroup
{
    /// A dot that shows only within a closed polygon: the stretch of a piece's cut round it, made
    /// when it is drawn, so that a group of a million such dots does not hold a million polygons.
    struct Clipped
    {
        scene::Point at; ///< the centre as the scene has it
        double radius = 0.0;
        const OutlineClip* cut = nullptr;
        /// The centre in the painter's units.
        QPointF centre() const;
        /// The box round the dot that its clip is cut to: left, top, right, bottom.
        std::array<double, 4> box() const;
        /// The stretch of the cut round the dot, a closed polygon; empty: nothing of the dot shows.
        std::vector<QPointF> clip() const { return stretch(*cut, box()); }
        /// The stretch of `cut` within `box`, a closed polygon in the painter's units.
        static std::vector<QPointF> stretch(const OutlineClip& cut, const std::array<double, 4>& box);
    };
    canvas::Rgb colour;
    std::map<double, std::vector<QPointF>> byRadius; ///< centres by radius
    std::vector<Clipped> clipped;
};

/// A polyline to stroke, in the painter's units (cm); a closed one ends where it began.
struct StrokeRun
{
    QPolygonF points;
    bool closed = false;
};

/// Where a SheetPainter's pages go: a PDF, a printer or a preview.
class SheetDevice
{
public:
    virtual ~SheetDevice() = default;
    /// Draws `dots` with `painter`, already in template centimetres: by default each radius as one
    /// stroked path of round-capped lines a thousandth of the radius long, as wide as the dot, then
    /// each clipped dot as a filled circle within its clip.
    virtual void drawDots(QPainter& painter, const DotGroup& dots);
    /// Strokes `runs` with the undashed `pen` with `painter`, already in template centimetres: by
    /// default each as a polyline or polygon of the painter's.
    virtual void strokeRuns(QPainter& painter, const std::vector<StrokeRun>& runs, const QPen& pen);
    /// Starts the next page, a sheet of `layout`'s size whose own piece is `trim` (the sheet's
    /// points), and returns the painter on it, mapping device pixels from the sheet's top-left corner.
    virtual QPainter& startPage(const PageLayout& layout, const PdfRect& trim) = 0;
    /// Device pixels in a centimetre of paper.
    virtual double pixelsPerCm() const = 0;
    /// Degrees clockwise the device turns a sheet of `layout` on its paper (startPage's painter
    /// turned so); none by default.
    virtual double sheetTurn(const PageLayout& layout) const;
};

/// How many pieces a SheetPainter holds for packing before it packs them and paints their sheets:
/// more than `sheets` sheets' area, or `pieces` pieces once they cover more than one sheet (so a
/// sheet of many small pieces is filled all the same). Every kit of the bundled models and of
/// globes up to 24 gores with both plates is one batch on A4, A3 and Letter (the largest, 24
/// gores and both plates with tabs on Letter, covers 9.8 sheets).
struct PackBatch
{
    double sheets = 12.0;     ///< held pieces' area, in sheets' content areas
    std::size_t pieces = 128; ///< held pieces; an A4 sheet holds some 45 gores of 2000
};

/// Lays templates out on pages as SheetOptions say and paints them onto a SheetDevice at real
/// size: a page per template, or tiles on sheets of paper with overlap marks, or pieces packed
/// several to a sheet; every sheet with crop marks and a footer with the 5 cm calibration square
/// and the 10 cm scale bar when the Marks layer is asked for. Pieces are held until finish() or
/// until they reach `batch`: then they are packed, every sheet but the last is painted, and the
/// last sheet's pieces wait to be packed with the next ones, so memory holds a batch's worth.
class SheetPainter
{
public:
    SheetPainter(SheetOptions sheets, SheetDevice& device, PackBatch batch = {});
    /// Lays the pages out as above and counts them, painting nothing.
    explicit SheetPainter(SheetOptions sheets, PackBatch batch = {});
    ~SheetPainter();
    SheetPainter(const SheetPainter&) = delete;
    SheetPainter& operator=(const SheetPainter&) = delete;

    /// Paints the pages of `t` now, or keeps it to be packed with others.
    void add(TemplateDrawing t);
    /// Paints the pieces kept for packing.
    void finish();
    /// Pages laid out so far: painted, unless the painter has no device.
    int pages() const;
    /// The most pieces held for packing at any one time so far.
    std::size_t mostHeld() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

/// The pages `templates` take on `sheets`, as SheetPainter lays them out (without painting).
int countSheets(const TemplateList& templates, const SheetOptions& sheets);

} // namespace exporter
