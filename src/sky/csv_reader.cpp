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
using text::Text;

Text lineLabel(std::string_view file, int line)
{
    const std::string number = std::to_string(line);
    return {std::string(file) + ", line " + number, std::string(file) + " の " + number + " 行目"};
}

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
            const std::string at = std::to_string(pos + 1);
            throw InputError(lineLabel(file, lineNumber)
                             + Text{": the text is not valid UTF-8 (byte " + std::string(hex) + " at byte " + at
                                        + " of the line).",
                                    ": 文字が UTF-8 として正しくありません（行の " + at + " バイト目が " + hex + "）。"});
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
        const std::string column = std::to_string(fields.size() + 1);
        const Text where = lineLabel(file, lineNumber) + Text{": field " + column, ": " + column + " 番目の欄"};
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        std::string field;
        if (pos < line.size() && line[pos] == '"') {
            ++pos;
            for (;;) {
                if (pos >= line.size())
                    throw InputError(where + Text{" opens a quote that is not closed on its line.",
                                                  "の引用符が同じ行で閉じていません。"});
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
                const std::string found = text::quotedForMessage(line.substr(pos));
                throw InputError(where + Text{": only a comma may follow a closing quote (found " + found + ").",
                                              ": 閉じる引用符のあとにはコンマしか置けません（" + found + " とあります）。"});
            }
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && line[pos] != ',')
                ++pos;
            const std::string_view raw = trimmed(line.substr(start, pos - start));
            if (raw.find('"') != std::string_view::npos) {
                const std::string found = text::quotedForMessage(raw);
                throw InputError(where + Text{" holds a quote outside quotes (found " + found
                                                  + "); write the field in quotes and double each quote in it.",
                                              "で、引用符の外に引用符があります（" + found
                                                  + " とあります）。欄を引用符で囲み、中の引用符は二つ重ねてください。"});
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
                const std::string expected = joined(header, ","), found = text::quotedForMessage(trimmed(line));
                throw InputError(lineLabel(fileLabel, thisLine)
                                 + Text{": the first line must be the header \"" + expected + "\" (found " + found
                                            + ").",
                                        ": 最初の行は見出し \"" + expected + "\" でなければなりません（" + found
                                            + " とあります）。"});
            }
            table.header = std::move(fields);
            headerSeen = true;
            continue;
        }
        if (fields.size() != header.size()) {
            const std::string record = std::to_string(table.records.size() + 1), found = std::to_string(fields.size()),
                              expected = std::to_string(header.size()), columns = joined(header, ", ");
            throw InputError(lineLabel(fileLabel, thisLine)
                             + Text{": record " + record + " has " + found + " fields; " + expected + " are expected ("
                                        + columns + ").",
                                    ": " + record + " 件目の欄が " + found + " 個あります。欄は " + expected + " 個（"
                                        + columns + "）のはずです。"});
        }
        table.records.push_back(CsvRecord{thisLine, std::move(fields)});
    }
    if (!headerSeen) {
        const std::string file(fileLabel), expected = joined(header, ",");
        throw InputError(Text{file + ": the file is empty; its first line must be the header \"" + expected + "\".",
                              file + ": ファイルが空です。最初の行は見出し \"" + expected + "\" でなければなりません。"});
    }
    return table;
}

std::string readDataFile(const std::string& path)
{
    const auto refuse = [&path](const Text& reason) {
        return InputError(Text{path + ": " + reason.en, path + ": " + reason.ja});
    };
    const auto cannotOpen = [&refuse](int err) {
        const Text why = text::systemErrorText(err);
        return refuse({"the file cannot be opened (" + why.en + ").", "ファイルを開けません（" + why.ja + "）。"});
    };
    struct stat status{};
    if (::stat(path.c_str(), &status) != 0)
        throw cannotOpen(errno);
    if (S_ISDIR(status.st_mode))
        throw refuse({"this is a folder, not a file.", "これはフォルダです。ファイルではありません。"});
    if (!S_ISREG(status.st_mode))
        throw refuse({"this is not a regular file (a device, pipe or socket, say); only files are read.",
                      "これは通常のファイルではありません（デバイス、パイプ、ソケットなど）。読めるのはファイルだけです。"});
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    const std::string most = std::to_string(kMaxDataFileBytes);
    const Text tooLarge{"; at most " + most + " bytes (64 MiB) are read.",
                        "。読めるのは " + most + " バイト（64 MiB）までです。"};
    if (size > kMaxDataFileBytes) {
        const std::string found = std::to_string(size);
        throw refuse(Text{"the file is " + found + " bytes", "ファイルが " + found + " バイトあります"} + tooLarge);
    }
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
            throw refuse(Text{"the file is over " + most + " bytes", "ファイルが " + most + " バイトを超えています"}
                         + tooLarge);
    }
    if (in.bad())
        throw refuse({"the file cannot be read.", "ファイルを読めません。"});
    return content;
}

CsvTable readCsvTable(const std::string& path, const std::vector<std::string>& header)
{
    return parseCsvTable(readDataFile(path), path, header);
}

Text fieldLocation(const CsvTable& table, std::size_t recordIndex, std::size_t column)
{
    assert(column < table.header.size());
    const std::string record = std::to_string(recordIndex + 1), name = table.header[column];
    return lineLabel(table.file, table.records[recordIndex].line)
           + Text{": the field " + name + " of record " + record, ": " + record + " 件目の欄 " + name};
}

double numberField(const CsvTable& table, std::size_t recordIndex, std::size_t column, double min, double max)
{
    const std::string& text = fieldAt(table, recordIndex, column);
    const auto value = text::parseDouble(text, '.');
    if (!value)
        throw InputError(fieldLocation(table, recordIndex, column)
                         + (text.empty() ? Text{" is not a number (found an empty field).", " が空です。数が必要です。"}
                                         : Text{" is not a number (found " + text::quotedForMessage(text) + ").",
                                                " が数ではありません（" + text::quotedForMessage(text) + " とあります）。"}));
    if (*value < min || *value > max) {
        const std::string low = text::formatGeneral(min), high = text::formatGeneral(max),
                          found = text::quotedForMessage(text);
        throw InputError(fieldLocation(table, recordIndex, column)
                         + Text{" must lie between " + low + " and " + high + " (found " + found + ").",
                                " は " + low + " から " + high + " まででなければなりません（" + found + " とあります）。"});
    }
    return *value;
}

int wholeField(const CsvTable& table, std::size_t recordIndex, std::size_t column, int min, int max)
{
    const double value = numberField(table, recordIndex, column, min, max);
    if (value != std::floor(value)) {
        const std::string found = text::quotedForMessage(fieldAt(table, recordIndex, column));
        throw InputError(fieldLocation(table, recordIndex, column)
                         + Text{" must be a whole number (found " + found + ").",
                                " は整数でなければなりません（" + found + " とあります）。"});
    }
    return static_cast<int>(value);
}

const std::string& textField(const CsvTable& table, std::size_t recordIndex, std::size_t column, bool required)
{
    const std::string& text = fieldAt(table, recordIndex, column);
    if (required && text.empty())
        throw InputError(fieldLocation(table, recordIndex, column)
                         + Text{" is empty; it must name something.", " が空です。名前が必要です。"});
    return text;
}

} // namespace sky
