#pragma once

#include <QImage>
#include <QRectF>

#include <cstdint>
#include <optional>
#include <vector>

namespace canvas {

/// What is known of a picture's square blocks of pixels: wholly of one colour, not, or not known
/// since they were last drawn on. A dot whose pixels all lie in blocks already wholly of its own
/// colour would change nothing, and need not be drawn: in a thick field of stars most of them.
class SolidBlocks
{
public:
    /// Blocks of 2 to the power `shift` pixels on a side.
    explicit SolidBlocks(int shift = 3);
    /// Pixels on a side of a block.
    int side() const { return 1 << m_shift; }

    /// Pixels: columns `left` to `right` and rows `top` to `bottom`, the last of each not included.
    struct Box
    {
        int left, top, right, bottom;
    };
    /// The pixels the painter may set drawing a line or a disc that spans `span` (pixels), with a
    /// margin for its rounding; none when that is not finite or lies so far out that it is taken
    /// to reach anywhere.
    static std::optional<Box> reach(const QRectF& span);
    /// The same for a disc of `radius` about `centre` (pixels).
    static std::optional<Box> reach(QPointF centre, double radius)
    {
        return reach(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
    }

    /// Forgets what was known, for a picture of `width` × `height` pixels; with `all`, it is
    /// wholly that colour.
    void reset(int width, int height, std::optional<QRgb> all = std::nullopt);

    /// Whether every pixel of `image` (32 bits a pixel, or Format_BGR888) within `box`, as far as
    /// it lies on the picture, is `colour` (opaque). True only when each block the box touches is
    /// known, or now found, to be wholly `colour`; false without a box.
    bool allOf(const QImage& image, const std::optional<Box>& box, QRgb colour);

    /// The pixels within `box`, or anywhere without one, may have changed: with `only`, only to
    /// that colour.
    void drawn(const std::optional<Box>& box, std::optional<QRgb> only);

private:
    enum class State : std::uint8_t { Unknown, Solid, Mixed };
    struct Block
    {
        QRgb colour = 0;
        State state = State::Unknown;
    };

    /// The blocks `box` touches on the picture, the last of each included; none when it lies
    /// beside the picture.
    std::optional<Box> blocks(Box box) const;
    /// Finds out, from its pixels, what the block at `bx`, `by` is.
    void look(const QImage& image, int bx, int by, Block& block) const;

    int m_shift;
    int m_width = 0, m_height = 0, m_across = 0;
    std::vector<Block> m_blocks;
};

} // namespace canvas
