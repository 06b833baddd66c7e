#include "text/message.h"

#include <cassert>

namespace text {

Message::Message(MessageId id, std::initializer_list<Value> values)
{
    Part part;
    part.id = id;
    part.values.reserve(values.size());
    for (const Value& v : values)
        part.values.push_back(v.message());
    m_parts.push_back(std::move(part));
}

Message::Message(const Text& bilingual)
{
    Part part;
    part.en = bilingual.en;
    part.ja = bilingual.ja;
    m_parts.push_back(std::move(part));
}

Message Message::verbatim(std::string piece) { return Message(Text{piece, piece}); }

std::string Message::in(Language language) const
{
    std::string out;
    for (const Part& part : m_parts) {
        if (part.id == MessageId::Count) {
            out += language == Language::Japanese ? part.ja : part.en;
            continue;
        }
        const std::string_view w = wording(part.id, language);
        for (std::size_t i = 0; i < w.size(); ++i) {
            // A placeholder is {1} to {9}; any other brace stands as it is.
            if (w[i] == '{' && i + 2 < w.size() && w[i + 1] >= '1' && w[i + 1] <= '9' && w[i + 2] == '}') {
                const auto index = static_cast<std::size_t>(w[i + 1] - '1');
                assert(index < part.values.size());
                if (index < part.values.size())
                    out += part.values[index].in(language);
                i += 2;
                continue;
            }
            out += w[i];
        }
    }
    return out;
}

Message operator+(Message a, const Message& b)
{
    a.m_parts.insert(a.m_parts.end(), b.m_parts.begin(), b.m_parts.end());
    return a;
}

std::string_view wording(MessageId id, Language language)
{
    switch (language) {
    case Language::Japanese: return japaneseWording(id);
    case Language::Spanish: return spanishWording(id);
    case Language::English: break;
    }
    return englishWording(id);
}

} // namespace text
