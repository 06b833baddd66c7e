#include "render/pdf_box_stream.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace exporter {

namespace {

constexpr std::string_view kMediaBox = "/MediaBox [";
/// A MediaBox whose closing bracket is not this near has lost it.
constexpr std::size_t kLongestBox = 256;
/// The output goes to the device in pieces of about this many bytes.
constexpr std::size_t kWriteSize = std::size_t{1} << 16;

std::string number(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", v);
    return text;
}

} // namespace

PdfBoxStream::PdfBoxStream(QIODevice& out) : m_out(out)
{
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void PdfBoxStream::addPage(const PageBoxes& boxes) { m_pages.push_back(boxes); }

void PdfBoxStream::holdTail()
{
    settle(true);
    flush();
    m_holding = true;
    m_tailAt = m_written;
}

bool PdfBoxStream::seek(qint64)
{
    fail("a seek back in the output");
    return false;
}

qint64 PdfBoxStream::writeData(const char* data, qint64 size)
{
    if (!m_fault.empty())
        return size;
    if (m_catching) {
        m_caught.append(data, static_cast<std::size_t>(size));
        return size;
    }
    if (!m_later.empty()) {
        m_later.back().after.append(data, static_cast<std::size_t>(size));
        settle(false);
        return size;
    }
    take(data, static_cast<std::size_t>(size));
    return size;
}

void PdfBoxStream::take(const char* data, std::size_t size)
{
    m_pending.append(data, size);
    std::size_t done = 0; // m_pending up to here is passed on
    while (m_fault.empty()) {
        const std::size_t at = m_pending.find(kMediaBox, done);
        if (at == std::string::npos) {
            // What may be the beginning of a MediaBox that the next write completes waits for it.
            const std::size_t keep = std::min(m_pending.size() - done, kMediaBox.size() - 1);
            pass(m_pending.data() + done, m_pending.size() - keep - done);
            done = m_pending.size() - keep;
            break;
        }
        pass(m_pending.data() + done, at - done);
        done = at;
        const std::size_t close = m_pending.find(']', at);
        if (close == std::string::npos) {
            if (m_pending.size() - at > kLongestBox)
                fail("a MediaBox without its closing bracket");
            break;
        }
        if (close - at > kLongestBox) {
            fail("a MediaBox without its closing bracket");
            break;
        }
        if (!replaceBox(at, close))
            break;
        done = close + 1;
    }
    m_pending.erase(0, done);
    m_pendingAt += done;
}

bool PdfBoxStream::replaceBox(std::size_t at, std::size_t close)
{
    if (m_boxes == m_pages.size())
        return fail("a page object before its page's size was given");
    const std::string box = m_pending.substr(at + kMediaBox.size(), close - at - kMediaBox.size());
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int length = 0;
    if (std::sscanf(box.c_str(), "%lf %lf %lf %lf%n", &x0, &y0, &x1, &y1, &length) != 4
        || static_cast<std::size_t>(length) != box.size())
        return fail("a MediaBox that is not four numbers");
    const PageBoxes& page = m_pages[m_boxes++];
    // The writer draws from the top edge y1 down: the sheet ends there and reaches down its height.
    const double bottom = y1 - page.height;
    std::string text = "/MediaBox [0 " + number(bottom) + " " + number(page.width) + " " + number(y1) + "]";
    if (page.trim)
        text += "\n/TrimBox [" + number(page.trim->left) + " " + number(bottom + page.trim->bottom) + " "
                + number(page.trim->right) + " " + number(bottom + page.trim->top) + "]";
    const long long before = m_edits.empty() ? 0 : m_edits.back().shift;
    m_edits.push_back({m_pendingAt + at, before + static_cast<long long>(text.size())
                                             - static_cast<long long>(close + 1 - at)});
    pass(text.data(), text.size());
    return true;
}

void PdfBoxStream::catchObject()
{
    settle(false);
    if (!m_later.empty()) {
        // What the writer wrote before waits behind the earlier replacements; so does this one.
        m_caught.clear();
        m_catching = true;
        return;
    }
    catchNow();
}

void PdfBoxStream::catchNow()
{
    // Between drawing calls the writer has written whole objects: what waits cannot be part of a box.
    if (m_pending.find(kMediaBox) != std::string::npos)
        fail("a MediaBox cut short");
    pass(m_pending.data(), m_pending.size());
    m_pendingAt += m_pending.size();
    m_pending.clear();
    m_caught.clear();
    m_catching = true;
}

namespace {

// "<number> 0 obj\n<<...>>\nstream\n...\nendstream\nendobj\n", then whatever followed.
constexpr std::string_view kObj = " 0 obj\n", kEnd = "\nendstream\nendobj\n";

} // namespace

bool PdfBoxStream::caughtIsObject() const
{
    const std::size_t digits = m_caught.find_first_not_of("0123456789");
    return digits != 0 && digits != std::string::npos && m_caught.compare(digits, kObj.size(), kObj) == 0
           && m_caught.compare(digits + kObj.size(), 2, "<<") == 0 && m_caught.find(kEnd) != std::string::npos;
}

bool PdfBoxStream::replaceCaughtLater(std::future<std::string> object)
{
    m_catching = false;
    if (!m_fault.empty())
        return false;
    if (!caughtIsObject())
        return fail("a drawing call that wrote other than one stream object");
    m_later.push_back({std::move(m_caught), std::move(object), {}});
    m_caught = std::string();
    // A few wait at most: each holds its object's makings and what the writer wrote since.
    constexpr std::size_t kMostWaiting = 2;
    settle(m_later.size() > kMostWaiting);
    return true;
}

void PdfBoxStream::settle(bool wait)
{
    while (!m_later.empty()) {
        Later& first = m_later.front();
        if (!wait && first.object.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return;
        Later later = std::move(first);
        m_later.pop_front();
        std::string object;
        try {
            object = later.object.get();
        } catch (...) {
            fail("a form that could not be made");
        }
        if (!m_fault.empty())
            continue; // nothing more goes on; the rest is only waited for
        // As if caught and replaced now, and then written.
        catchNow();
        m_caught = std::move(later.caught);
        replaceNow(object);
        take(later.after.data(), later.after.size());
    }
}

bool PdfBoxStream::replaceCaught(const std::string& object)
{
    // An object already made goes the way of one still being made: it is there, so it goes on
    // at once unless others wait before it.
    std::promise<std::string> made;
    made.set_value(object);
    return replaceCaughtLater(made.get_future());
}

void PdfBoxStream::replaceNow(const std::string& object)
{
    m_catching = false;
    if (!m_fault.empty())
        return;
    // What was caught was found to be one stream object when the replacement was asked for.
    // The body runs from "<<" up to "endobj", which stays with what follows it.
    const std::size_t digits = m_caught.find_first_not_of("0123456789"), end = m_caught.find(kEnd);
    const std::size_t bodyAt = digits + kObj.size(), endobj = end + kEnd.size() - 7;
    const std::string replaced = m_caught.substr(0, bodyAt) + object + m_caught.substr(endobj);
    const long long before = m_edits.empty() ? 0 : m_edits.back().shift;
    m_edits.push_back({m_pendingAt + bodyAt, before + static_cast<long long>(replaced.size())
                                                 - static_cast<long long>(m_caught.size())});
    pass(replaced.data(), replaced.size());
    m_pendingAt += m_caught.size();
    m_caught = std::string();
}

bool PdfBoxStream::finish()
{
    if (m_catching)
        fail("an object caught and never replaced");
    settle(true);
    if (m_pending.find(kMediaBox) != std::string::npos)
        fail("a MediaBox cut short");
    if (!m_holding)
        fail("an end not held back");
    if (!m_fault.empty())
        return false;
    pass(m_pending.data(), m_pending.size());
    m_pendingAt += m_pending.size();
    m_pending.clear();
    if (!mendTail())
        return false;
    flush();
    m_out.write(m_tail.data(), static_cast<qint64>(m_tail.size()));
    m_tail = std::string();
    return true;
}

bool PdfBoxStream::mendTail()
{
    // The classic table the writer ends with: "startxref\n<offset>", at the offset "xref\n0 <n>\n"
    // and n entries of 20 bytes, the first ten digits each an object's byte offset. The writer
    // counted offsets in its own bytes; the new boxes have moved them.
    std::string& tail = m_tail;
    const std::size_t startxref = tail.rfind("startxref");
    if (startxref == std::string::npos)
        return fail("no startxref at the end");
    const std::size_t xrefAt = std::strtoull(tail.c_str() + startxref + 9, nullptr, 10);
    if (!m_edits.empty() && m_edits.back().at >= xrefAt)
        return fail("a MediaBox after the cross-reference table");
    const std::size_t newXrefAt = moved(xrefAt);
    if (newXrefAt < m_tailAt || newXrefAt - m_tailAt > startxref
        || tail.compare(newXrefAt - m_tailAt, 5, "xref\n") != 0)
        return fail("startxref not pointing at a cross-reference table");
    char* end = nullptr;
    const unsigned long first = std::strtoul(tail.c_str() + newXrefAt - m_tailAt + 5, &end, 10);
    const unsigned long count = std::strtoul(end, &end, 10);
    std::size_t entries = static_cast<std::size_t>(end - tail.c_str());
    while (entries < tail.size() && (tail[entries] == ' ' || tail[entries] == '\r' || tail[entries] == '\n'))
        ++entries;
    if (first != 0 || entries > startxref || count > (startxref - entries) / 20)
        return fail("a cross-reference table other than one classic section");
    const std::size_t numberAt = tail.find_first_of("0123456789", startxref + 9);
    if (numberAt == std::string::npos)
        return fail("no offset after startxref");
    if (m_boxes != m_pages.size())
        return fail(std::to_string(m_boxes) + " MediaBoxes for " + std::to_string(m_pages.size()) + " pages");

    for (unsigned long i = 0; i < count; ++i) {
        char* entry = tail.data() + entries + 20 * i;
        if (entry[17] != 'n')
            continue;
        char digits[11];
        std::snprintf(digits, sizeof digits, "%010zu", moved(std::strtoull(entry, nullptr, 10)));
        std::memcpy(entry, digits, 10);
    }
    const std::size_t numberEnd = tail.find_first_not_of("0123456789", numberAt);
    tail.replace(numberAt, numberEnd - numberAt, std::to_string(newXrefAt));
    return true;
}

std::size_t PdfBoxStream::moved(std::size_t offset) const
{
    // Every offset past an edit moves by what the edits before it added.
    const auto after = std::lower_bound(m_edits.begin(), m_edits.end(), offset,
                                        [](const Edit& e, std::size_t o) { return e.at < o; });
    return after == m_edits.begin() ? offset
                                    : static_cast<std::size_t>(static_cast<long long>(offset) + (after - 1)->shift);
}

void PdfBoxStream::pass(const char* data, std::size_t size)
{
    m_written += size;
    if (m_holding) {
        m_tail.append(data, size);
        return;
    }
    m_buffered.append(data, size);
    if (m_buffered.size() >= kWriteSize)
        flush();
}

void PdfBoxStream::flush()
{
    if (!m_buffered.empty())
        m_out.write(m_buffered.data(), static_cast<qint64>(m_buffered.size()));
    m_buffered.clear();
}

bool PdfBoxStream::fail(const std::string& fault)
{
    if (m_fault.empty())
        m_fault = fault;
    return false;
}

} // namespace exporter
