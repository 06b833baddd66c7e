#include "text/input_error.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using namespace text;

TEST(NumberText, ParsesTypedNumbers)
{
    struct Row { const char* typed; char sep; double expected; };
    const Row rows[] = {
        {"8.5", '.', 8.5},      {"  13 ", '.', 13.0},   {"-3", '.', -3.0},     {"+2.5", '.', 2.5},
        {"8,5", ',', 8.5},      {".5", '.', 0.5},       {"7.", '.', 7.0},      {"1.5e2", '.', 150.0},
        {"1E-3", '.', 0.001},   {"\t0\t", '.', 0.0},    {"-0.25", ',', -0.25},
        {"1,5", '.', std::nan("")}, {"1,5.5", ',', std::nan("")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const auto value = parseDouble(row.typed, row.sep);
        if (std::isnan(row.expected)) {
            EXPECT_FALSE(value.has_value());
        } else {
            ASSERT_TRUE(value.has_value());
            EXPECT_DOUBLE_EQ(*value, row.expected);
        }
    }
}

TEST(NumberText, RefusesTextThatIsNotANumber)
{
    for (const char* typed : {"", "   ", "abc", "1.2.3", "8,5", "1e", "--1", "12a", "inf", "nan", "1e999", "-", "."}) {
        SCOPED_TRACE(typed);
        EXPECT_FALSE(parseDouble(typed, '.').has_value());
    }
}

TEST(NumberText, RefusalNamesTheFieldAndTheText)
{
    try {
        toDouble("abc", "最微等級");
        FAIL() << "no refusal";
    } catch (const InputError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("最微等級"), std::string::npos);
        EXPECT_NE(message.find("\"abc\""), std::string::npos);
    }
    try {
        toDouble("  ", "恒星球半径");
        FAIL() << "no refusal";
    } catch (const InputError& e) {
        EXPECT_NE(std::string(e.what()).find("恒星球半径"), std::string::npos);
    }
}

TEST(NumberText, WholeNumbersRoundHalfToEven)
{
    struct Row { const char* typed; int expected; };
    const Row rows[] = {{"8.5", 8}, {"9.5", 10}, {"1.5", 2}, {"2.5", 2}, {"-2.5", -2}, {"-3.5", -4},
                        {"0.4", 0}, {"7.6", 8}, {"32767.4", 32767}, {"-32768", -32768}, {" 8 ", 8}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(toInt16(row.typed, "n"), row.expected);
        EXPECT_EQ(toInt32(row.typed, "face"), row.expected);
    }
}

TEST(NumberText, WholeNumbersOutsideTheirRangeAreRefused)
{
    for (const char* typed : {"32767.6", "32768", "-32768.6", "40000"}) {
        SCOPED_TRACE(typed);
        EXPECT_THROW(toInt16(typed, "分割数 n"), InputError);
    }
    EXPECT_EQ(toInt32("32768", "face"), 32768);
    EXPECT_EQ(toInt32("2147483647.4", "face"), std::numeric_limits<std::int32_t>::max());
    EXPECT_THROW(toInt32("2147483647.6", "face"), InputError);
    EXPECT_THROW(toInt32("-2147483649", "face"), InputError);
}

TEST(NumberText, GeneralFormOfDoubles)
{
    struct Row { double value; const char* expected; };
    const Row rows[] = {
        {10.0, "10"},
        {8.5, "8.5"},
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {0.0, "0"},
        {90.0, "90"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.117381343505497, "0.117381343505497"},
        {13.0 * 3.14159265358979 / 2.0 + 2.0, "22.4203522483336"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-1.5e-7, "-1.5E-07"},
        {2.0 / 3.0 * 100, "66.6666666666667"},
        {999999999999999.9, "1E+15"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(formatGeneral(row.value), row.expected);
    }
    EXPECT_EQ(formatGeneral(8.5, ','), "8,5");
    EXPECT_EQ(formatGeneral(1.5e-7, ','), "1,5E-07");
}

TEST(NumberText, GeneralFormOfSingles)
{
    struct Row { float value; const char* expected; };
    const Row rows[] = {
        {13.547005f, "13.547"}, {13.54667f, "13.54667"}, {12.5f, "12.5"}, {9.75f, "9.75"}, {9.763f, "9.763"},
        {0.1f, "0.1"},            {22.41058f, "22.41058"}, {100.0f, "100"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(formatSingle(row.value), row.expected);
    }
}

TEST(NumberText, FormAndParseRoundTrip)
{
    for (double v : {8.807, -30.0, 0.0125, 1234.5678, 1e-3}) {
        SCOPED_TRACE(v);
        const auto back = parseDouble(formatGeneral(v, ','), ',');
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, v, std::abs(v) * 1e-14);
    }
}

TEST(NumberText, DataNumbersFollowTheTypedGrammarWithAFullStop)
{
    // Every text parseDouble takes with '.' reads the same here, and every text it refuses is refused.
    for (const char* field : {"8.5", "-3", "+2.5", ".5", "7.", "-.5", "1.5e2", "1E-3", "1e+3", "0", "-0", "00012",
                              "4.9e-324", "1e-310", "", "abc", "1.2.3", "8,5", "1e", "--1", "+-1", "-+1", "12a", "inf",
                              "-inf", "nan", "infinity", "0x10", "-", ".", "+", "e5", ".e5", "1e5.5", "1 2"}) {
        SCOPED_TRACE(field);
        const auto typed = parseDouble(field, '.');
        const DataNumber data = parseDataNumber(field);
        ASSERT_EQ(data.kind == DataNumber::Kind::Number, typed.has_value());
        if (typed)
            EXPECT_EQ(data.value, *typed);
        else
            EXPECT_EQ(data.kind, DataNumber::Kind::NotANumber);
    }
}

TEST(NumberText, DataNumbersBeyondADoubleAreTooLargeOrZero)
{
    struct Row { const char* field; DataNumber::Kind kind; bool negative; };
    const Row rows[] = {
        {"1e400", DataNumber::Kind::TooLarge, false},
        {"-1.5e309", DataNumber::Kind::TooLarge, true},
        {"0.001e312", DataNumber::Kind::TooLarge, false},
        {"2e99999999999999999999", DataNumber::Kind::TooLarge, false},
        {"1e-400", DataNumber::Kind::Number, false},
        {"-1e-400", DataNumber::Kind::Number, true},
        {"+2e-324", DataNumber::Kind::Number, false},
        {"1000e-400", DataNumber::Kind::Number, false},
        {"0.000001e-320", DataNumber::Kind::Number, false},
        {"-1e-99999999999999999999", DataNumber::Kind::Number, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        const DataNumber data = parseDataNumber(row.field);
        EXPECT_EQ(data.kind, row.kind);
        if (row.kind == DataNumber::Kind::Number) {
            EXPECT_EQ(data.value, 0.0);
            EXPECT_EQ(std::signbit(data.value), row.negative);
        }
    }
}

TEST(NumberText, PlainDecimalsReadToTheSameBitsAsFromChars)
{
    // Star files are mostly plain decimals, read by a shortcut: it must round as from_chars does,
    // up to 17 digits (beyond the shortcut's 2^53), points anywhere, zeros before and after; read
    // where a file goes on after them, it stops at the byte after them, whatever that byte is.
    std::mt19937_64 random(7);
    const std::string_view after[] = {"", ",12.5\n", "\n", "/0123456789", ":9", "\xFA\xFF" "123456", " 1", "e5,1,2"};
    for (int i = 0; i < 200'000; ++i) {
        std::string field = random() % 4 == 0 ? "-" : random() % 8 == 0 ? "+" : "";
        const int digits = 1 + static_cast<int>(random() % 17), point = static_cast<int>(random() % (digits + 2)) - 1;
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                field += '.';
            field += static_cast<char>('0' + (random() % 5 == 0 ? 0 : random() % 10));
        }
        if (point == digits)
            field += '.';
        SCOPED_TRACE(field);
        double expected = 0.0;
        const char* start = field.data() + (field[0] == '+' ? 1 : 0);
        ASSERT_EQ(std::from_chars(start, field.data() + field.size(), expected).ec, std::errc());
        const DataNumber data = parseDataNumber(field);
        ASSERT_EQ(data.kind, DataNumber::Kind::Number);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(data.value), std::bit_cast<std::uint64_t>(expected));
        if (field[0] == '+')
            continue;
        const std::string file = field + std::string(after[i % std::size(after)]);
        double plain = 0.0;
        const char* stop = readPlainDecimal(file.data(), file.data() + file.size(), plain);
        ASSERT_TRUE(stop != nullptr || digits >= 16) << "a plain decimal below 2^53";
        if (stop != nullptr) {
            EXPECT_EQ(stop - file.data(), static_cast<std::ptrdiff_t>(field.size()));
            ASSERT_EQ(std::bit_cast<std::uint64_t>(plain), std::bit_cast<std::uint64_t>(expected));
        }
    }
}

TEST(NumberText, ShortestSingleTextIsStdToChars)
{
    // Hand-worked texts: the bounds lie half a spacing either side (a quarter below a power of two);
    // of the texts with the fewest characters between them, the one nearest the value, ties to an
    // even last digit; fixed unless scientific is shorter.
    struct Row { float value; const char* expected; };
    const float tiny = std::numeric_limits<float>::denorm_min();
    const Row rows[] = {
        {0x1p-9f, "0.001953125"},                   // the fast range's first power of two
        {-0x1p-9f, "-0.001953125"},
        {std::nextafter(0x1p-9f, 0.0f), "0.0019531249"}, // just below it
        {0.002f, "0.002"},
        {0.001f, "0.001"},                          // fixed and scientific equally long: fixed
        {0.0001f, "1e-04"},
        {0x1p13f, "8192"},                          // first power of two past the fast range
        {std::nextafter(0x1p13f, 0.0f), "8191.9995"},
        {std::nextafter(0x1p13f, 1e9f), "8192.001"},
        {8191.999f, "8191.999"},
        {-8191.999f, "-8191.999"},
        {8000.0f, "8000"},
        {10.0f, "10"},
        {1.0f, "1"},
        {0.5f, "0.5"},
        {-1.5f, "-1.5"},
        {0.01f, "0.01"},                            // 0.0099999998: the nearest text carries a digit
        {std::nextafter(10.0f, 0.0f), "9.999999"},
        {12.345f, "12.345"},
        {4096.03125f, "4096.0312"},                 // two texts equally near: the even digit
        {4096.09375f, "4096.0938"},
        {-0.0380859375f, "-0.038085938"},
        {135000992.0f, "135000992"},                // m even: the bound 135001000 reads back, yet is farther
        {135001008.0f, "135001008"},                // m odd: the bound 135001000 is excluded
        {0.0f, "0"},
        {-0.0f, "-0"},
        {std::numeric_limits<float>::quiet_NaN(), "nan"},
        {std::numeric_limits<float>::infinity(), "inf"},
        {-std::numeric_limits<float>::infinity(), "-inf"},
        {tiny, "1e-45"},
        {-std::numeric_limits<float>::min(), "-1.1754944e-38"},
        {std::numeric_limits<float>::max(), "3.4028235e+38"},
    };
    const auto toChars = [](float value) {
        char text[32];
        return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
    };
    const auto shortest = [](float value) {
        char text[32];
        return std::string(text, putShortest(text, value));
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(toChars(row.value), row.expected);
        EXPECT_EQ(shortest(row.value), row.expected);
    }
    // A sweep over all bit patterns, every sign, range, subnormal and NaN; about 37,000 in the fast range.
    for (std::uint64_t bits = 0; bits < (std::uint64_t{1} << 32); bits += 10007) {
        const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        ASSERT_EQ(shortest(value), toChars(value)) << "bits " << bits;
    }
}
