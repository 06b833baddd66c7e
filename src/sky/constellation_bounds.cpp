#include "sky/constellation_bounds.h"

#include "text/input_error.h"

namespace sky {

std::vector<ConstellationPath> parseConstellationBounds(std::string_view content, std::string_view fileLabel)
{
    const CsvTable table = parseCsvTable(content, fileLabel, kConstellationBoundsColumns);
    auto outlines = readConstellationPaths(table, "part", 4);
    std::size_t lastRecord = 0;
    for (const auto& outline : outlines) {
        lastRecord += outline.points.size();
        const SkyPoint first = outline.points.front(), last = outline.points.back();
        if (first.lambda != last.lambda || first.phi != last.phi) {
            const text::Message where(text::MessageId::WhereInFileLine, {table.file, table.records[lastRecord - 1].line});
            throw text::InputError(
                text::Message(text::MessageId::PartNotClosed, {where, outline.number, outline.constellation}));
        }
    }
    return outlines;
}

std::vector<ConstellationPath> readConstellationBounds(const std::string& path)
{
    return parseConstellationBounds(readDataFile(path), path);
}

} // namespace sky
