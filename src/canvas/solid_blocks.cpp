#include "canvas/solid_blocks.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace canvas {

namespace {

/// A margin, in pixels, round a line or a disc within which the painter sets all of its pixels:
/// twice the pixel it may reach beyond them.
constexpr int kMargin = 2;
/// Most pixels on a side of a block.
constexpr int kMostSide = 64;
/// Beyond this, in pixels, a drawing is taken to reach anywhere.
constexpr double kBeyond = 1 << 28;

} // namespace

SolidBlocks::SolidBlocks(int shift) : m_shift(std::clamp(shift, 0, std::countr_zero(unsigned(kMostSide)))) {}

std::optional<SolidBlocks::Box> SolidBlocks::reach(const QRectF& span)
{
    const double left = span.left(), top = span.top(), right = span.right(), bottom = span.bottom();
    if (!(left >= -kBeyond && top >= -kBeyond && right <= kBeyond && bottom <= kBeyond))
        return std::nullopt;
    return Box{static_cast<int>(std::floor(left)) - kMargin, static_cast<int>(std::floor(top)) - kMargin,
               static_cast<int>(std::ceil(right)) + kMargin + 1, static_cast<int>(std::ceil(bottom)) + kMargin + 1};
}

void SolidBlocks::reset(int width, int height, std::optional<QRgb> all)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_across = (m_width + side() - 1) >> m_shift;
    m_blocks.assign(static_cast<std::size_t>(m_across) * static_cast<std::size_t>((m_height + side() - 1) >> m_shift),
                    all ? Block{*all, State::Solid} : Block{});
}

std::optional<SolidBlocks::Box> SolidBlocks::blocks(Box b) const
{
    b.left = std::max(b.left, 0);
    b.top = std::max(b.top, 0);
    b.right = std::min(b.right, m_width);
    b.bottom = std::min(b.bottom, m_height);
    if (b.left >= b.right || b.top >= b.bottom)
        return std::nullopt;
    return Box{b.left >> m_shift, b.top >> m_shift, (b.right - 1) >> m_shift, (b.bottom - 1) >> m_shift};
}

void SolidBlocks::look(const QImage& image, int bx, int by, Block& block) const
{
    const int x0 = bx << m_shift, y0 = by << m_shift;
    const int columns = std::min(side(), m_width - x0), rows = std::min(side(), m_height - y0);
    if (image.format() == QImage::Format_BGR888) {
        const uchar* first = image.constScanLine(y0) + 3 * x0;
        uchar run[3 * kMostSide];
        for (int x = 0; x < columns; ++x)
            std::memcpy(run + 3 * x, first, 3);
        bool same = true;
        for (int y = 0; y < rows && same; ++y)
            same = std::memcmp(image.constScanLine(y0 + y) + 3 * x0, run, 3 * static_cast<std::size_t>(columns)) == 0;
        block = same ? Block{qRgb(first[2], first[1], first[0]), State::Solid} : Block{0, State::Mixed};
        return;
    }
    const QRgb first = reinterpret_cast<const QRgb*>(image.constScanLine(y0))[x0];
    QRgb differs = 0;
    for (int y = 0; y < rows; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y0 + y)) + x0;
        if (columns == 8)
            for (int x = 0; x < 8; ++x)
                differs |= row[x] ^ first;
        else
            for (int x = 0; x < columns; ++x)
                differs |= row[x] ^ first;
    }
    block = differs ? Block{0, State::Mixed} : Block{first, State::Solid};
}

bool SolidBlocks::allOf(const QImage& image, const std::optional<Box>& box, QRgb colour)
{
    if (!box)
        return false;
    const std::optional<Box> on = blocks(*box);
    if (!on)
        return true;
    // What is known answers first; only then are blocks not known looked at, one by one.
    bool unknown = false;
    for (int by = on->top; by <= on->bottom; ++by)
        for (int bx = on->left; bx <= on->right; ++bx) {
            const Block& b = m_blocks[static_cast<std::size_t>(by) * m_across + bx];
            if (b.state == State::Mixed || (b.state == State::Solid && b.colour != colour))
                return false;
            unknown |= b.state == State::Unknown;
        }
    if (!unknown)
        return true;
    for (int by = on->top; by <= on->bottom; ++by)
        for (int bx = on->left; bx <= on->right; ++bx) {
            Block& b = m_blocks[static_cast<std::size_t>(by) * m_across + bx];
            if (b.state != State::Unknown)
                continue;
            look(image, bx, by, b);
            if (b.state != State::Solid || b.colour != colour)
                return false;
        }
    return true;
}

void SolidBlocks::drawn(const std::optional<Box>& box, std::optional<QRgb> only)
{
    const std::optional<Box> on = box ? blocks(*box) : blocks({0, 0, m_width, m_height});
    if (!on)
        return;
    for (int by = on->top; by <= on->bottom; ++by)
        for (int bx = on->left; bx <= on->right; ++bx) {
            Block& b = m_blocks[static_cast<std::size_t>(by) * m_across + bx];
            if (!(only && b.state == State::Solid && b.colour == *only))
                b.state = State::Unknown;
        }
}

} // namespace canvas
