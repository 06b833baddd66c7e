#include "export/pdf_boxes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace exporter {

namespace {

constexpr std::string_view kMediaBox = "/MediaBox [";

std::string number(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", v);
    return text;
}

/// One replacement of `length` bytes at `at` by `text`.
struct Edit
{
    std::size_t at = 0, length = 0;
    std::string text;
};

} // namespace

double pointsOf(double cm) { return cm / 2.54 * 72.0; }

bool setPageBoxes(std::string& pdf, const std::vector<PageBoxes>& pages)
{
    // The classic table the writer ends with: "startxref\n<offset>", at the offset "xref\n0 <n>\n"
    // and n entries of 20 bytes, the first ten digits each an object's byte offset.
    const std::size_t startxref = pdf.rfind("startxref");
    if (startxref == std::string::npos)
        return false;
    const std::size_t xrefAt = std::strtoull(pdf.c_str() + startxref + 9, nullptr, 10);
    if (pdf.compare(xrefAt, 5, "xref\n") != 0)
        return false;
    char* end = nullptr;
    const unsigned long first = std::strtoul(pdf.c_str() + xrefAt + 5, &end, 10);
    const unsigned long count = std::strtoul(end, &end, 10);
    std::size_t entries = static_cast<std::size_t>(end - pdf.c_str());
    while (entries < pdf.size() && (pdf[entries] == ' ' || pdf[entries] == '\r' || pdf[entries] == '\n'))
        ++entries;
    if (first != 0 || entries + 20 * count > startxref)
        return false;

    std::vector<Edit> edits;
    for (std::size_t at = pdf.find(kMediaBox); at != std::string::npos && at < xrefAt;
         at = pdf.find(kMediaBox, at + 1)) {
        const std::size_t close = pdf.find(']', at);
        if (close == std::string::npos || edits.size() == pages.size())
            return false;
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        if (std::sscanf(pdf.c_str() + at + kMediaBox.size(), "%lf %lf %lf %lf", &x0, &y0, &x1, &y1) != 4)
            return false;
        const PageBoxes& page = edits.size() < pages.size() ? pages[edits.size()] : pages.back();
        // The writer draws from the top edge y1 down: the sheet ends there and reaches down its height.
        const double bottom = y1 - page.height;
        std::string text = "/MediaBox [0 " + number(bottom) + " " + number(page.width) + " " + number(y1) + "]";
        if (page.trim)
            text += "\n/TrimBox [" + number(page.trim->left) + " " + number(bottom + page.trim->bottom) + " "
                    + number(page.trim->right) + " " + number(bottom + page.trim->top) + "]";
        edits.push_back({at, close + 1 - at, std::move(text)});
    }
    if (edits.size() != pages.size())
        return false;

    std::string out;
    out.reserve(pdf.size() + 64 * edits.size());
    std::size_t from = 0;
    for (const Edit& e : edits) {
        out.append(pdf, from, e.at - from);
        out += e.text;
        from = e.at + e.length;
    }
    out.append(pdf, from, std::string::npos);
    // Every offset past an edit moves by what the edits before it added.
    const auto moved = [&edits](std::size_t offset) {
        long long shift = 0;
        for (const Edit& e : edits)
            if (e.at < offset)
                shift += static_cast<long long>(e.text.size()) - static_cast<long long>(e.length);
        return static_cast<std::size_t>(static_cast<long long>(offset) + shift);
    };
    const std::size_t newEntries = moved(entries);
    for (unsigned long i = 0; i < count; ++i) {
        char* entry = out.data() + newEntries + 20 * i;
        if (entry[17] != 'n')
            continue;
        char digits[11];
        std::snprintf(digits, sizeof digits, "%010zu", moved(std::strtoull(entry, nullptr, 10)));
        std::memcpy(entry, digits, 10);
    }
    const std::size_t newStartxref = moved(startxref);
    const std::size_t numberAt = out.find_first_of("0123456789", newStartxref + 9);
    const std::size_t numberEnd = out.find_first_not_of("0123456789", numberAt);
    out.replace(numberAt, numberEnd - numberAt, std::to_string(moved(xrefAt)));
    pdf = std::move(out);
    return true;
}

} // namespace exporter
