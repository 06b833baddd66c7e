#include "sky/constellation_path.h"

#include "text/message_text.h"
#include "text/input_error.h"

#include <climits>
#include <map>

namespace sky {

namespace {

using text::InputError;

void checkLength(const CsvTable& table, const ConstellationPath& path, int lastLine, const std::string& kind,
                 std::size_t minPoints)
{
    if (path.points.size() < minPoints)
        throw InputError(table.file + ", line " + std::to_string(lastLine) + ": " + kind + " "
                         + std::to_string(path.number) + " of " + path.constellation + " ends after "
                         + std::to_string(path.points.size()) + (path.points.size() == 1 ? " point" : " points")
                         + "; it needs at least " + std::to_string(minPoints) + ".");
}

} // namespace

std::vector<ConstellationPath> readConstellationPaths(const CsvTable& table, const std::string& kind,
                                                      std::size_t minPoints)
{
    std::vector<ConstellationPath> paths;
    std::map<std::string, int> lastNumber;
    int lastLine = 0;
    for (std::size_t i = 0; i < table.records.size(); ++i) {
        const std::string& id = textField(table, i, 0, true);
        const int number = wholeField(table, i, 1, 1, INT_MAX);
        const int point = wholeField(table, i, 2, 1, INT_MAX);
        const SkyPoint p{numberField(table, i, 3, 0.0, 360.0), numberField(table, i, 4, -90.0, 90.0)};
        if (point == 1) {
            const int expected = lastNumber[id] + 1;
            if (number != expected)
                throw InputError(fieldLocation(table, i, 1) + " must be " + std::to_string(expected) + ": the "
                                 + kind + "s of " + id + " are numbered 1, 2, 3… in file order (found "
                                 + text::quotedForMessage(table.records[i].fields[1]) + ").");
            if (!paths.empty())
                checkLength(table, paths.back(), lastLine, kind, minPoints);
            lastNumber[id] = number;
            paths.push_back(ConstellationPath{id, number, {}});
        } else {
            const bool continues = !paths.empty() && paths.back().constellation == id && paths.back().number == number
                                   && static_cast<std::size_t>(point) == paths.back().points.size() + 1;
            if (!continues)
                throw InputError(fieldLocation(table, i, 2) + " must be 1, starting a new " + kind
                                 + ", or the next point of the " + kind + " on the record before (found "
                                 + text::quotedForMessage(table.records[i].fields[2]) + ").");
        }
        paths.back().points.push_back(p);
        lastLine = table.records[i].line;
    }
    if (!paths.empty())
        checkLength(table, paths.back(), lastLine, kind, minPoints);
    return paths;
}

} // namespace sky
