#include "sky/constellation_names.h"

#include "sky/csv_reader.h"

namespace sky {

std::vector<ConstellationName> parseConstellationNames(std::string_view content, std::string_view fileLabel)
{
    const CsvTable table = parseCsvTable(content, fileLabel, kConstellationNamesColumns);
    std::vector<ConstellationName> names;
    names.reserve(table.records.size());
    for (std::size_t i = 0; i < table.records.size(); ++i) {
        ConstellationName n;
        n.constellation = textField(table, i, 0, true);
        n.label = {numberField(table, i, 1, 0.0, 360.0), numberField(table, i, 2, -90.0, 90.0)};
        n.rank = wholeField(table, i, 3, 1, 3);
        n.iauName = textField(table, i, 4, true);
        n.latin = textField(table, i, 5, false);
        n.english = textField(table, i, 6, false);
        n.japanese = textField(table, i, 7, false);
        names.push_back(std::move(n));
    }
    return names;
}

std::vector<ConstellationName> readConstellationNames(const std::string& path)
{
    return parseConstellationNames(readDataFile(path), path);
}

} // namespace sky
