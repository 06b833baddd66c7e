#include "qt_app.h"
#include "test_files.h"

#include "render/pdf_boxes.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>

using namespace exporter;

namespace {

constexpr double kHundredthMillimetre = 0.001 / 2.54 * 72; // points

/// A PDF of `pages` pages of `width` × `height` cm from Qt's writer, a rectangle on each.
std::string qtPdf(int pages, double width, double height)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QSizeF(width * 10, height * 10), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        for (int i = 0; i < pages; ++i) {
            if (i > 0)
                writer.newPage();
            painter.drawRect(100, 100, 1000, 1000);
        }
    }
    return buffer.data().toStdString();
}

} // namespace

TEST(PdfBoxes, ExactSheetAndTrimBoxesInAFileThatStillReads)
{
    testing_support::TempDir dir;
    struct Row
    {
        const char* paper;
        double width, height; ///< cm
    };
    for (const Row& r : {Row{"A4", 21.0, 29.7}, Row{"Letter", 21.59, 27.94}, Row{"gore", 22.419, 12.771}}) {
        SCOPED_TRACE(r.paper);
        std::string pdf = qtPdf(2, r.width, r.height);
        const double w = r.width / 2.54 * 72, h = r.height / 2.54 * 72;
        const PdfRect trim{pointsOf(1), pointsOf(2), pointsOf(r.width - 1), pointsOf(r.height - 3)};
        ASSERT_TRUE(setPageBoxes(pdf, {{w, h, trim}, {w, h, std::nullopt}}));
        const std::string path = dir.write("boxes.pdf", pdf);

        // Every object the cross-reference table lists begins where it says.
        const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref") + 10));
        ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
        std::smatch m;
        const std::string table = pdf.substr(xref);
        std::regex entry("(\\d{10}) 00000 n");
        int objects = 0;
        for (auto it = std::sregex_iterator(table.begin(), table.end(), entry); it != std::sregex_iterator(); ++it) {
            const std::size_t at = std::stoul((*it)[1]);
            EXPECT_TRUE(std::regex_search(pdf.substr(at, 16), std::regex("^\\d+ 0 obj"))) << at;
            ++objects;
        }
        EXPECT_GT(objects, 8);

        // poppler reads the boxes back without complaint.
        const std::string out = (dir.path() / "info.txt").string();
        ASSERT_EQ(std::system(("pdfinfo -box -f 1 -l 2 '" + path + "' >'" + out + "' 2>&1").c_str()), 0);
        std::ifstream in(out);
        const std::string info{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(info.find("rror"), std::string::npos) << info;
        const std::regex box("Page +1 (MediaBox|TrimBox): +([-0-9.]+) +([-0-9.]+) +([-0-9.]+) +([-0-9.]+)");
        int boxes = 0;
        for (auto it = std::sregex_iterator(info.begin(), info.end(), box); it != std::sregex_iterator(); ++it) {
            const double x0 = std::stod((*it)[2]), y0 = std::stod((*it)[3]), x1 = std::stod((*it)[4]),
                         y1 = std::stod((*it)[5]);
            if ((*it)[1] == "MediaBox") {
                EXPECT_NEAR(x1 - x0, w, kHundredthMillimetre);
                EXPECT_NEAR(y1 - y0, h, kHundredthMillimetre);
            } else {
                EXPECT_NEAR(x0, trim.left, kHundredthMillimetre);
                EXPECT_NEAR(x1 - x0, trim.right - trim.left, kHundredthMillimetre);
                EXPECT_NEAR(y1 - y0, trim.top - trim.bottom, kHundredthMillimetre);
            }
            ++boxes;
        }
        EXPECT_EQ(boxes, 2) << info;
    }
}
