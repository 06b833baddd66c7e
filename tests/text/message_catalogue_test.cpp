#include "text/message.h"
#include "text/message_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <set>
#include <string>

using namespace text;

namespace {

/// The placeholders {1}..{9} a wording uses.
std::set<char> placeholders(std::string_view w)
{
    std::set<char> used;
    for (std::size_t i = 0; i + 2 < w.size(); ++i)
        if (w[i] == '{' && w[i + 1] >= '1' && w[i + 1] <= '9' && w[i + 2] == '}')
            used.insert(w[i + 1]);
    return used;
}

} // namespace

TEST(MessageCatalogue, EveryEntryIsWordedInEveryLanguageWithTheSamePlaceholders)
{
    for (int i = 0; i < static_cast<int>(MessageId::Count); ++i) {
        const auto id = static_cast<MessageId>(i);
        SCOPED_TRACE("entry " + std::to_string(i) + ": " + std::string(englishWording(id)));
        const std::set<char> english = placeholders(englishWording(id));
        for (const Language language : {Language::English, Language::Japanese, Language::Spanish}) {
            SCOPED_TRACE("language " + std::to_string(static_cast<int>(language)));
            const std::string_view w = wording(id, language);
            EXPECT_FALSE(w.empty());
            // The English of a system error the catalogue does not word is the system's own words
            // alone; the window's fixed Japanese text of k beyond n names neither number.
            if (id != MessageId::SystemOther && !(id == MessageId::NoSuchGore && language == Language::Japanese)) {
                EXPECT_EQ(placeholders(w), english);
            }
        }
    }
}

TEST(MessageCatalogue, ValuesFillTheirPlaceholdersInEachLanguage)
{
    const Message where(MessageId::WhereInFileLine, {std::string("faces.csv"), 12});
    const Message m = Message(MessageId::WhereReason, {where, Message(MessageId::FileGrewWhileRead)})
                      + Text{" (inline)", "（インライン）"};
    EXPECT_EQ(m.in(Language::English), "faces.csv, line 12: it grew while it was read (inline)");
    EXPECT_EQ(m.in(Language::Japanese), "faces.csv の 12 行目: 読んでいる間に大きくなりました（インライン）");
    EXPECT_EQ(m.in(Language::Spanish), "faces.csv, línea 12: creció mientras se leía (inline)");
}

TEST(MessageCatalogue, SystemErrorsInEnglishAreTheCLibrarysWords)
{
    std::setlocale(LC_MESSAGES, "C");
    for (const int error : {ENOENT, EACCES, EPERM, EISDIR, ENOTDIR, ENAMETOOLONG, ELOOP, ENOSPC, EDQUOT, EROFS, EIO,
                            EMFILE, ENFILE, ENOMEM, EBUSY, ETXTBSY, EFBIG, ECONNREFUSED}) {
        SCOPED_TRACE(error);
        EXPECT_EQ(systemErrorText(error).in(Language::English), std::strerror(error));
    }
    EXPECT_EQ(systemErrorText(ECONNREFUSED).in(Language::Japanese),
              "システムのエラー番号 " + std::to_string(ECONNREFUSED));
}
