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
            const std::string line = std::to_string(table.records[lastRecord - 1].line),
                              part = std::to_string(outline.number);
            throw text::InputError(text::Text{
                table.file + ", line " + line + ": part " + part + " of " + outline.constellation
                    + " does not close: its last point must repeat its first.",
                table.file + " の " + line + " 行目: " + outline.constellation + " の境界の部分 " + part
                    + " が閉じていません。最後の点は最初の点と同じでなければなりません。"});
        }
    }
    return outlines;
}

std::vector<ConstellationPath> readConstellationBounds(const std::string& path)
{
    return parseConstellationBounds(readDataFile(path), path);
}

} // namespace sky
