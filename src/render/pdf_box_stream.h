#pragma once

#include "render/pdf_boxes.h"

#include <QIODevice>

#include <cstddef>
#include <deque>
#include <future>
#include <string>
#include <vector>

namespace exporter {

/// The output device Qt's PDF writer writes into on its way to `out`: it gives every page
/// object the exact boxes of its page (see setPageBoxes) as the bytes pass, and holds back only
/// what might be a MediaBox cut off between two writes and, once told, the document's tail,
/// whose cross-reference table it mends for the bytes the new boxes added. Memory stays that of
/// the tail (the last page, the fonts, the table) however many pages go through. It can also
/// put objects of its own in place of objects the writer writes (see catchObject). The writer
/// must neither read nor seek; a seek is refused and reported by `finish`. A write `out`
/// refuses is for `out` to report.
class PdfBoxStream : public QIODevice
{
public:
    /// Opens for writing into `out`, which must be open and outlive this device.
    explicit PdfBoxStream(QIODevice& out);

    /// The boxes of the next page; given when the page starts, before the writer writes its object.
    void addPage(const PageBoxes& boxes);
    /// Holds back everything written from now on: call before the writer writes its last page.
    void holdTail();
    /// Catches what the writer writes from now on, for replaceCaught: call just before a drawing
    /// call that makes the writer write one object out of turn (an image) and nothing else.
    void catchObject();
    /// Gives the object caught since catchObject the dictionary and stream `object` (from "<<" to
    /// "endstream\n"), keeping its number, and passes it on with the rest caught. False, passing
    /// nothing on, when what was caught does not begin with one whole stream object.
    bool replaceCaught(const std::string& object);
    /// As replaceCaught, with the object still being made: what the writer writes after it waits
    /// behind it and goes on in order once it is there (at the latest in holdTail or finish, and
    /// when more than a few wait). The same bytes come out as from replaceCaught. An object that
    /// cannot be made (its future throws) is a fault.
    bool replaceCaughtLater(std::future<std::string> object);
    /// Mends the held tail's cross-reference table and writes it out. False, writing nothing
    /// more, when the writer's output is not as expected; `fault` says how.
    bool finish();
    /// What was not as expected ("a MediaBox cut short"), empty when nothing was.
    const std::string& fault() const { return m_fault; }

    bool isSequential() const override { return true; }
    bool seek(qint64 pos) override;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    /// One new MediaBox: where the old one began in the writer's bytes, and by how many bytes
    /// the output has moved after it, counting every edit up to this one.
    struct Edit
    {
        std::size_t at = 0;
        long long shift = 0;
    };

    /// A replacement waiting for its object, with what was caught and the writer's bytes since.
    struct Later
    {
        std::string caught;
        std::future<std::string> object;
        std::string after;
    };
    /// The writer's bytes, as they come when no replacement waits.
    void take(const char* data, std::size_t size);
    /// catchObject and replaceCaughtLater with no replacement waiting, the object there and what
    /// was caught found to be one stream object.
    void catchNow();
    void replaceNow(const std::string& object);
    /// Whether what was caught begins with one whole stream object.
    bool caughtIsObject() const;
    /// Carries out the waiting replacements whose objects are there, in order, with the bytes
    /// after each; with `wait`, waits for them all.
    void settle(bool wait);
    void pass(const char* data, std::size_t size);
    void flush();
    bool replaceBox(std::size_t at, std::size_t close);
    bool mendTail();
    std::size_t moved(std::size_t offset) const;
    bool fail(const std::string& fault);

    QIODevice& m_out;
    std::vector<PageBoxes> m_pages;
    std::vector<Edit> m_edits;
    std::size_t m_boxes = 0;  ///< MediaBoxes replaced so far
    std::string m_pending;    ///< the writer's bytes not yet passed on, from offset m_pendingAt
    std::size_t m_pendingAt = 0;
    std::string m_buffered;   ///< passed on, waiting to go to `out` in one write
    std::string m_tail;       ///< passed on since holdTail, from offset m_tailAt of the output
    std::size_t m_tailAt = 0;
    std::size_t m_written = 0; ///< bytes passed on so far
    bool m_holding = false;
    bool m_catching = false;
    std::string m_caught;     ///< written since catchObject
    std::deque<Later> m_later; ///< replacements waiting for their objects, in the order made
    std::string m_fault;
};

} // namespace exporter
