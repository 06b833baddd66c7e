#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace text {

/// One numeric field of a data file, with the 1-based line it starts on.
struct Field
{
    double value = 0.0;
    int line = 0;
    std::string text; ///< the field as written, blanks trimmed
};

/// `text` in double quotes for a message; a text longer than 40 characters is cut
/// there (on a whole UTF-8 character) and marked with "..." and its length in bytes.
std::string quotedForMessage(std::string_view text);

/// One record of a data file: `fields.size()` equals the group size asked for.
struct FieldRecord
{
    std::vector<Field> fields;
};

/// Reads the program's numeric text files: fields separated by commas or line breaks
/// (CR LF, LF or a lone CR, all alike), leading blanks skipped, a full stop as decimal
/// point whatever the locale, exponents accepted, a UTF-8 byte-order mark skipped.
/// Fields are taken in groups of `fieldNames.size()`; the end of the file is tested only
/// before a group, and blank lines and trailing blanks there are tolerated.
/// Throws text::InputError naming the file, the line and the field for a file that
/// cannot be opened, a field that is not a number, or a record cut short.
std::vector<FieldRecord> readFieldGroups(const std::string& path, const std::vector<std::string>& fieldNames);

/// As `readFieldGroups` on text already in memory; `fileLabel` names it in messages.
std::vector<FieldRecord> parseFieldGroups(std::string_view content, std::string_view fileLabel,
                                          const std::vector<std::string>& fieldNames);

} // namespace text
