#include "sky/star_names.h"

#include "sky/csv_reader.h"
#include "text/input_error.h"

#include <climits>

namespace sky {

std::vector<StarName> parseStarNames(std::string_view content, std::string_view fileLabel)
{
    const CsvTable table = parseCsvTable(content, fileLabel, kStarNamesColumns);
    std::vector<StarName> stars;
    stars.reserve(table.records.size());
    for (std::size_t i = 0; i < table.records.size(); ++i) {
        StarName s;
        s.hip = wholeField(table, i, 0, 1, INT_MAX);
        s.position = {numberField(table, i, 1, 0.0, 360.0), numberField(table, i, 2, -90.0, 90.0)};
        s.magnitude = numberField(table, i, 3, -30.0, 30.0);
        s.constellation = textField(table, i, 4, false);
        s.name = textField(table, i, 5, false);
        s.japanese = textField(table, i, 6, false);
        if (s.name.empty() && s.japanese.empty())
            throw text::InputError(text::Message(text::MessageId::StarWithoutName, {fieldLocation(table, i, 5)}));
        stars.push_back(std::move(s));
    }
    return stars;
}

std::vector<StarName> readStarNames(const std::string& path)
{
    return parseStarNames(readDataFile(path), path);
}

} // namespace sky
