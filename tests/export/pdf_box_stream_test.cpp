#include "qt_app.h"

#include "render/pdf_box_stream.h"
#include "render_support.h"
#include "test_files.h"

#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <future>
#include <string>
#include <vector>

using namespace exporter;

namespace {

/// The whole finished file rewritten at once, as the book did before it streamed: the reference
/// the stream must match byte for byte. `pdf` must be a well-formed file of Qt's writer.
std::string rewrittenWhole(const std::string& pdf, const std::vector<PageBoxes>& pages)
{
    const auto number = [](double v) {
        char text[64];
        std::snprintf(text, sizeof text, "%.6f", v);
        return std::string(text);
    };
    const std::size_t startxref = pdf.rfind("startxref");
    const std::size_t xrefAt = std::stoull(pdf.substr(startxref + 9, 24));
    std::vector<std::pair<std::size_t, long long>> edits; // where, bytes added
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = pdf.find("/MediaBox ["); at < xrefAt; at = pdf.find("/MediaBox [", at + 1)) {
        const std::size_t close = pdf.find(']', at);
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        std::sscanf(pdf.c_str() + at + 11, "%lf %lf %lf %lf", &x0, &y0, &x1, &y1);
        const PageBoxes& p = pages.at(edits.size());
        const double bottom = y1 - p.height;
        std::string text = "/MediaBox [0 " + number(bottom) + " " + number(p.width) + " " + number(y1) + "]";
        if (p.trim)
            text += "\n/TrimBox [" + number(p.trim->left) + " " + number(bottom + p.trim->bottom) + " "
                    + number(p.trim->right) + " " + number(bottom + p.trim->top) + "]";
        out += pdf.substr(from, at - from) + text;
        edits.emplace_back(at, static_cast<long long>(text.size()) - static_cast<long long>(close + 1 - at));
        from = close + 1;
    }
    out += pdf.substr(from);
    const auto moved = [&edits](std::size_t offset) {
        long long shift = 0;
        for (const auto& edit : edits)
            shift += edit.first < offset ? edit.second : 0;
        return static_cast<std::size_t>(static_cast<long long>(offset) + shift);
    };
    const std::size_t table = moved(xrefAt);
    const std::size_t count = std::stoul(out.substr(table + 7, 12)); // after "xref\n0 "
    for (std::size_t i = 0, entry = out.find('\n', table + 7) + 1; i < count; ++i, entry += 20)
        if (out[entry + 17] == 'n') {
            char digits[11];
            std::snprintf(digits, sizeof digits, "%010zu", moved(std::stoull(out.substr(entry, 10))));
            out.replace(entry, 10, digits);
        }
    const std::size_t at = out.find_first_of("0123456789", moved(startxref) + 9);
    out.replace(at, out.find_first_not_of("0123456789", at) - at, std::to_string(table));
    return out;
}

/// Copies every write to both devices: Qt's own bytes beside the stream's.
class Tee : public QIODevice
{
public:
    Tee(QIODevice& a, QIODevice& b) : m_a(a), m_b(b) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override { return m_a.write(data, size), m_b.write(data, size); }

private:
    QIODevice &m_a, &m_b;
};

/// One sheet, cm; trimmed 1 cm in at the sides and top, 2 cm at the bottom.
struct Sheet
{
    double width, height;
    bool trimmed;
};

/// A document drawn as PdfBook draws, with Japanese text on every page so that a font is embedded.
struct Written
{
    std::string qt, streamed;      ///< the writer's bytes, and the file the stream made of them
    std::vector<PageBoxes> boxes;  ///< of every page
    std::size_t qtAtHold = 0;      ///< the writer's bytes when the end was held back
    std::size_t streamedAtHold = 0; ///< the bytes that had reached the file by then
};

Written writeSheets(const std::vector<Sheet>& sheets)
{
    Written w;
    QBuffer qt, file;
    qt.open(QIODevice::WriteOnly);
    file.open(QIODevice::WriteOnly);
    PdfBoxStream stream(file);
    Tee tee(qt, stream);
    {
        QPdfWriter writer(&tee);
        QPainter painter;
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            const Sheet& s = sheets[i];
            writer.setPageSize(QPageSize(QSizeF(s.width * 10, s.height * 10), QPageSize::Millimeter));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            if (i == 0)
                painter.begin(&writer);
            else
                writer.newPage();
            const double width = pointsOf(s.width), height = pointsOf(s.height);
            w.boxes.push_back({width, height, std::nullopt});
            if (s.trimmed)
                w.boxes.back().trim = PdfRect{pointsOf(1), pointsOf(2), width - pointsOf(1), height - pointsOf(1)};
            stream.addPage(w.boxes.back());
            painter.setFont(QFont(QStringLiteral("IPAGothic"), 12));
            painter.drawText(200, 400, QString::fromUtf8("星図 %1 枚目").arg(i + 1));
            painter.drawRect(100, 100, 1000, 1000);
        }
        w.qtAtHold = static_cast<std::size_t>(qt.size());
        stream.holdTail();
        w.streamedAtHold = static_cast<std::size_t>(file.size());
    }
    EXPECT_TRUE(stream.finish()) << stream.fault();
    w.qt = qt.data().toStdString();
    w.streamed = file.data().toStdString();
    return w;
}

const std::vector<Sheet> kTiled{{21.0, 29.7, true}, {21.0, 29.7, true}, {21.0, 29.7, true}};

/// Feeds `pdf` to a stream in writes of `chunk` bytes, holding back its end from `holdAt` on.
std::string streamed(const std::string& pdf, const std::vector<PageBoxes>& pages, std::size_t chunk,
                     std::size_t holdAt, std::string* fault = nullptr)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    PdfBoxStream stream(file);
    for (const PageBoxes& page : pages)
        stream.addPage(page);
    for (std::size_t at = 0; at < pdf.size(); at += chunk) {
        if (at <= holdAt && holdAt < at + chunk)
            stream.holdTail();
        stream.write(pdf.data() + at, static_cast<qint64>(std::min(chunk, pdf.size() - at)));
    }
    const bool done = stream.finish();
    if (fault)
        *fault = stream.fault();
    return done ? file.data().toStdString() : "";
}

} // namespace

TEST(PdfBoxStream, StreamedFileIsTheWholeFileRewritten)
{
    struct Row
    {
        const char* layout;
        std::vector<Sheet> sheets;
    };
    const Row rows[] = {
        {"tiled", kTiled},
        {"packed, portrait and landscape", {{21.0, 29.7, true}, {29.7, 21.0, true}, {21.59, 27.94, true}}},
        {"a page per template", {{22.419, 12.771, true}, {61.3, 45.2, false}, {9.5, 9.5, true}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.layout);
        const Written w = writeSheets(r.sheets);
        EXPECT_NE(w.qt.find("/FontFile2"), std::string::npos);
        EXPECT_TRUE(w.streamed == rewrittenWhole(w.qt, w.boxes));
        // Everything before the end reached the file before it: only a possible MediaBox start waits.
        EXPECT_GE(w.streamedAtHold + 10, w.qtAtHold);
    }
}

TEST(PdfBoxStream, WritesCutAnywhereGiveTheSameFile)
{
    const Written w = writeSheets(kTiled);
    const std::size_t xref = w.qt.rfind("\nxref\n") + 1; // the last moment the end may be held back
    for (const std::size_t holdAt : {std::size_t{0}, w.qtAtHold, xref})
        for (std::size_t chunk = 1; chunk <= 40; ++chunk) {
            SCOPED_TRACE("hold at " + std::to_string(holdAt) + ", writes of " + std::to_string(chunk));
            EXPECT_TRUE(streamed(w.qt, w.boxes, chunk, holdAt) == w.streamed);
        }
}

TEST(PdfBoxStream, UnexpectedOutputIsReportedNotWritten)
{
    const Written w = writeSheets({{21.0, 29.7, true}, {29.7, 21.0, false}});
    const std::size_t box = w.qt.find("/MediaBox ["), startxref = w.qt.rfind("startxref"),
                      xref = w.qt.rfind("xref\n", startxref - 1);
    const auto with = [&w](std::size_t at, std::size_t length, const char* text) {
        return std::string(w.qt).replace(at, length, text);
    };
    struct Row
    {
        const char* fault;
        std::string pdf;
        std::vector<PageBoxes> pages;
    };
    const Row rows[] = {
        {"no startxref", with(startxref, 9, "startxreg"), w.boxes},
        {"startxref off the table", with(xref, 4, "xreg"), w.boxes},
        {"a table of two sections", with(xref + 5, 1, "1"), w.boxes},
        {"a page fewer than MediaBoxes", w.qt, {w.boxes[0]}},
        {"a page more than MediaBoxes", w.qt, {w.boxes[0], w.boxes[1], w.boxes[1]}},
        {"letters in a MediaBox", with(box + 11, 1, "a"), w.boxes},
        {"a MediaBox without its bracket", with(w.qt.find(']', box), 1, ")"), w.boxes},
        {"cut short in a MediaBox", w.qt.substr(0, box + 20), w.boxes},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.fault);
        std::string pdf = r.pdf;
        EXPECT_FALSE(setPageBoxes(pdf, r.pages));
        EXPECT_EQ(pdf, r.pdf);
        std::string fault;
        EXPECT_EQ(streamed(r.pdf, r.pages, 997, xref - 100, &fault), "");
        EXPECT_NE(fault, "");
    }

    QBuffer file;
    file.open(QIODevice::WriteOnly);
    PdfBoxStream stream(file);
    stream.holdTail();
    EXPECT_FALSE(stream.seek(0));
    EXPECT_FALSE(stream.finish());
    EXPECT_EQ(file.size(), 0);
}

TEST(PdfBoxStream, ACaughtImageBecomesTheObjectPutInItsPlace)
{
    // A square inch filled, the form's units those of the unit square the image is drawn in.
    const std::string fill = "0 0 1 1 re f";
    const std::string form = "<<\n/Type /XObject\n/Subtype /Form\n/BBox [0 0 1 1]\n/Matrix [1 0 0 -1 0 1]\n/Length "
                             + std::to_string(fill.size()) + "\n>>\nstream\n" + fill + "\nendstream\n";
    struct Row
    {
        const char* drawn;
        bool image; ///< whether the image is drawn between catching and replacing
    };
    for (const Row& r : {Row{"an image", true}, Row{"nothing", false}}) {
        SCOPED_TRACE(r.drawn);
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        PdfBoxStream stream(file);
        bool replaced = false;
        {
            QPdfWriter writer(&stream);
            writer.setPageSize(QPageSize(QSizeF(80, 80), QPageSize::Millimeter));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            stream.addPage({pointsOf(8), pointsOf(8), std::nullopt});
            QPainter painter(&writer);
            painter.drawRect(100, 100, 100, 100); // something of Qt's own before and after
            painter.translate(writer.resolution(), writer.resolution());
            painter.scale(writer.resolution(), writer.resolution());
            QImage pixel(1, 1, QImage::Format_RGB32);
            pixel.fill(Qt::white);
            stream.catchObject();
            if (r.image)
                painter.drawImage(QRectF(0, 0, 1, 1), pixel);
            replaced = stream.replaceCaught(form);
            painter.resetTransform();
            painter.drawRect(2000, 2000, 100, 100);
            stream.holdTail();
        }
        EXPECT_EQ(replaced, r.image);
        EXPECT_EQ(stream.finish(), r.image) << stream.fault();
        if (!r.image)
            continue;
        const std::string pdf = file.data().toStdString();
        // Every object is where the cross-reference table says.
        const std::size_t table = pdf.rfind("\nxref\n0 ") + 1;
        const std::size_t count = std::stoul(pdf.substr(table + 7));
        std::size_t entry = pdf.find('\n', table + 7) + 1;
        for (std::size_t i = 1; i < count; ++i) {
            entry += 20;
            if (pdf[entry + 17] == 'n')
                EXPECT_EQ(pdf.compare(std::stoull(pdf.substr(entry, 10)), std::to_string(i).size() + 6,
                                      std::to_string(i) + " 0 obj"), 0) << i;
        }
        testing_support::TempDir dir;
        const std::string path = (dir.path() / "form.pdf").string();
        std::ofstream(path, std::ios::binary) << pdf;
        const render_test::Grey g = render_test::renderPdfPage(path, 1, 72);
        EXPECT_LT(g.at(108, 108), 20);  // within the inch from (1 in, 1 in)
        EXPECT_GT(g.at(60, 108), 235);  // left of it
        EXPECT_GT(g.at(108, 156), 235); // below it
    }
}

TEST(PdfBoxStream, FormsMadeLaterGiveTheBytesOfFormsGivenAtOnce)
{
    // Two images replaced by forms and one left as it is, with Qt's own drawing round them: the
    // forms handed over as futures that come true only once the writer has written on behind
    // them, or handed over at once. The files are the same but for their dates.
    const auto formOf = [](const std::string& fill) {
        return "<<\n/Type /XObject\n/Subtype /Form\n/BBox [0 0 1 1]\n/Matrix [1 0 0 -1 0 1]\n/Length "
               + std::to_string(fill.size()) + "\n>>\nstream\n" + fill + "\nendstream\n";
    };
    const std::string forms[] = {formOf("0 0 1 1 re f"), formOf("0 0 0.5 0.5 re f")};
    const auto pdfOf = [&](bool later) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        PdfBoxStream stream(file);
        {
            QPdfWriter writer(&stream);
            writer.setPageSize(QPageSize(QSizeF(80, 80), QPageSize::Millimeter));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            stream.addPage({pointsOf(8), pointsOf(8), std::nullopt});
            QPainter painter(&writer);
            painter.drawRect(100, 100, 100, 100);
            painter.translate(writer.resolution(), writer.resolution());
            painter.scale(writer.resolution(), writer.resolution());
            std::promise<std::string> made[2];
            for (int i = 0; i < 3; ++i) {
                QImage pixel(1, 1, QImage::Format_RGB32);
                pixel.fill(Qt::white);
                if (i == 2) { // an image of Qt's own, written while the forms are still being made
                    painter.drawImage(QRectF(0, 0, 1, 1), pixel);
                    continue;
                }
                stream.catchObject();
                painter.drawImage(QRectF(0, 0, 1, 1), pixel);
                EXPECT_TRUE(later ? stream.replaceCaughtLater(made[i].get_future()) : stream.replaceCaught(forms[i]));
            }
            for (int i = 0; later && i < 2; ++i)
                made[i].set_value(forms[i]);
            painter.resetTransform();
            painter.drawRect(2000, 2000, 100, 100);
            stream.holdTail();
        }
        EXPECT_TRUE(stream.finish()) << stream.fault();
        std::string pdf = file.data().toStdString();
        const std::size_t date = pdf.find("/CreationDate (");
        if (date != std::string::npos)
            std::fill(pdf.begin() + static_cast<std::ptrdiff_t>(date), pdf.begin() + static_cast<std::ptrdiff_t>(pdf.find(')', date)), '0');
        return pdf;
    };
    const std::string atOnce = pdfOf(false);
    EXPECT_NE(atOnce.find("0 0 0.5 0.5 re f"), std::string::npos);
    EXPECT_EQ(pdfOf(true), atOnce);
}
