#include "text/field_reader.h"

#include "text/input_error.h"
#include "text/number_text.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace text {

namespace {


class Scanner
{
public:
    Scanner(std::string_view content, std::string_view fileLabel) : m_s(content), m_file(fileLabel)
    {
        if (m_s.substr(0, 3) == "\xEF\xBB\xBF")
            m_pos = 3;
    }

    /// Skips blanks and line breaks; true when nothing but them is left.
    bool atEndBeforeGroup()
    {
        while (m_pos < m_s.size()) {
            const char c = m_s[m_pos];
            if (c == ' ' || c == '\t')
                ++m_pos;
            else if (c == '\r' || c == '\n')
                skipLineBreak();
            else
                break;
        }
        return m_pos >= m_s.size();
    }

    Field next(const std::string& name, std::size_t recordNumber)
    {
        // Leading blanks, and whole blank lines between fields, are skipped.
        for (;;) {
            while (m_pos < m_s.size() && (m_s[m_pos] == ' ' || m_s[m_pos] == '\t'))
                ++m_pos;
            if (m_pos < m_s.size() && (m_s[m_pos] == '\r' || m_s[m_pos] == '\n') && m_atLineStart) {
                skipLineBreak();
                continue;
            }
            break;
        }
        if (m_pos >= m_s.size())
            throw InputError(where() + ": record " + std::to_string(recordNumber) + " is cut short: the field "
                             + name + " is missing at the end of the file.");
        Field field;
        field.line = m_line;
        const std::size_t start = m_pos;
        while (m_pos < m_s.size() && m_s[m_pos] != ',' && m_s[m_pos] != '\r' && m_s[m_pos] != '\n')
            ++m_pos;
        std::string_view raw = m_s.substr(start, m_pos - start);
        while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t'))
            raw.remove_suffix(1);
        field.text = std::string(raw);
        // Consume the separator after the field.
        if (m_pos < m_s.size()) {
            if (m_s[m_pos] == ',') {
                ++m_pos;
                m_atLineStart = false;
            } else {
                skipLineBreak();
            }
        }
        const auto value = text::parseDouble(raw, '.');
        if (!value) {
            const std::string found = raw.empty() ? "an empty field" : quotedForMessage(field.text);
            throw InputError(std::string(m_file) + ", line " + std::to_string(field.line) + ": the field " + name
                             + " of record " + std::to_string(recordNumber) + " is not a number (found " + found
                             + ").");
        }
        field.value = *value;
        return field;
    }

private:
    std::string where() const { return std::string(m_file) + ", line " + std::to_string(m_line); }

    void skipLineBreak()
    {
        if (m_s[m_pos] == '\r' && m_pos + 1 < m_s.size() && m_s[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
        m_atLineStart = true;
    }

    std::string_view m_s;
    std::string_view m_file;
    std::size_t m_pos = 0;
    int m_line = 1;
    bool m_atLineStart = true;
};

} // namespace

std::string quotedForMessage(std::string_view text)
{
    constexpr std::size_t kShownCharacters = 40;
    std::size_t end = 0, characters = 0;
    while (end < text.size() && characters < kShownCharacters) {
        ++end;
        // Continuation bytes (10xxxxxx) belong to the character just begun.
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        ++characters;
    }
    if (end == text.size())
        return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, end)) + "...\" (" + std::to_string(text.size()) + " bytes in all)";
}

std::vector<FieldRecord> parseFieldGroups(std::string_view content, std::string_view fileLabel,
                                          const std::vector<std::string>& fieldNames)
{
    std::vector<FieldRecord> records;
    Scanner scanner(content, fileLabel);
    while (!scanner.atEndBeforeGroup()) {
        FieldRecord record;
        record.fields.reserve(fieldNames.size());
        for (const auto& name : fieldNames)
            record.fields.push_back(scanner.next(name, records.size() + 1));
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<FieldRecord> readFieldGroups(const std::string& path, const std::vector<std::string>& fieldNames)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw text::InputError(path + ": this is a folder, not a file.");
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int err = errno;
        throw text::InputError(path + ": the file cannot be opened (" + std::strerror(err) + ").");
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw text::InputError(path + ": the file cannot be read.");
    return parseFieldGroups(content.str(), path, fieldNames);
}

} // namespace text
