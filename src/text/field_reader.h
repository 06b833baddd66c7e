#pragma once

#include "text/message_text.h"
#include "text/number_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace text {

/// One numeric field of a data file, with the 1-based line it starts on.
struct Field
{
    double value = 0.0;
    std::int64_t line = 0;
    std::string text; ///< the field as written, blanks trimmed
};

/// One record of a data file: `fields.size()` equals the group size asked for.
struct FieldRecord
{
    std::vector<Field> fields;
};

/// A field as the scanner finds it; `text` points into the scanned content.
struct FieldView
{
    double value = 0.0;
    std::int64_t line = 0;
    std::string_view text; ///< the field as written, blanks trimmed
};

/// "file, line N" for a message (「file の N 行目」 in Japanese), the file name escaped.
Message whereInFile(std::string_view fileLabel, std::int64_t line);

/// Reads the fields of the program's numeric text files one by one: fields separated by commas
/// or line breaks (CR LF, LF or a lone CR, all alike), leading blanks skipped, a full stop as
/// decimal point whatever the locale, exponents accepted, a UTF-8 byte-order mark skipped.
/// Blank lines may stand before a record and between its lines; a comma must be followed by a
/// field on its line. Refusals are text::InputError naming `fileLabel`, the line and the field.
class FieldScanner
{
public:
    /// `firstLine` numbers the first line of `content` (1 for a whole file).
    FieldScanner(std::string_view content, std::string_view fileLabel, std::int64_t firstLine = 1);

    /// Skips blanks and line breaks before record `recordsRead + 1`; true when nothing else is
    /// left. Refuses a comma after the last field of a line.
    bool atEndBeforeRecord(std::size_t recordsRead);
    /// The next field, called `name` of record `recordNumber` in a refusal: one that is not a
    /// number, too large for a double, or missing at the end of the file.
    FieldView next(const Message& name, std::size_t recordNumber);

    /// The next record when it is three plain decimals (readPlainDecimal) on one line with a comma
    /// straight after each of the first two and the line's end or the content's straight after
    /// the third, the usual record of a star file: `take(a, b, c)` is called with them and, when it
    /// accepts them, the scanner stands where three calls of next would leave it. False, with
    /// nothing taken, for any other record or when `take` refuses.
    template <typename Take>
    bool nextPlainTriple(Take&& take)
    {
        const char* p = m_pos;
        double v[3];
        for (int i = 0; i < 3; ++i) {
            p = readPlainDecimal(p, m_end, v[i]);
            if (p == nullptr || (i < 2 && (p == m_end || *p++ != ',')))
                return false;
        }
        if ((p != m_end && *p != '\n' && *p != '\r') || !take(v[0], v[1], v[2]))
            return false;
        m_commaLine = m_line;
        m_afterComma = false;
        m_pos = p == m_end ? p : skipLineBreak(p);
        return true;
    }

    /// Where the scanner stands in the content.
    const char* position() const { return m_pos; }
    /// Whether the last separator taken was a comma (a record then goes on).
    bool afterComma() const { return m_afterComma; }

private:
    [[noreturn]] void refuseField(const FieldView& field, const Message& name, std::size_t recordNumber,
                                  bool tooLarge) const;
    [[noreturn]] void refuseCutShort(const Message& name, std::size_t recordNumber) const;
    const char* skipLineBreak(const char* p);
    /// Steps over the comma or line break after a field, if any.
    void consumeSeparator();

    const char* m_pos;
    const char* m_end;
    std::string_view m_file;
    std::int64_t m_line;
    std::int64_t m_commaLine = 0;
    bool m_afterComma = false; ///< the last separator taken was a comma
};

/// Reads a whole data file of fields in groups of `fieldNames.size()` (the FieldScanner rules),
/// the end of the file tested only before a group. Throws text::InputError naming the file, the
/// line and the field for a file that cannot be read (see readDataFile), a field that is not a
/// number, a record cut short or a comma ending a line.
std::vector<FieldRecord> readFieldGroups(const std::string& path, const std::vector<Message>& fieldNames);

/// As `readFieldGroups` on text already in memory; `fileLabel` names it in messages.
std::vector<FieldRecord> parseFieldGroups(std::string_view content, std::string_view fileLabel,
                                          const std::vector<Message>& fieldNames);

} // namespace text
