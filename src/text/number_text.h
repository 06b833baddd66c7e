#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace text {

/// Parses a typed number: optional blanks around it, an optional sign, digits with
/// `decimalSeparator` (or a full stop) as the decimal point, an optional exponent.
/// Empty, non-numeric or non-finite text gives no value; there are no thousands separators.
std::optional<double> parseDouble(std::string_view typed, char decimalSeparator = '.');

/// What a number field of a data file holds.
struct DataNumber
{
    enum class Kind { Number, NotANumber, TooLarge };
    Kind kind = Kind::NotANumber;
    double value = 0.0; ///< the number when kind is Number
};

/// Reads a field of a data file, blanks already trimmed: an optional sign, digits with a full
/// stop as decimal point, an optional exponent; the grammar of `parseDouble` with '.'. A number
/// too small for a double (1e-400) reads as zero of its sign; one too large (1e400) is TooLarge.
DataNumber parseDataNumber(std::string_view field);

/// Reads from `p` a plain decimal, an optional '-' and digits with at most one full stop among
/// them, as far as it goes: its value, the correctly rounded one parseDataNumber gives, goes to
/// `value`, and where the reading stopped is returned. Null when what starts at `p` is no such
/// number or one read more surely by parseDataNumber (digits worth 2^53 or more, over 19 digits,
/// over 22 after the point).
const char* readPlainDecimal(const char* p, const char* end, double& value);

/// `parseDouble`, refusing bad text with an InputError naming `field` and the text found.
double toDouble(std::string_view typed, std::string_view field, char decimalSeparator = '.');

/// A typed whole number: `toDouble`, then rounded to the nearest integer, ties to even,
/// refused with an InputError when outside −32768…32767.
std::int16_t toInt16(std::string_view typed, std::string_view field, char decimalSeparator = '.');

/// As `toInt16` for the 32-bit signed range.
std::int32_t toInt32(std::string_view typed, std::string_view field, char decimalSeparator = '.');

/// Rounds to the nearest integer, ties to even (8.5 → 8, 9.5 → 10).
double roundHalfEven(double value);

/// General number form of a double: at most 15 significant digits, no trailing zeros,
/// no point for whole values, 0 before the point below 1, exponent (1E-05, 1.5E+16)
/// only below 1e-4 or from 1e15 on.
std::string formatGeneral(double value, char decimalSeparator = '.');

/// General number form of a single-precision value: as `formatGeneral` with 7 digits.
std::string formatSingle(float value, char decimalSeparator = '.');

/// Writes at `at` (room for 32 characters) the text std::to_chars(at, at + 32, value) writes, the
/// shortest that reads back as `value`, and returns its end; faster for magnitudes in [2^-9, 2^13).
char* putShortest(char* at, float value);

} // namespace text
