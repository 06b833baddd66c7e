#include "text/field_reader.h"

#include "text/data_file.h"
#include "text/input_error.h"
#include "text/number_text.h"

namespace text {

Message whereInFile(std::string_view fileLabel, std::int64_t line)
{
    return Message(MessageId::WhereInFileLine, {escapedForMessage(fileLabel), line});
}

FieldScanner::FieldScanner(std::string_view content, std::string_view fileLabel, std::int64_t firstLine)
    : m_pos(content.data()), m_end(content.data() + content.size()), m_file(fileLabel), m_line(firstLine)
{
    if (content.substr(0, 3) == "\xEF\xBB\xBF")
        m_pos += 3;
}

const char* FieldScanner::skipLineBreak(const char* p)
{
    if (*p == '\r' && p + 1 != m_end && p[1] == '\n')
        ++p;
    ++m_line;
    m_afterComma = false;
    return p + 1;
}

void FieldScanner::consumeSeparator()
{
    const char* p = m_pos;
    m_afterComma = p != m_end && *p == ',';
    if (m_afterComma) {
        ++p;
        m_commaLine = m_line;
    } else if (p != m_end) {
        p = skipLineBreak(p);
    }
    m_pos = p;
}

bool FieldScanner::atEndBeforeRecord(std::size_t recordsRead)
{
    const char* p = m_pos;
    while (p != m_end) {
        if (*p == ' ' || *p == '\t') {
            ++p;
        } else if (*p == '\r' || *p == '\n') {
            if (m_afterComma)
                break;
            p = skipLineBreak(p);
        } else {
            break;
        }
    }
    m_pos = p;
    if (m_afterComma && (p == m_end || *p == '\r' || *p == '\n')) {
        throw InputError(Message(MessageId::CommaAfterLastField, {whereInFile(m_file, m_commaLine), recordsRead}));
    }
    return p == m_end;
}

FieldView FieldScanner::next(const Message& name, std::size_t recordNumber)
{
    const char* p = m_pos;
    // Leading blanks, and whole blank lines between fields, are skipped.
    for (;;) {
        while (p != m_end && (*p == ' ' || *p == '\t'))
            ++p;
        if (p != m_end && (*p == '\r' || *p == '\n') && !m_afterComma) {
            p = skipLineBreak(p);
            continue;
        }
        break;
    }
    m_pos = p;
    if (p == m_end)
        refuseCutShort(name, recordNumber);
    const char* const start = p;
    // The usual field, a plain decimal straight before its separator, is read in one pass.
    double plain = 0.0;
    const char* stop = readPlainDecimal(start, m_end, plain);
    if (stop && (stop == m_end || *stop == ',' || *stop == '\r' || *stop == '\n')) {
        const FieldView field{plain, m_line, std::string_view(start, static_cast<std::size_t>(stop - start))};
        m_pos = stop;
        consumeSeparator();
        return field;
    }
    while (p != m_end && *p != ',' && *p != '\r' && *p != '\n')
        ++p;
    stop = p;
    while (stop != start && (stop[-1] == ' ' || stop[-1] == '\t'))
        --stop;
    FieldView field{0.0, m_line, std::string_view(start, static_cast<std::size_t>(stop - start))};
    m_pos = p;
    consumeSeparator();
    const DataNumber number = parseDataNumber(field.text);
    if (number.kind != DataNumber::Kind::Number)
        refuseField(field, name, recordNumber, number.kind == DataNumber::Kind::TooLarge);
    field.value = number.value;
    return field;
}

void FieldScanner::refuseField(const FieldView& field, const Message& name, std::size_t recordNumber,
                               bool tooLarge) const
{
    const Message where = whereInFile(m_file, field.line);
    if (field.text.empty())
        throw InputError(Message(MessageId::FieldEmpty, {where, name, recordNumber}));
    throw InputError(Message(tooLarge ? MessageId::FieldTooLarge : MessageId::FieldNotANumber,
                             {where, name, recordNumber, quotedForMessage(field.text)}));
}

void FieldScanner::refuseCutShort(const Message& name, std::size_t recordNumber) const
{
    throw InputError(Message(MessageId::RecordCutShort, {whereInFile(m_file, m_line), recordNumber, name}));
}

std::vector<FieldRecord> parseFieldGroups(std::string_view content, std::string_view fileLabel,
                                          const std::vector<Message>& fieldNames)
{
    std::vector<FieldRecord> records;
    FieldScanner scanner(content, fileLabel);
    while (!scanner.atEndBeforeRecord(records.size())) {
        FieldRecord record;
        record.fields.reserve(fieldNames.size());
        for (const auto& name : fieldNames) {
            const FieldView f = scanner.next(name, records.size() + 1);
            record.fields.push_back(Field{f.value, f.line, std::string(f.text)});
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<FieldRecord> readFieldGroups(const std::string& path, const std::vector<Message>& fieldNames)
{
    return parseFieldGroups(readDataFile(path), path, fieldNames);
}

} // namespace text
