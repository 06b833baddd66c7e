#include "text/message_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace text;

TEST(MessageText, UnsafeBytesAreEscaped)
{
    struct Row { const char* name; std::string text; std::string expected; };
    const Row rows[] = {
        {"plain ASCII", "x7", "x7"},
        {"terminal title sequence", "\x1B]0;owned\x07", "\\x1B]0;owned\\x07"},
        {"carriage return, tab, NUL", std::string("a\rb\tc\0d", 7), "a\\x0Db\\x09c\\x00d"},
        {"DEL", "\x7F", "\\x7F"},
        {"C1 control (CSI)", "\xC2\x9B" "2J", "\\xC2\\x9B2J"},
        {"Latin-1 byte, not UTF-8", "caf\xE9", "caf\\xE9"},
        {"overlong slash", "\xC0\xAF", "\\xC0\\xAF"},
        {"surrogate half", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
        {"character cut short", "\xE7\xB7", "\\xE7\\xB7"},
        {"right-to-left override", "1\xE2\x80\xAE" "2", "1\\xE2\\x80\\xAE2"},
        {"line separator", "\xE2\x80\xA8", "\\xE2\\x80\\xA8"},
        {"backslash", "a\\x41", "a\\\\x41"},
        {"Japanese stays", "恒星データ", "恒星データ"},
        {"four-byte character stays", "\xF0\x9F\x8C\x9F", "\xF0\x9F\x8C\x9F"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(escapedForMessage(row.text), row.expected);
        EXPECT_EQ(quotedForMessage(row.text), "\"" + row.expected + "\"");
    }
}

TEST(MessageText, QuotingCutsAfterFortyCharacters)
{
    struct Row { const char* name; std::string text; std::string expected; };
    const Row rows[] = {
        {"forty ASCII kept whole", std::string(40, 'a'), "\"" + std::string(40, 'a') + "\""},
        {"forty-one ASCII", std::string(41, 'a'), "\"" + std::string(40, 'a') + "...\" (41 bytes in all)"},
        {"escapes count as one character each", std::string(41, '\x1B'),
         [] { std::string s = "\""; for (int i = 0; i < 40; ++i) s += "\\x1B"; return s + "...\" (41 bytes in all)"; }()},
        {"invalid bytes count one each", std::string(41, '\xFF'),
         [] { std::string s = "\""; for (int i = 0; i < 40; ++i) s += "\\xFF"; return s + "...\" (41 bytes in all)"; }()},
        {"three-byte characters cut whole", [] { std::string s; for (int i = 0; i < 41; ++i) s += "緯"; return s; }(),
         [] { std::string s = "\""; for (int i = 0; i < 40; ++i) s += "緯"; return s + "...\" (123 bytes in all)"; }()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(quotedForMessage(row.text), row.expected);
    }
}
