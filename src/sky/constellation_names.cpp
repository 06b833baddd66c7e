#include "sky/constellation_names.h"

#include "sky/csv_reader.h"

namespace sky {

namespace {

/// kNameLanguages from this index on have a column each after the Japanese name.
constexpr std::size_t kFirstTranslated = 3;
constexpr std::size_t kFirstTranslatedColumn = 8;

std::vector<std::string> namesColumns()
{
    std::vector<std::string> columns{"constellation", "lambda", "phi", "rank", "iau_name", "latin", "english", "japanese"};
    for (std::size_t i = kFirstTranslated; i < std::size(kNameLanguages); ++i)
        columns.emplace_back(kNameLanguages[i].code);
    return columns;
}

} // namespace

const std::vector<std::string> kConstellationNamesColumns = namesColumns();

const std::string& constellationNameIn(const ConstellationName& n, Language language)
{
    const std::string* name = &n.english;
    switch (language) {
    case Language::Japanese: name = &n.japanese; break;
    case Language::English: name = &n.english; break;
    case Language::Latin: name = &n.latin; break;
    default:
        if (const auto t = n.translations.find(language); t != n.translations.end())
            name = &t->second;
        else
            name = &n.latin;
    }
    if (!name->empty())
        return *name;
    return n.latin.empty() ? n.iauName : n.latin;
}

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
        for (std::size_t k = kFirstTranslated; k < std::size(kNameLanguages); ++k)
            if (const std::string& name = textField(table, i, kFirstTranslatedColumn + k - kFirstTranslated, false);
                !name.empty())
                n.translations.emplace(kNameLanguages[k].language, name);
        names.push_back(std::move(n));
    }
    return names;
}

std::vector<ConstellationName> readConstellationNames(const std::string& path)
{
    return parseConstellationNames(readDataFile(path), path);
}

} // namespace sky
