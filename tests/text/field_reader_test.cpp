#include "text/field_reader.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace text;

namespace {

const Text kLambda{"Lambda", "経度λ"}, kPhi{"Phi", "緯度φ"}, kVmag{"Vmag", "等級Vmag"};
const std::vector<Message> kPair{kPhi, kLambda};
const std::vector<Message> kTriple{kLambda, kPhi, kVmag};

std::vector<std::vector<double>> values(const std::vector<FieldRecord>& records)
{
    std::vector<std::vector<double>> out;
    for (const auto& r : records) {
        out.emplace_back();
        for (const auto& f : r.fields)
            out.back().push_back(f.value);
    }
    return out;
}

Message refusalText(std::string_view content, const std::vector<Message>& names = kTriple)
{
    try {
        parseFieldGroups(content, "stars.csv", names);
    } catch (const text::InputError& e) {
        return e.message();
    }
    return {};
}

std::string refusal(std::string_view content, const std::vector<Message>& names = kTriple)
{
    return refusalText(content, names).in(Language::English);
}

} // namespace

TEST(FieldReader, SeparatorsAndLayoutsGiveTheSameRecords)
{
    const std::vector<std::vector<double>> one{{1, 2, 3}};
    struct Row { const char* name; std::string_view content; };
    const Row rows[] = {
        {"one line, LF", "1,2,3\n"},
        {"one line, CR LF", "1,2,3\r\n"},
        {"no final break", "1,2,3"},
        {"lone CR", "1\r2\r3\r"},
        {"three lines", "1\n2\n3\n"},
        {"leading blanks", "  1,   2,\t3\r\n"},
        {"trailing blanks", "1 ,2 ,3  \r\n"},
        {"byte-order mark", "\xEF\xBB\xBF" "1,2,3\r\n"},
        {"blank lines at the end", "1,2,3\r\n\r\n  \r\n"},
        {"exponent", "1e0,0.2E1,30e-1\n"},
        {"blank lines before and inside a record", "\r\n \r\n1,2\r\n\r\n3\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(values(parseFieldGroups(row.content, "f", kTriple)), one);
    }
}

TEST(FieldReader, OneLineMayHoldSeveralRecords)
{
    EXPECT_EQ(values(parseFieldGroups("1,2,3,4,5,6\r\n", "f", kTriple)),
              (std::vector<std::vector<double>>{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(values(parseFieldGroups("10,20\n-5.5,+7\n", "f", kPair)),
              (std::vector<std::vector<double>>{{10, 20}, {-5.5, 7}}));
}

TEST(FieldReader, EmptyContentGivesNoRecords)
{
    EXPECT_TRUE(parseFieldGroups("", "f", kTriple).empty());
    EXPECT_TRUE(parseFieldGroups("\r\n\r\n", "f", kTriple).empty());
    EXPECT_TRUE(parseFieldGroups("\xEF\xBB\xBF", "f", kTriple).empty());
}

TEST(FieldReader, FullStopIsTheDecimalPointWhateverTheLocale)
{
    // A comma always separates fields, so "1,5" is two fields.
    EXPECT_EQ(values(parseFieldGroups("1,5,2.25\n", "f", kTriple)), (std::vector<std::vector<double>>{{1, 5, 2.25}}));
}

TEST(FieldReader, KeepsTheLineOfEachField)
{
    const auto records = parseFieldGroups("1,2\r\n3\r\n\r\n4,5,6", "f", kTriple);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields[2].line, 2);
    EXPECT_EQ(records[1].fields[0].line, 4);
    EXPECT_EQ(records[1].fields[2].text, "6");
}

TEST(FieldReader, RefusalsNameFileLineFieldAndText)
{
    struct Row { const char* name; std::string_view content; std::vector<std::string> expectedPieces; };
    const Row rows[] = {
        {"header line", "lambda,phi,vmag\r\n1,2,3\r\n", {"stars.csv", "line 1", "Lambda", "\"lambda\""}},
        {"bad magnitude", "1,2,3\r\n4,5,x7\r\n", {"line 2", "Vmag", "record 2", "\"x7\""}},
        {"cut short", "1,2,3\r\n4,5\r\n", {"line 3", "record 2", "Vmag", "cut short"}},
        {"empty field", "1,,3\r\n", {"line 1", "Phi", "empty field"}},
        {"thousands separator", "1,2,\"3\"\n", {"line 1", "Vmag", "\"\"3\"\""}},
        {"comma then line break inside a record", "1,\r\n2,3\r\n", {"line 1", "Phi", "empty field"}},
        {"comma ending the last line", "1,2,3\r\n4,5,6,\r\n", {"line 2", "comma", "record 2"}},
        {"comma ending the file", "1,2,3,", {"line 1", "comma", "record 1"}},
        {"comma and blanks ending a line", "1,2,3, \t\r\n4,5,6\r\n", {"line 1", "comma", "record 1"}},
        {"comma before blank lines at the end", "1,2,3,\n\n\n", {"line 1", "comma"}},
        {"too large", "1,2,3\n4,5,-1e400\n", {"line 2", "Vmag", "record 2", "too large", "\"-1e400\""}},
        {"control bytes in a field", "1,2,\x1B]0;x\x07\n", {"line 1", "Vmag", "\"\\x1B]0;x\\x07\""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message = refusal(row.content);
        ASSERT_FALSE(message.empty());
        for (const auto& piece : row.expectedPieces)
            EXPECT_NE(message.find(piece), std::string::npos) << message;
    }
}

TEST(FieldReader, TranslatedRefusalsNameTheSame)
{
    constexpr Language ja = Language::Japanese, es = Language::Spanish;
    struct Row { const char* name; Language language; std::string_view content; std::vector<std::string> expectedPieces; };
    const Row rows[] = {
        {"bad magnitude", ja, "1,2,3\r\n4,5,x7\r\n", {"stars.csv の 2 行目: 2 件目の「等級Vmag」", "\"x7\""}},
        {"cut short", ja, "1,2,3\r\n4,5\r\n", {"stars.csv の 3 行目: 2 件目が途中で", "「等級Vmag」"}},
        {"empty field", ja, "1,,3\r\n", {"stars.csv の 1 行目: 1 件目の「緯度φ」が空です。"}},
        {"too large", ja, "1,2,3\n4,5,-1e400\n", {"2 件目の「等級Vmag」が数として大きすぎます", "\"-1e400\""}},
        {"comma ending a line", ja, "1,2,3,\r\n", {"stars.csv の 1 行目: 1 件目", "コンマ"}},
        {"Spanish: bad magnitude", es, "1,2,3\r\n4,5,x7\r\n", {"stars.csv, línea 2: el campo Vmag del registro 2 no es un número", "\"x7\""}},
        {"Spanish: cut short", es, "1,2,3\r\n4,5\r\n", {"stars.csv, línea 3: el registro 2 está incompleto", "Vmag"}},
        {"Spanish: empty field", es, "1,,3\r\n", {"stars.csv, línea 1: el campo Phi del registro 1 no es un número (está vacío)."}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message = refusalText(row.content).in(row.language);
        ASSERT_FALSE(message.empty());
        for (const auto& piece : row.expectedPieces)
            EXPECT_NE(message.find(piece), std::string::npos) << message;
    }
}

TEST(FieldReader, NumbersTooSmallForADoubleReadAsZero)
{
    const auto records = parseFieldGroups("1e-400,-1e-400,4.9e-324\n", "f", kTriple);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields[0].value, 0.0);
    EXPECT_TRUE(std::signbit(records[0].fields[1].value));
    EXPECT_GT(records[0].fields[2].value, 0.0); // the smallest subnormal is still a number
}

TEST(FieldReader, LinesAreCountedBeyondThirtyTwoBits)
{
    // As if 2^31 - 1 lines stood before this text.
    constexpr std::int64_t kFirst = 2'147'483'647;
    FieldScanner scanner("1\r\n\r\n2,3\nx", "stars.csv", kFirst);
    EXPECT_EQ(scanner.next(kLambda, 1).line, kFirst);
    EXPECT_EQ(scanner.next(kPhi, 1).line, kFirst + 2);
    EXPECT_EQ(scanner.next(kVmag, 1).line, kFirst + 2);
    try {
        scanner.next(kLambda, 2);
        FAIL() << "no refusal";
    } catch (const text::InputError& e) {
        EXPECT_NE(std::string(e.what()).find("stars.csv, line 2147483650:"), std::string::npos) << e.what();
    }
}

TEST(FieldReader, AVeryLongFieldIsQuotedOnlyInPart)
{
    // A file picked by mistake may hold megabytes before its first comma or line break;
    // the message must stay readable (and valid UTF-8), not carry the whole run.
    struct Row { const char* name; std::string content; std::string shownStart; };
    const Row rows[] = {
        {"ASCII", std::string(3'000'000, 'a') + ",2,3\n", "\"aaaa"},
        {"three-byte characters", [] { std::string s; for (int i = 0; i < 1000; ++i) s += "\xE7\xB7\xAF"; return s; }()
                                      + ",2,3\n", "\"\xE7\xB7\xAF"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message = refusal(row.content);
        ASSERT_FALSE(message.empty());
        EXPECT_LT(message.size(), 300u) << message.substr(0, 300);
        EXPECT_NE(message.find("line 1"), std::string::npos) << message;
        EXPECT_NE(message.find("Lambda"), std::string::npos) << message;
        EXPECT_NE(message.find(row.shownStart), std::string::npos) << message;
        // Every multi-byte character is whole: lead bytes are followed by all their continuation bytes.
        for (std::size_t i = 0; i < message.size();) {
            const auto c = static_cast<unsigned char>(message[i]);
            const std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
            ASSERT_NE(length, 0u) << "stray continuation byte at " << i;
            ASSERT_LE(i + length, message.size());
            for (std::size_t k = 1; k < length; ++k)
                ASSERT_EQ(static_cast<unsigned char>(message[i + k]) & 0xC0, 0x80) << "cut character at " << i;
            i += length;
        }
    }
}

TEST(FieldReader, MissingFileIsRefusedWithItsPath)
{
    try {
        readFieldGroups("/nonexistent/folder/stars.csv", kTriple);
        FAIL() << "no refusal";
    } catch (const text::InputError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/folder/stars.csv"), std::string::npos);
    }
    EXPECT_THROW(readFieldGroups("/tmp", kTriple), text::InputError);
}

TEST(FieldReader, APlainTripleIsTakenAsThreeFieldsReadOneByOne)
{
    // After a triple taken at once, the scanner stands where three fields read one by one leave
    // it: the same place, separator and line, as the field after it shows. Any other record is
    // left to the fields one by one, as is a triple the taker refuses.
    const struct { std::string_view content; bool taken; } rows[] = {
        {"1.5,-2.25,3\n7,8,9", true},      {"1.5,-2.25,3", true},        {"1.5,-2.25,3\r\n\r\n7,8,9", true},
        {"1.5,-2.25,3\r7,8,9", true},      {"1.5,-2.25,3,7,8,9", false}, {"1.5, -2.25,3\n7,8,9", false},
        {"1.5,-2.25 ,3\n7,8,9", false},    {"1.5\n-2.25,3\n7,8,9", false}, {"1.5,-2.25,3e1\n7,8,9", false},
        {"1.5,-2.25,+3\n7,8,9", false},    {"1.5,,3\n7,8,9", false},     {"1.5,-2.25\n", false},
        {"91,-2.25,3\n7,8,9", true},       {"1.5,x,3\n7,8,9", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.content));
        FieldScanner once(row.content, "f.csv"), fields(row.content, "f.csv");
        ASSERT_FALSE(once.atEndBeforeRecord(0));
        double got[3] = {};
        const bool taken = once.nextPlainTriple([&](double a, double b, double c) {
            got[0] = a, got[1] = b, got[2] = c;
            return a < 90; // the taker may refuse
        });
        EXPECT_EQ(taken, row.taken && got[0] < 90);
        if (!taken) {
            EXPECT_EQ(once.position(), row.content.data());
            continue;
        }
        for (const double value : got)
            EXPECT_EQ(value, fields.next(kLambda, 1).value);
        EXPECT_EQ(once.position(), fields.position());
        EXPECT_EQ(once.afterComma(), fields.afterComma());
        EXPECT_EQ(once.atEndBeforeRecord(1), fields.atEndBeforeRecord(1));
        if (fields.position() != row.content.data() + row.content.size())
            EXPECT_EQ(once.next(kLambda, 2).line, fields.next(kLambda, 2).line);
    }
}
