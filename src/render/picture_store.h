#pragma once

#include <QImage>

#include <cstddef>
#include <memory>

namespace exporter {

/// Picture memory kept for reuse: a bitmap export makes many pictures of a few sizes, and fresh
/// memory costs the system a page fault for every few kilobytes of it before a pixel is set.
/// Pictures may be taken and dropped on any thread.
class PictureStore
{
public:
    /// A store that keeps at most `kept` idle pictures' memory.
    explicit PictureStore(std::size_t kept = 4);
    /// A picture of `width` × `height` (> 0) pixels of undefined colour in `format` (one of
    /// 32 or 24 bits a pixel), in memory that goes back to the store when the last copy of the
    /// picture is gone. Null when memory runs out.
    QImage picture(int width, int height, QImage::Format format);

private:
    struct Shelf;
    std::shared_ptr<Shelf> m_shelf;
};

} // namespace exporter
