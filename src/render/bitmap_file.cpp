#include "render/bitmap_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace exporter {

namespace {

/// Bytes gathered before each write: a few rows of a large picture at a time.
constexpr std::size_t kChunkBytes = 1u << 20;
/// File header and BITMAPINFOHEADER.
constexpr std::uint32_t kFileHeaderBytes = 14, kInfoHeaderBytes = 40;
/// Resolution recorded when the image has none, pixels a metre (72 dpi).
constexpr std::int32_t kDefaultPerMetre = 2834;

void put16(unsigned char*& p, std::uint16_t v)
{
    *p++ = static_cast<unsigned char>(v);
    *p++ = static_cast<unsigned char>(v >> 8);
}

void put32(unsigned char*& p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        *p++ = static_cast<unsigned char>(v >> (8 * i));
}

/// `width` pixels of `in` as blue, green, red bytes into `out`; on a little-endian machine four
/// pixels at a time as three words (a pixel's low three bytes are its blue, green and red).
void packRow(const QRgb* in, int width, unsigned char* out)
{
    int x = 0;
    if constexpr (std::endian::native == std::endian::little)
        for (; x + 4 <= width; x += 4, out += 12) {
            const std::uint32_t a = in[x] & 0xffffffu, b = in[x + 1] & 0xffffffu, c = in[x + 2] & 0xffffffu,
                                d = in[x + 3] & 0xffffffu;
            const std::uint32_t words[3] = {a | b << 24, b >> 8 | c << 16, c >> 16 | d << 8};
            std::memcpy(out, words, sizeof words);
        }
    for (; x < width; ++x, out += 3) {
        const QRgb c = in[x];
        out[0] = static_cast<unsigned char>(c);
        out[1] = static_cast<unsigned char>(c >> 8);
        out[2] = static_cast<unsigned char>(c >> 16);
    }
}

} // namespace

bool writeBitmapFile(QIODevice& device, const QImage& image)
{
    const bool packed = image.format() == QImage::Format_BGR888;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 && !packed)
        return image.save(&device, "BMP");

    const int width = image.width(), height = image.height();
    const std::size_t rowBytes = (3 * static_cast<std::size_t>(width) + 3) / 4 * 4;
    const auto imageBytes = static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(height));
    const std::int32_t perMetreX = image.dotsPerMeterX() ? image.dotsPerMeterX() : kDefaultPerMetre;
    const std::int32_t perMetreY = image.dotsPerMeterY() ? image.dotsPerMeterY() : kDefaultPerMetre;

    const std::size_t rowsAtOnce = std::max<std::size_t>(1, kChunkBytes / std::max<std::size_t>(rowBytes, 1));
    std::vector<unsigned char> buffer(std::max<std::size_t>(kFileHeaderBytes + kInfoHeaderBytes,
                                                            rowsAtOnce * rowBytes));
    unsigned char* p = buffer.data();
    *p++ = 'B';
    *p++ = 'M';
    put32(p, kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
    put32(p, 0); // reserved
    put32(p, kFileHeaderBytes + kInfoHeaderBytes);
    put32(p, kInfoHeaderBytes);
    put32(p, static_cast<std::uint32_t>(width));
    put32(p, static_cast<std::uint32_t>(height));
    put16(p, 1);  // planes
    put16(p, 24); // bits a pixel
    put32(p, 0);  // no compression
    put32(p, imageBytes);
    put32(p, static_cast<std::uint32_t>(perMetreX));
    put32(p, static_cast<std::uint32_t>(perMetreY));
    put32(p, 0); // colours used
    put32(p, 0); // colours important
    if (device.write(reinterpret_cast<const char*>(buffer.data()), p - buffer.data()) != p - buffer.data())
        return false;

    std::fill(buffer.begin(), buffer.end(), 0); // the rows' padding stays zero
    for (int y = height - 1; y >= 0;) {
        const int rows = static_cast<int>(std::min<std::size_t>(rowsAtOnce, static_cast<std::size_t>(y) + 1));
        for (int r = 0; r < rows; ++r, --y) {
            unsigned char* out = buffer.data() + static_cast<std::size_t>(r) * rowBytes;
            if (packed)
                std::memcpy(out, image.constScanLine(y), 3 * static_cast<std::size_t>(width));
            else
                packRow(reinterpret_cast<const QRgb*>(image.constScanLine(y)), width, out);
        }
        const auto bytes = static_cast<qint64>(static_cast<std::size_t>(rows) * rowBytes);
        if (device.write(reinterpret_cast<const char*>(buffer.data()), bytes) != bytes)
            return false;
    }
    return true;
}

} // namespace exporter
