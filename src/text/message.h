#pragma once

#include "text/bilingual_text.h"
#include "text/language.h"
#include "text/message_id.h"

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace text {

/// A message of the core, held as catalogue entries and their values and worded only when
/// shown: `in(language)` looks each entry up in that language's table (messages_*.cpp) and puts
/// the values in its numbered placeholders {1}, {2}...
class Message
{
public:
    /// What fills a placeholder: another message, or a piece that stands alike in every
    /// language (a file name, a number, a quoted value).
    class Value;

    Message() = default;
    /// Entry `id` with its placeholders {1}, {2}... filled by `values` in order.
    Message(MessageId id, std::initializer_list<Value> values = {});
    /// A text still written inline in English and Japanese; Spanish shows its English.
    Message(const Text& bilingual);

    /// `piece` as it stands in every language.
    static Message verbatim(std::string piece);

    /// The message worded in `language`.
    std::string in(Language language) const;
    bool empty() const { return m_parts.empty(); }

    /// The parts of `a`, then those of `b`.
    friend Message operator+(Message a, const Message& b);

private:
    struct Part
    {
        MessageId id = MessageId::Count; ///< Count for a verbatim or inline part
        std::string en, ja;              ///< a verbatim piece (in `en`) or an inline text
        std::vector<Message> values;
    };
    std::vector<Part> m_parts;
};

class Message::Value
{
public:
    Value(Message message) : m_message(std::move(message)) {}
    Value(const Text& bilingual) : m_message(bilingual) {}
    Value(std::string piece) : m_message(verbatim(std::move(piece))) {}
    Value(std::string_view piece) : m_message(verbatim(std::string(piece))) {}
    template <std::integral Number>
    Value(Number number) : m_message(verbatim(std::to_string(number)))
    {
    }
    const Message& message() const { return m_message; }

private:
    Message m_message;
};

/// The wording of `id` in `language`, with numbered placeholders {1}, {2}...; empty only for an
/// entry the table lacks (a test sees that none does).
std::string_view wording(MessageId id, Language language);

/// The tables, one a language (messages_en.cpp, messages_ja.cpp, messages_es.cpp).
std::string_view englishWording(MessageId id);
std::string_view japaneseWording(MessageId id);
std::string_view spanishWording(MessageId id);

} // namespace text
