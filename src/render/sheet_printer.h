#pragma once

#include "render/page_layout.h"
#include "render/renderers.h"
#include "render/template_drawing.h"

#include <QPageSize>

class QPrinter;

namespace exporter {

/// The page size of `paper` for a printer: the standard size it matches, else its own.
QPageSize printerPageSize(const PaperSize& paper);

/// Sets `printer` for sheets at real size: all pages `paper` upright, full page (the origin at
/// the paper's corner), no margins, 100 % (no fit to page), one copy a page in order.
void setUpPrinter(QPrinter& printer, const PaperSize& paper);

/// Paints `templates` onto `printer` as a PDF of `sheets` would have them, each page on the
/// printer's paper upright: a landscape sheet is turned a quarter onto it. `sheets.paper` is the
/// printer's paper; none takes the printer's page size. Returns the pages painted. Throws
/// text::InputError when the printer cannot be started.
int printSheets(const TemplateList& templates, const SheetOptions& sheets, QPrinter& printer);

} // namespace exporter
