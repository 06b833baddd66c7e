#include "render/sheet_printer.h"

#include "render/sheet_painter.h"
#include "text/input_error.h"

#include <QPainter>
#include <QPrinter>

namespace exporter {

namespace {

/// A printer as a SheetDevice: every page its paper upright.
class PrinterSheets : public SheetDevice
{
public:
    PrinterSheets(QPrinter& printer, const PaperSize& paper) : m_printer(printer), m_paper(paper) {}
    ~PrinterSheets() override
    {
        if (m_painter.isActive())
            m_painter.end();
    }

    QPainter& startPage(const PageLayout& layout, const PdfRect&) override
    {
        if (!m_painter.isActive()) {
            if (!m_painter.begin(&m_printer))
                throw text::InputError("the printer \"" + m_printer.printerName().toStdString()
                                       + "\" cannot be started.");
        } else {
            m_printer.newPage();
        }
        m_painter.resetTransform();
        if (const double turn = sheetTurn(layout); turn != 0.0) {
            // The sheet's top edge runs down the paper's right edge.
            m_painter.translate(m_paper.width * pixelsPerCm(), 0.0);
            m_painter.rotate(turn);
        }
        return m_painter;
    }
    double pixelsPerCm() const override { return m_printer.resolution() / 2.54; }
    /// A quarter turn clockwise for a landscape sheet on upright paper.
    double sheetTurn(const PageLayout& layout) const override
    {
        return layout.pageWidth > layout.pageHeight && m_paper.width <= m_paper.height ? 90.0 : 0.0;
    }
    void end()
    {
        if (m_painter.isActive())
            m_painter.end();
    }

private:
    QPrinter& m_printer;
    PaperSize m_paper;
    QPainter m_painter;
};

} // namespace

QPageSize printerPageSize(const PaperSize& paper)
{
    return QPageSize(QSizeF(paper.width * 10.0, paper.height * 10.0), QPageSize::Millimeter,
                     QString::fromStdString(paper.name), QPageSize::FuzzyMatch);
}

void setUpPrinter(QPrinter& printer, const PaperSize& paper)
{
    printer.setFullPage(true);
    printer.setPageSize(printerPageSize(paper));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setPageOrder(QPrinter::FirstPageFirst);
}

int printSheets(const TemplateList& templates, const SheetOptions& sheets, QPrinter& printer)
{
    SheetOptions onPaper = sheets;
    if (!onPaper.paper) {
        const QSizeF mm = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
        onPaper.paper = PaperSize{printer.pageLayout().pageSize().name().toStdString(), mm.width() / 10.0,
                                  mm.height() / 10.0};
    }
    PrinterSheets device(printer, *onPaper.paper);
    SheetPainter painter(onPaper, device);
    for (const TemplateDrawing& t : templates)
        painter.add(t);
    painter.finish();
    device.end();
    return painter.pages();
}

} // namespace exporter
