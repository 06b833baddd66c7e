#include "sky/constellation_path.h"

#include "text/message_text.h"
#include "text/input_error.h"

#include <climits>
#include <map>

namespace sky {

namespace {

using text::InputError;
using text::Text;

/// What the paths of `kind` are called in Japanese.
std::string kindJa(const std::string& kind) { return kind == "part" ? "境界の部分" : "折れ線"; }

void checkLength(const CsvTable& table, const ConstellationPath& path, int lastLine, const std::string& kind,
                 std::size_t minPoints)
{
    if (path.points.size() < minPoints) {
        const std::string line = std::to_string(lastLine), number = std::to_string(path.number),
                          points = std::to_string(path.points.size()), least = std::to_string(minPoints);
        throw InputError(Text{table.file + ", line " + line + ": " + kind + " " + number + " of " + path.constellation
                                  + " ends after " + points + (path.points.size() == 1 ? " point" : " points")
                                  + "; it needs at least " + least + ".",
                              table.file + " の " + line + " 行目: " + path.constellation + " の" + kindJa(kind) + " "
                                  + number + " は " + points + " 点で終わっています。" + least + " 点以上必要です。"});
    }
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
            if (number != expected) {
                const std::string next = std::to_string(expected),
                                  found = text::quotedForMessage(table.records[i].fields[1]);
                throw InputError(fieldLocation(table, i, 1)
                                 + Text{" must be " + next + ": the " + kind + "s of " + id
                                            + " are numbered 1, 2, 3… in file order (found " + found + ").",
                                        " は " + next + " でなければなりません。" + id + " の" + kindJa(kind)
                                            + "はファイルの順に 1, 2, 3… と番号を振ります（" + found + " とあります）。"});
            }
            if (!paths.empty())
                checkLength(table, paths.back(), lastLine, kind, minPoints);
            lastNumber[id] = number;
            paths.push_back(ConstellationPath{id, number, {}});
        } else {
            const bool continues = !paths.empty() && paths.back().constellation == id && paths.back().number == number
                                   && static_cast<std::size_t>(point) == paths.back().points.size() + 1;
            if (!continues) {
                const std::string found = text::quotedForMessage(table.records[i].fields[2]);
                throw InputError(fieldLocation(table, i, 2)
                                 + Text{" must be 1, starting a new " + kind + ", or the next point of the " + kind
                                            + " on the record before (found " + found + ").",
                                        " は、新しい" + kindJa(kind) + "を始める 1 か、前の件の" + kindJa(kind)
                                            + "の次の点の番号でなければなりません（" + found + " とあります）。"});
            }
        }
        paths.back().points.push_back(p);
        lastLine = table.records[i].line;
    }
    if (!paths.empty())
        checkLength(table, paths.back(), lastLine, kind, minPoints);
    return paths;
}

} // namespace sky
