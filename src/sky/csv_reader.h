#pragma once

#include "text/message.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sky {

/// Largest sky data file read, in bytes (64 MiB); the bundled files are a few hundred KiB.
inline constexpr std::uintmax_t kMaxDataFileBytes = std::uintmax_t{64} << 20;

/// One record of a CSV file: its fields, quotes removed, and the line it stands on (1-based).
struct CsvRecord
{
    int line = 0;
    std::vector<std::string> fields;
};

/// A CSV file whose first line is a known header, each record as many fields as the header.
struct CsvTable
{
    std::string file;                ///< the file name used in messages
    std::vector<std::string> header; ///< the column names, as the header line gives them
    std::vector<CsvRecord> records;  ///< the records after the header, in file order
};

/// Reads the sky data files' CSV: UTF-8 (a byte-order mark skipped), one record a line
/// (CR LF, LF or a lone CR), fields separated by commas, blanks around unquoted fields
/// trimmed, a field in double quotes may hold commas and "" for a quote, blank lines skipped.
/// The first record must be exactly `header`; every later record must have as many fields.
/// Throws text::InputError naming the file, the line and the field at fault.
CsvTable parseCsvTable(std::string_view content, std::string_view fileLabel, const std::vector<std::string>& header);

/// `parseCsvTable` on the file at `path`, after `readDataFile`.
CsvTable readCsvTable(const std::string& path, const std::vector<std::string>& header);

/// The whole content of a regular file of at most kMaxDataFileBytes. Throws text::InputError
/// naming the file when it is missing, a folder or other non-regular file, too large, or unreadable.
std::string readDataFile(const std::string& path);

/// Field `column` of `record` as a number within [min, max]; throws text::InputError naming
/// the file, line, column name and record number for text that is not a number or lies outside.
double numberField(const CsvTable& table, std::size_t recordIndex, std::size_t column, double min, double max);

/// Field `column` of `record` as a whole number within [min, max]; refused as `numberField`.
int wholeField(const CsvTable& table, std::size_t recordIndex, std::size_t column, int min, int max);

/// Field `column` of `record` as text; throws text::InputError when `required` and it is empty.
const std::string& textField(const CsvTable& table, std::size_t recordIndex, std::size_t column, bool required);

/// "<file>, line <n>: the field <column name> of record <k>" for messages about one field.
text::Message fieldLocation(const CsvTable& table, std::size_t recordIndex, std::size_t column);

} // namespace sky
