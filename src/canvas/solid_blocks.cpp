#include "canvas/solid_blocks.h"

#include <algorithm>

namespace canvas {

namespace {

constexpr int kShift = 3, kSide = 1 << kShift;

} // namespace

void SolidBlocks::reset(int width, int height, std::optional<QRgb> all)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_across = (m_width + kSide - 1) >> kShift;
    m_blocks.assign(static_cast<std::size_t>(m_across) * static_cast<std::size_t>((m_height + kSide - 1) >> kShift),
                    all ? Block{*all, State::Solid} : Block{});
}

[[gnu::always_inline]] inline bool SolidBlocks::blocks(int& left, int& top, int& right, int& bottom) const
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_width);
    bottom = std::min(bottom, m_height);
    if (left >= right || top >= bottom)
        return false;
    left >>= kShift;
    top >>= kShift;
    right = (right - 1) >> kShift;
    bottom = (bottom - 1) >> kShift;
    return true;
}

void SolidBlocks::look(const QImage& image, int bx, int by, Block& block) const
{
    const int x0 = bx << kShift, y0 = by << kShift;
    const int columns = std::min(kSide, m_width - x0), rows = std::min(kSide, m_height - y0);
    const QRgb first = reinterpret_cast<const QRgb*>(image.constScanLine(y0))[x0];
    QRgb differs = 0;
    for (int y = 0; y < rows; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y0 + y)) + x0;
        if (columns == kSide)
            for (int x = 0; x < kSide; ++x)
                differs |= row[x] ^ first;
        else
            for (int x = 0; x < columns; ++x)
                differs |= row[x] ^ first;
    }
    block = differs ? Block{0, State::Mixed} : Block{first, State::Solid};
}

bool SolidBlocks::allOf(const QImage& image, int left, int top, int right, int bottom, QRgb colour)
{
    if (!blocks(left, top, right, bottom))
        return true;
    // What is known answers first; only then are blocks not known looked at, one by one.
    bool unknown = false;
    for (int by = top; by <= bottom; ++by)
        for (int bx = left; bx <= right; ++bx) {
            const Block& b = m_blocks[static_cast<std::size_t>(by) * m_across + bx];
            if (b.state == State::Mixed || (b.state == State::Solid && b.colour != colour))
                return false;
            unknown |= b.state == State::Unknown;
        }
    if (!unknown)
        return true;
    for (int by = top; by <= bottom; ++by)
        for (int bx = left; bx <= right; ++bx) {
            Block& b = m_blocks[static_cast<std::size_t>(by) * m_across + bx];
            if (b.state != State::Unknown)
                continue;
            look(image, bx, by, b);
            if (b.state != State::Solid || b.colour != colour)
                return false;
        }
    return true;
}

void SolidBlocks::drawn(int left, int top, int right, int bottom, std::optional<QRgb> only)
{
    if (!blocks(left, top, right, bottom))
        return;
    for (int by = top; by <= bottom; ++by)
        for (int bx = left; bx <= right; ++bx) {
            Block& b = m_blocks[static_cast<std::size_t>(by) * m_across + bx];
            if (!(only && b.state == State::Solid && b.colour == *only))
                b.state = State::Unknown;
        }
}

} // namespace canvas
