#include "text/number_text.h"

#include "text/input_error.h"
#include "text/message_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

namespace text {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Lays out `value` rounded to `digits` significant digits in the general form.
std::string formatWithDigits(double value, int digits, char decimalSeparator)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0)
        return "0";

    // Scientific form gives the rounded mantissa digits and the decimal exponent.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    std::string_view s(buffer);
    const bool negative = s.front() == '-';
    if (negative)
        s.remove_prefix(1);
    const auto ePos = s.find('e');
    std::string mantissa;
    for (char c : s.substr(0, ePos))
        if (c != '.')
            mantissa += c;
    const int exponent = std::atoi(std::string(s.substr(ePos + 1)).c_str());
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += mantissa.substr(0, 1);
        if (mantissa.size() > 1) {
            out += decimalSeparator;
            out += mantissa.substr(1);
        }
        char expText[16];
        std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + expText;
    }
    if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out += std::string(static_cast<std::size_t>(-exponent - 1), '0');
        return out + mantissa;
    }
    const auto intDigits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= intDigits)
        return out + mantissa + std::string(intDigits - mantissa.size(), '0');
    out += mantissa.substr(0, intDigits);
    out += decimalSeparator;
    return out + mantissa.substr(intDigits);
}

template <typename Int>
Int toWhole(std::string_view typed, std::string_view field, char decimalSeparator)
{
    const double rounded = roundHalfEven(toDouble(typed, field, decimalSeparator));
    constexpr auto low = std::numeric_limits<Int>::min();
    constexpr auto high = std::numeric_limits<Int>::max();
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) {
        refuse(Input::Unnamed, std::string(field), std::string(typed),
               Message(MessageId::OutsideRange, {quotedForMessage(typed), low, high}));
    }
    return static_cast<Int>(rounded);
}

// Powers of ten up to 10^10, the most fraction digits a shortest text below needs.
constexpr std::uint64_t kPowersOfTen[] = {1,           10,          100,          1'000,
                                          10'000,      100'000,     1'000'000,    10'000'000,
                                          100'000'000, 1'000'000'000, 10'000'000'000};

// Fraction digits that always suffice where the bounds are 2^-shift apart, shift 13…34: the first k
// with 3 · 10^k > 2^shift, as the interval is at least 3 · 2^-shift wide.
struct EnoughFractionDigits
{
    int digits = 0;
    std::uint64_t power = 1; ///< 10^digits
};
constexpr auto kEnoughFractionDigits = [] {
    std::array<EnoughFractionDigits, 34 - 13 + 1> enough{};
    for (int shift = 13; shift <= 34; ++shift) {
        auto& e = enough[shift - 13];
        while (3 * e.power <= std::uint64_t{1} << shift)
            e.power = kPowersOfTen[++e.digits];
    }
    return enough;
}();

// The 4 digits of x < 10^4, zeros in front, as characters in memory order (the first digit in the
// lowest byte): split in two 2-digit lanes, then four 1-digit lanes, each quotient taken by a
// multiplication exact in its range.
std::uint32_t fourDigits(std::uint32_t x)
{
    const std::uint32_t twos = x / 100 | (x % 100) << 16;
    const std::uint32_t tens = ((twos * 103) >> 10) & 0x000f'000fu;
    return (tens | (twos - 10 * tens) << 8) | 0x3030'3030u;
}

// The 8 digits of x < 10^8 as `fourDigits` gives 4, by way of two 4-digit lanes.
std::uint64_t eightDigits(std::uint32_t x)
{
    const std::uint64_t fours = x / 10'000 | std::uint64_t{x % 10'000} << 32;
    const std::uint64_t hundreds = ((fours * 10'486) >> 20) & 0x0000'007f'0000'007fu;
    const std::uint64_t twos = hundreds | (fours - 100 * hundreds) << 16;
    const std::uint64_t tens = ((twos * 103) >> 10) & 0x000f'000f'000f'000fu;
    return (tens | (twos - 10 * tens) << 8) | 0x3030'3030'3030'3030u;
}

template <typename Word>
void store(char* to, Word word)
{
    std::memcpy(to, &word, sizeof word);
}

// Stores `count` ≤ 10 characters, the first 8 in `low` and the rest in `high` (in memory order), as
// two overlapping words of a width the count decides: nothing after them is touched.
void storeShort(char* to, std::uint64_t low, std::uint64_t high, unsigned count)
{
    assert(count >= 1 && count <= 10);
    if (count >= 8) {
        const unsigned over = 8 * (count - 8);
        store(to, low);
        store(to + count - 8, low >> over | (high << 1) << (63 - over)); // high << 64 is nothing
    } else if (count >= 4) {
        store(to, static_cast<std::uint32_t>(low));
        store(to + count - 4, static_cast<std::uint32_t>(low >> (8 * (count - 4))));
    } else if (count >= 2) {
        store(to, static_cast<std::uint16_t>(low));
        store(to + count - 2, static_cast<std::uint16_t>(low >> (8 * (count - 2))));
    } else {
        *to = static_cast<char>(low);
    }
}

} // namespace

std::optional<double> parseDouble(std::string_view typed, char decimalSeparator)
{
    std::string_view s = trimBlanks(typed);
    if (s.empty())
        return std::nullopt;
    // Accept only sign, digits, one separator and an exponent; then let from_chars
    // read a copy with a full stop, which is locale-independent.
    std::string normal;
    normal.reserve(s.size());
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') {
        if (s[i] == '-')
            normal += '-';
        ++i;
    }
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            normal += c;
        } else if ((c == decimalSeparator || c == '.') && !point) {
            // The full stop is taken too: the start texts and the data files use it,
            // whatever the user's locale writes.
            point = true;
            normal += '.';
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            normal += s[i++];
        bool expDigits = false;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            expDigits = true;
            normal += s[i];
        }
        if (!expDigits)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    double value = 0.0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec != std::errc() || result.ptr != normal.data() + normal.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

const char* readPlainDecimal(const char* p, const char* end, double& value)
{
    // m / 10^k with m below 2^53 and k at most 22: both are exact doubles, so the one rounding of
    // the division gives the correctly rounded value, as std::from_chars does.
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    // At most 19 digits cannot overflow m; more are left to parseDataNumber.
    std::uint64_t m = 0;
    const char* const first = p;
    while (p != end && static_cast<unsigned char>(*p - '0') < 10)
        m = m * 10 + static_cast<std::uint64_t>(*p++ - '0');
    std::ptrdiff_t digits = p - first, fraction = 0;
    if (p != end && *p == '.') {
        const char* const afterPoint = ++p;
        while (p != end && static_cast<unsigned char>(*p - '0') < 10)
            m = m * 10 + static_cast<std::uint64_t>(*p++ - '0');
        fraction = p - afterPoint;
        digits += fraction;
    }
    if (digits == 0 || digits > 19 || m >= (std::uint64_t{1} << 53) || fraction > 22)
        return nullptr;
    const double magnitude = static_cast<double>(m) / kPowers[fraction];
    value = negative ? -magnitude : magnitude;
    return p;
}

DataNumber parseDataNumber(std::string_view field)
{
    const char* first = field.data();
    const char* const end = first + field.size();
    // from_chars takes no plus sign, and reads "inf", "nan" and "infinity": a number must
    // start with a digit or a point once its one sign is passed.
    const bool plus = first != end && *first == '+';
    if (plus)
        ++first;
    const char* body = !plus && first != end && *first == '-' ? first + 1 : first;
    if (body == end || !((*body >= '0' && *body <= '9') || *body == '.'))
        return {};
    double value = 0.0;
    if (!plus && readPlainDecimal(first, end, value) == end)
        return {DataNumber::Kind::Number, value};
    const auto result = std::from_chars(first, end, value);
    if (result.ptr != end)
        return {};
    if (result.ec == std::errc())
        return {DataNumber::Kind::Number, value};
    // Out of range: too large when the first significant digit stands at 10^0 or above,
    // else too small, which reads as zero.
    std::int64_t leadingPower = 0;
    const char* p = body;
    bool significant = false;
    for (; p != end && *p >= '0' && *p <= '9'; ++p) {
        significant = significant || *p != '0';
        if (significant)
            ++leadingPower;
    }
    if (!significant && p != end && *p == '.')
        for (++p; p != end && *p == '0'; ++p)
            --leadingPower;
    while (p != end && *p != 'e' && *p != 'E')
        ++p;
    if (p != end) {
        ++p;
        const bool negative = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        std::int64_t exponent = 0;
        for (; p != end; ++p)
            exponent = std::min<std::int64_t>(exponent * 10 + (*p - '0'), std::int64_t{1} << 40);
        leadingPower += negative ? -exponent : exponent;
    }
    if (leadingPower > 0)
        return {DataNumber::Kind::TooLarge, 0.0};
    return {DataNumber::Kind::Number, field.front() == '-' ? -0.0 : 0.0};
}

double toDouble(std::string_view typed, std::string_view field, char decimalSeparator)
{
    if (const auto value = parseDouble(typed, decimalSeparator))
        return *value;
    if (trimBlanks(typed).empty())
        refuse(Input::Unnamed, std::string(field), std::string(typed),
               Message(MessageId::BoxEmpty));
    refuse(Input::Unnamed, std::string(field), std::string(typed),
           Message(MessageId::NotANumber, {quotedForMessage(typed)}));
}

std::int16_t toInt16(std::string_view typed, std::string_view field, char decimalSeparator)
{
    return toWhole<std::int16_t>(typed, field, decimalSeparator);
}

std::int32_t toInt32(std::string_view typed, std::string_view field, char decimalSeparator)
{
    return toWhole<std::int32_t>(typed, field, decimalSeparator);
}

double roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

std::string formatGeneral(double value, char decimalSeparator)
{
    return formatWithDigits(value, 15, decimalSeparator);
}

std::string formatSingle(float value, char decimalSeparator)
{
    return formatWithDigits(static_cast<double>(value), 7, decimalSeparator);
}

char* putShortest(char* at, float value)
{
    // For magnitudes in [2^-9, 2^13) std::to_chars always writes the fixed form: the shortest text
    // lies in [0.001, 10000), where fixed is never longer than scientific (n digits take at most
    // n + 4 characters fixed, at least n + 4 scientific with its two exponent digits, and fixed wins
    // a tie). There the fewest fraction digits are the fewest significant ones. Outside, or for zero,
    // subnormals, infinities and NaN, std::to_chars itself writes the text.
    // The characters are put together in words in memory order, the first in the lowest byte.
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const std::uint32_t biased = (bits >> 23) & 0xffu;
    if (std::endian::native != std::endian::little || biased - (127 - 9) >= 9 + 13)
        return std::to_chars(at, at + 32, value).ptr;
    *at = '-';
    at += bits >> 31;

    // |value| = m · 2^-q; everything below counts in 2^-shift = 2^-(q+2), a quarter of its spacing.
    // The values that read back as it lie strictly between low and high, half a spacing away (a
    // quarter below a power of two): those bounds, odd multiples of 2^-shift or 2^-(shift-1) with
    // shift ≥ 13, are never multiples of 10^-10, so whether a bound itself reads back never matters.
    const std::uint64_t m = (bits & 0x7fffffu) | 0x800000u;
    const int shift = 152 - static_cast<int>(biased);
    const std::uint64_t low = m == 0x800000u ? 4 * m - 1 : 4 * m - 2, high = 4 * m + 2;

    // A multiple of 10^-k lies strictly between the bounds when floor(high · 10^k) > floor(low · 10^k),
    // and one tenth of each floor is the floor for k − 1. Usually none, one or two digits of the
    // enough can go: three are tried at once, more only when all three went.
    const auto floorOf = [shift](std::uint64_t bound, int digits) { return (bound * kPowersOfTen[digits]) >> shift; };
    const EnoughFractionDigits enough = kEnoughFractionDigits[shift - 13];
    // Both floors are below 2^32: 10^k < 10/3 · 2^shift and high ≤ 2^26 + 2.
    const auto lowFloor = static_cast<std::uint32_t>((low * enough.power) >> shift);
    const auto highFloor = static_cast<std::uint32_t>((high * enough.power) >> shift);
    assert(lowFloor < highFloor && enough.digits >= 4);
    const int dropped = (lowFloor / 10 < highFloor / 10) + (lowFloor / 100 < highFloor / 100) +
                        (lowFloor / 1000 < highFloor / 1000);
    int k = enough.digits - dropped;
    if (dropped == 3)
        while (k > 0 && floorOf(low, k - 1) < floorOf(high, k - 1))
            --k;
    // Of those multiples, the one nearest the value, ties to the even last digit: half a unit less
    // one is added, and one more when the floor is odd.
    const std::uint64_t scaled = 4 * m * kPowersOfTen[k];
    std::uint64_t n = (scaled + (std::uint64_t{1} << (shift - 1)) - 1 + ((scaled >> shift) & 1)) >> shift;
    const std::uint64_t below = floorOf(low, k), top = floorOf(high, k);
    n = n <= below ? below + 1 : n > top ? top : n;

    // n · 10^-k in fixed notation, at most 12 characters; with k > 0 its last digit is never 0, or
    // k − 1 would do. Its whole part is the value's own: every whole number here is a float, which no
    // other float's text reaches. As 9 digits always read back, n < 10^9 and k ≤ 8 from 0.1 on.
    assert(n < 1'000'000'000);
    if (k > 8) {
        // "0.", one more 0 for k = 10, then the 9 digits of n.
        std::memcpy(at, "0.0", 3);
        char* const digits = at + k - 7;
        *digits = static_cast<char>('0' + n / 100'000'000);
        store(digits + 1, eightDigits(static_cast<std::uint32_t>(n % 100'000'000)));
        return at + k + 2;
    }
    const auto wholePart = static_cast<std::uint32_t>(m >> (shift - 2));
    const unsigned whole = 1u + (wholePart >= 10) + (wholePart >= 100) + (wholePart >= 1000);
    const std::uint64_t wholeText = fourDigits(wholePart) >> (8 * (4 - whole));
    const auto fraction = static_cast<std::uint32_t>(n - wholePart * kPowersOfTen[k]);
    const std::uint64_t fractionText = k > 0 ? eightDigits(fraction) >> (8 * (8 - k)) : 0;
    const unsigned afterPoint = 8 * (whole + 1);
    const std::uint64_t first8 = wholeText | std::uint64_t{'.'} << (8 * whole) | fractionText << afterPoint;
    const unsigned length = k > 0 ? whole + 1 + static_cast<unsigned>(k) : whole;
    storeShort(at, first8, fractionText >> (64 - afterPoint), length);
    return at + length;
}

} // namespace text
