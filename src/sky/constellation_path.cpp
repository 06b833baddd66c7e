#include "sky/constellation_path.h"

#include "text/message_text.h"
#include "text/input_error.h"

#include <climits>
#include <map>

namespace sky {

namespace {

using text::InputError;
using text::Message;
using text::MessageId;

/// The refusals of a path of `kind`: a boundary "part" or a figure's "polyline".
struct PathRefusals
{
    MessageId endsAfterOnePoint, endsAfterPoints, numberOutOfOrder, pointOutOfOrder;
};

PathRefusals refusalsOf(const std::string& kind)
{
    if (kind == "part")
        return {MessageId::PartEndsAfterOnePoint, MessageId::PartEndsAfterPoints, MessageId::PartNumberOutOfOrder,
                MessageId::PartPointOutOfOrder};
    return {MessageId::LineEndsAfterOnePoint, MessageId::LineEndsAfterPoints, MessageId::LineNumberOutOfOrder,
            MessageId::LinePointOutOfOrder};
}

void checkLength(const CsvTable& table, const ConstellationPath& path, int lastLine, const std::string& kind,
                 std::size_t minPoints)
{
    if (path.points.size() < minPoints) {
        const PathRefusals refusals = refusalsOf(kind);
        throw InputError(
            Message(path.points.size() == 1 ? refusals.endsAfterOnePoint : refusals.endsAfterPoints,
                    {Message(MessageId::WhereInFileLine, {table.file, lastLine}), path.number, path.constellation,
                     path.points.size(), minPoints}));
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
                throw InputError(Message(refusalsOf(kind).numberOutOfOrder,
                                         {fieldLocation(table, i, 1), expected, id,
                                          text::quotedForMessage(table.records[i].fields[1])}));
            }
            if (!paths.empty())
                checkLength(table, paths.back(), lastLine, kind, minPoints);
            lastNumber[id] = number;
            paths.push_back(ConstellationPath{id, number, {}});
        } else {
            const bool continues = !paths.empty() && paths.back().constellation == id && paths.back().number == number
                                   && static_cast<std::size_t>(point) == paths.back().points.size() + 1;
            if (!continues) {
                throw InputError(Message(refusalsOf(kind).pointOutOfOrder,
                                         {fieldLocation(table, i, 2), text::quotedForMessage(table.records[i].fields[2])}));
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
