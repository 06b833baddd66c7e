#include "render/picture_store.h"

#include <cassert>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

namespace exporter {

struct PictureStore::Shelf
{
    std::mutex mutex;
    std::size_t kept = 0;
    std::vector<std::pair<std::size_t, std::unique_ptr<uchar[]>>> idle; ///< bytes, memory
};

namespace {

/// A picture's memory on loan from a shelf.
struct Loan
{
    std::shared_ptr<void> shelf; ///< a PictureStore::Shelf, kept alive while the picture lives
    std::size_t bytes = 0;
    std::unique_ptr<uchar[]> memory;
};

} // namespace

PictureStore::PictureStore(std::size_t kept) : m_shelf(std::make_shared<Shelf>())
{
    m_shelf->kept = kept;
}

QImage PictureStore::picture(int width, int height, QImage::Format format)
{
    assert(width > 0 && height > 0);
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    assert(depth == 32 || depth == 24);
    // Rows padded to whole 32-bit words, as QImage pads its own.
    const std::size_t perLine = (static_cast<std::size_t>(width) * (depth / 8) + 3) / 4 * 4;
    const std::size_t bytes = perLine * static_cast<std::size_t>(height);
    auto loan = std::make_unique<Loan>();
    loan->shelf = m_shelf;
    loan->bytes = bytes;
    {
        const std::lock_guard<std::mutex> lock(m_shelf->mutex);
        for (auto it = m_shelf->idle.begin(); it != m_shelf->idle.end(); ++it)
            if (it->first == bytes) {
                loan->memory = std::move(it->second);
                m_shelf->idle.erase(it);
                break;
            }
    }
    if (!loan->memory)
        loan->memory.reset(new (std::nothrow) uchar[bytes]);
    if (!loan->memory)
        return QImage();
    uchar* const data = loan->memory.get();
    const auto giveBack = [](void* info) {
        std::unique_ptr<Loan> back(static_cast<Loan*>(info));
        auto& shelf = *static_cast<Shelf*>(back->shelf.get());
        const std::lock_guard<std::mutex> lock(shelf.mutex);
        if (shelf.idle.size() < shelf.kept)
            shelf.idle.emplace_back(back->bytes, std::move(back->memory));
    };
    return QImage(data, width, height, static_cast<qsizetype>(perLine), format, giveBack, loan.release());
}

} // namespace exporter
