// Writes every float of magnitude in [2^-9, 2^13), positive and negative, with text::putShortest
// and with std::to_chars and compares the texts byte for byte, the two signs in two threads.
// Prints each difference (the first 20 of each sign) and exits 1 when there was any.

#include "text/number_text.h"

#include <bit>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

constexpr std::uint32_t kFirst = (127u - 9u) << 23; // bits of 2^-9
constexpr std::uint32_t kEnd = (127u + 13u) << 23;  // bits of 2^13

struct Tally
{
    std::uint64_t checked = 0;
    std::uint64_t differing = 0;
};

Tally checkSign(std::uint32_t sign)
{
    Tally tally;
    for (std::uint32_t bits = kFirst; bits < kEnd; ++bits) {
        const float value = std::bit_cast<float>(bits | sign);
        char expected[32], written[32];
        const char* expectedEnd = std::to_chars(expected, expected + sizeof expected, value).ptr;
        const char* writtenEnd = text::putShortest(written, value);
        ++tally.checked;
        const auto length = static_cast<std::size_t>(expectedEnd - expected);
        if (static_cast<std::size_t>(writtenEnd - written) != length || std::memcmp(expected, written, length) != 0) {
            if (++tally.differing <= 20)
                std::printf("0x%08x: std::to_chars %.*s, putShortest %.*s\n", bits | sign, static_cast<int>(length),
                            expected, static_cast<int>(writtenEnd - written), written);
        }
    }
    return tally;
}

} // namespace

int main()
{
    const auto start = std::chrono::steady_clock::now();
    Tally negative;
    std::thread negatives([&negative] { negative = checkSign(0x80000000u); });
    const Tally positive = checkSign(0);
    negatives.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::uint64_t checked = positive.checked + negative.checked;
    const std::uint64_t differing = positive.differing + negative.differing;
    std::printf("%llu floats checked in %.1f s, %llu differ\n", static_cast<unsigned long long>(checked), seconds,
                static_cast<unsigned long long>(differing));
    return differing == 0 ? 0 : 1;
}
