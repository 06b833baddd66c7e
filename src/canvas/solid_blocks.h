#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <vector>

namespace canvas {

/// What is known of a picture's blocks of 8 × 8 pixels: wholly of one colour, not, or not known
/// since they were last drawn on. A dot whose pixels all lie in blocks already wholly of its own
/// colour would change nothing, and need not be drawn: in a thick field of stars most of them.
class SolidBlocks
{
public:
    /// Forgets what was known, for a picture of `width` × `height` pixels; with `all`, it is
    /// wholly that colour.
    void reset(int width, int height, std::optional<QRgb> all = std::nullopt);

    /// Whether every pixel of `image` in columns `left` to `right` and rows `top` to `bottom`
    /// (the last of each not included), as far as they lie on the picture, is `colour`. True
    /// only when each block they touch is known, or now found, to be wholly `colour`.
    bool allOf(const QImage& image, int left, int top, int right, int bottom, QRgb colour);

    /// The pixels in columns `left` to `right` and rows `top` to `bottom` (the last of each not
    /// included) may have changed; with `only`, only to that colour.
    void drawn(int left, int top, int right, int bottom, std::optional<QRgb> only);

private:
    enum class State : std::uint8_t { Unknown, Solid, Mixed };
    struct Block
    {
        QRgb colour = 0;
        State state = State::Unknown;
    };

    /// Clamps the rectangle to the picture and turns it into the blocks it touches, the last
    /// of each included; false when it lies beside the picture.
    bool blocks(int& left, int& top, int& right, int& bottom) const;
    /// Finds out, from its pixels, what the block at `bx`, `by` is.
    void look(const QImage& image, int bx, int by, Block& block) const;

    int m_width = 0, m_height = 0, m_across = 0;
    std::vector<Block> m_blocks;
};

} // namespace canvas
