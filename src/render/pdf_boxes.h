#pragma once

#include <optional>
#include <string>
#include <vector>

namespace exporter {

/// A rectangle on a PDF page in points, from its bottom-left corner, y upward.
struct PdfRect
{
    double left = 0.0, bottom = 0.0, right = 0.0, top = 0.0;
};

/// The boxes one page of a PDF should have: the sheet exactly, and where it is trimmed.
struct PageBoxes
{
    double width = 0.0, height = 0.0; ///< the sheet, points
    std::optional<PdfRect> trim;      ///< the finished piece on the sheet, in the sheet's points
};

/// Points in `cm` centimetres.
double pointsOf(double cm);

/// Gives each page of `pdf`, as Qt's PDF writer makes it (a MediaBox in whole points, the page
/// hung from its top edge), the exact size of `pages` (in page order) and a TrimBox, and
/// mends the cross-reference table. The MediaBox keeps its top edge, where the writer laid the
/// drawing from, so nothing on the page moves. Returns false, leaving `pdf` as it was, when it
/// finds no classic cross-reference table or other than one MediaBox a page. The whole file at
/// once through a PdfBoxStream, which does the same as the writer writes.
bool setPageBoxes(std::string& pdf, const std::vector<PageBoxes>& pages);

} // namespace exporter
