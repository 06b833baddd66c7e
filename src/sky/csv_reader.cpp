#include "sky/csv_reader.h"

#include "text/message_text.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <cassert>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fstream>

#include <sys/stat.h>

namespace sky {

namespace {

using text::InputError;
using text::Message;
using text::MessageId;

Message lineLabel(std::string_view file, int line) { return Message(MessageId::WhereInFileLine, {file, line}); }

/// Length of the well-formed UTF-8 sequence at `pos`, or 0 when it is not one.
std::size_t utf8SequenceLength(std::string_view s, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = byte(pos);
    if (c < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF)
        length = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0; // overlong
        if (c == 0xED)
            high = 0x9F; // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90; // overlong
        if (c == 0xF4)
            high = 0x8F; // beyond U+10FFFF
    } else
        return 0;
    if (pos + length > s.size())
        return 0;
    if (byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
    return length;
}

void checkUtf8(std::string_view line, std::string_view file, int lineNumber)
{
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t length = utf8SequenceLength(line, pos);
        if (length == 0) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(line[pos])));
            throw InputError(Message(MessageId::NotUtf8, {lineLabel(file, lineNumber), std::string(hex), pos + 1}));
        }
        pos += length;
    }
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string> splitFields(std::string_view line, std::string_view file, int lineNumber)
{
    std::vector<std::string> fields;
    std::size_t pos = 0;
    for (;;) {
        const Message where(MessageId::CsvColumn, {lineLabel(file, lineNumber), fields.size() + 1});
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        std::string field;
        if (pos < line.size() && line[pos] == '"') {
            ++pos;
            for (;;) {
                if (pos >= line.size())
                    throw InputError(Message(MessageId::QuoteNotClosed, {where}));
                if (line[pos] == '"') {
                    if (pos + 1 < line.size() && line[pos + 1] == '"') {
                        field += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                field += line[pos++];
            }
            while (pos < line.size() && isBlank(line[pos]))
                ++pos;
            if (pos < line.size() && line[pos] != ',') {
                throw InputError(
                    Message(MessageId::OnlyCommaAfterQuote, {where, text::quotedForMessage(line.substr(pos))}));
            }
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && line[pos] != ',')
                ++pos;
            const std::string_view raw = trimmed(line.substr(start, pos - start));
            if (raw.find('"') != std::string_view::npos) {
                throw InputError(Message(MessageId::QuoteOutsideQuotes, {where, text::quotedForMessage(raw)}));
            }
            field = std::string(raw);
        }
        fields.push_back(std::move(field));
        if (pos >= line.size())
            return fields;
        ++pos; // the comma
    }
}

std::string joined(const std::vector<std::string>& names, const char* separator)
{
    std::string s;
    for (const auto& n : names)
        s += (s.empty() ? "" : separator) + n;
    return s;
}

const std::string& fieldAt(const CsvTable& table, std::size_t recordIndex, std::size_t column)
{
    assert(recordIndex < table.records.size());
    assert(column < table.records[recordIndex].fields.size());
    return table.records[recordIndex].fields[column];
}

} // namespace

CsvTable parseCsvTable(std::string_view content, std::string_view fileLabel, const std::vector<std::string>& header)
{
    assert(!header.empty());
    CsvTable table;
    table.file = std::string(fileLabel);
    if (content.substr(0, 3) == "\xEF\xBB\xBF")
        content.remove_prefix(3);
    bool headerSeen = false;
    int lineNumber = 1;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = pos;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n')
            ++end;
        const std::string_view line = content.substr(pos, end - pos);
        pos = end;
        if (pos < content.size()) {
            if (content[pos] == '\r' && pos + 1 < content.size() && content[pos + 1] == '\n')
                ++pos;
            ++pos;
        }
        const int thisLine = lineNumber++;
        if (trimmed(line).empty())
            continue;
        checkUtf8(line, fileLabel, thisLine);
        auto fields = splitFields(line, fileLabel, thisLine);
        if (!headerSeen) {
            if (fields != header) {
                throw InputError(Message(MessageId::HeaderExpected, {lineLabel(fileLabel, thisLine), joined(header, ","),
                                                                     text::quotedForMessage(trimmed(line))}));
            }
            table.header = std::move(fields);
            headerSeen = true;
            continue;
        }
        if (fields.size() != header.size()) {
            throw InputError(Message(MessageId::FieldCount, {lineLabel(fileLabel, thisLine), table.records.size() + 1,
                                                             fields.size(), header.size(), joined(header, ", ")}));
        }
        table.records.push_back(CsvRecord{thisLine, std::move(fields)});
    }
    if (!headerSeen) {
        throw InputError(Message(MessageId::CsvFileEmpty, {fileLabel, joined(header, ",")}));
    }
    return table;
}

std::string readDataFile(const std::string& path)
{
    const auto refuse = [&path](const Message& reason) {
        return InputError(Message(MessageId::WhereReason, {path, reason}));
    };
    const auto cannotOpen = [&refuse](int err) {
        return refuse(Message(MessageId::FileCannotBeOpened, {text::systemErrorText(err)}));
    };
    struct stat status{};
    if (::stat(path.c_str(), &status) != 0)
        throw cannotOpen(errno);
    if (S_ISDIR(status.st_mode))
        throw refuse(MessageId::FolderNotFile);
    if (!S_ISREG(status.st_mode))
        throw refuse(MessageId::OnlyFilesRead);
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size > kMaxDataFileBytes)
        throw refuse(Message(MessageId::FileOfBytesTooLarge, {size, kMaxDataFileBytes}));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw cannotOpen(errno);
    // A file that grew since its size was taken is refused too.
    std::string content;
    content.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (content.size() > kMaxDataFileBytes)
            throw refuse(Message(MessageId::FileOverBytes, {kMaxDataFileBytes}));
    }
    if (in.bad())
        throw refuse(MessageId::FileUnreadable);
    return content;
}

CsvTable readCsvTable(const std::string& path, const std::vector<std::string>& header)
{
    return parseCsvTable(readDataFile(path), path, header);
}

Message fieldLocation(const CsvTable& table, std::size_t recordIndex, std::size_t column)
{
    assert(column < table.header.size());
    return Message(MessageId::CsvField,
                   {lineLabel(table.file, table.records[recordIndex].line), table.header[column], recordIndex + 1});
}

double numberField(const CsvTable& table, std::size_t recordIndex, std::size_t column, double min, double max)
{
    const std::string& text = fieldAt(table, recordIndex, column);
    const auto value = text::parseDouble(text, '.');
    if (!value && text.empty())
        throw InputError(Message(MessageId::CsvFieldEmpty, {fieldLocation(table, recordIndex, column)}));
    if (!value)
        throw InputError(Message(MessageId::CsvFieldNotANumber,
                                 {fieldLocation(table, recordIndex, column), text::quotedForMessage(text)}));
    if (*value < min || *value > max)
        throw InputError(Message(MessageId::CsvFieldOutside,
                                 {fieldLocation(table, recordIndex, column), text::formatGeneral(min),
                                  text::formatGeneral(max), text::quotedForMessage(text)}));
    return *value;
}

int wholeField(const CsvTable& table, std::size_t recordIndex, std::size_t column, int min, int max)
{
    const double value = numberField(table, recordIndex, column, min, max);
    if (value != std::floor(value)) {
        throw InputError(Message(MessageId::CsvFieldNotWhole, {fieldLocation(table, recordIndex, column),
                                                               text::quotedForMessage(fieldAt(table, recordIndex, column))}));
    }
    return static_cast<int>(value);
}

const std::string& textField(const CsvTable& table, std::size_t recordIndex, std::size_t column, bool required)
{
    const std::string& text = fieldAt(table, recordIndex, column);
    if (required && text.empty())
        throw InputError(Message(MessageId::CsvFieldNoName, {fieldLocation(table, recordIndex, column)}));
    return text;
}

} // namespace sky
