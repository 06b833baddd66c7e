#include "polyhedron/polyhedron_model.h"

#include "text/data_file.h"
#include "text/field_reader.h"
#include "text/input_error.h"

#include <cmath>
#include <limits>

namespace polyhedron {

namespace {

using text::InputError;

using text::Text;

/// "file, line N: the field X of record R" (file の N 行目: R 件目の「X」).
Text at(std::string_view path, const text::FieldView& field, const Text& name, std::size_t record)
{
    const std::string r = std::to_string(record);
    return text::whereInFile(path, field.line)
           + Text{": the field " + name.en + " of record " + r, ": " + r + " 件目の「" + name.ja + "」"};
}

std::int16_t wholeField(std::string_view path, const text::FieldView& field, const Text& name, std::size_t record)
{
    const std::string found = text::quotedForMessage(field.text);
    if (field.value != std::floor(field.value))
        throw InputError(at(path, field, name, record)
                         + Text{" must be a whole number (found " + found + ").",
                                "は整数でなければなりません（" + found + " とあります）。"});
    if (field.value < std::numeric_limits<std::int16_t>::min() || field.value > std::numeric_limits<std::int16_t>::max())
        throw InputError(at(path, field, name, record)
                         + Text{" is outside the range -32768 to 32767 (found " + found + ").",
                                "が -32768 から 32767 までの範囲の外です（" + found + " とあります）。"});
    return static_cast<std::int16_t>(field.value);
}

/// Refuses a file of `count` records, more than `limit`; `things` names the records.
[[noreturn]] void refuseTooMany(std::string_view path, std::int64_t line, std::size_t count, int limit,
                                const Text& things)
{
    const std::string found = std::to_string(count), most = std::to_string(limit);
    throw InputError(text::whereInFile(path, line)
                     + Text{": the file holds " + found + " " + things.en + "; at most " + most + " are allowed.",
                            ": " + things.ja + "が " + found + " 個あります。" + things.ja + "は " + most
                                + " 個までです。"});
}

/// The fields of the first `kept` records of a model file (views into its content), and the
/// number of records the whole file holds, so that a file far over its limit costs no memory.
struct ScannedRecords
{
    std::vector<text::FieldView> fields; ///< record r's field i is fields[r * names + i]
    std::size_t count = 0;
    std::int64_t firstOverLine = 0; ///< line of the first record beyond `kept`
};

ScannedRecords scanRecords(std::string_view content, std::string_view path, const std::vector<Text>& names,
                           std::size_t kept)
{
    ScannedRecords scanned;
    text::FieldScanner scanner(content, path);
    while (!scanner.atEndBeforeRecord(scanned.count)) {
        ++scanned.count;
        for (const Text& name : names) {
            const text::FieldView field = scanner.next(name, scanned.count);
            if (scanned.count <= kept)
                scanned.fields.push_back(field);
            else if (scanned.firstOverLine == 0)
                scanned.firstOverLine = field.line;
        }
    }
    return scanned;
}

} // namespace

std::vector<Vertex> readVertexFile(const std::string& path)
{
    return parseVertexFile(text::readDataFile(path), path);
}

std::vector<Vertex> parseVertexFile(std::string_view content, std::string_view path)
{
    static const std::vector<Text> kFields{{"Phi (latitude)", "緯度φ"}, {"Lambda (longitude)", "経度λ"}};
    const ScannedRecords records = scanRecords(content, path, kFields, kMaxVertices);
    if (records.count > static_cast<std::size_t>(kMaxVertices))
        refuseTooMany(path, records.firstOverLine, records.count, kMaxVertices, {"vertices", "頂点"});
    std::vector<Vertex> table;
    table.reserve(records.count + 1);
    table.push_back(Vertex{});
    for (std::size_t i = 0; i < records.count; ++i)
        table.push_back(Vertex{records.fields[2 * i].value, records.fields[2 * i + 1].value});
    return table;
}

std::vector<Face> readFaceFile(const std::string& path)
{
    return parseFaceFile(text::readDataFile(path), path);
}

std::vector<Face> parseFaceFile(std::string_view content, std::string_view path)
{
    static const std::vector<Text> kFields{
        {"Phi (latitude)", "緯度φ"}, {"Lambda (longitude)", "経度λ"}, {"CornerCount", "頂点数"},
        {"Corner 1", "頂点 1"},      {"Corner 2", "頂点 2"},          {"Corner 3", "頂点 3"},
        {"Corner 4", "頂点 4"},      {"Corner 5", "頂点 5"},          {"Corner 6", "頂点 6"}};
    const ScannedRecords records = scanRecords(content, path, kFields, kMaxFaces);
    if (records.count > static_cast<std::size_t>(kMaxFaces))
        refuseTooMany(path, records.firstOverLine, records.count, kMaxFaces, {"faces", "面"});
    std::vector<Face> table;
    table.reserve(records.count + 1);
    table.push_back(Face{});
    for (std::size_t i = 0; i < records.count; ++i) {
        const text::FieldView* f = &records.fields[i * kFields.size()];
        Face face;
        face.Phi = f[0].value;
        face.Lambda = f[1].value;
        face.CornerCount = wholeField(path, f[2], kFields[2], i + 1);
        if (face.CornerCount < 0 || face.CornerCount > kMaxCorners) {
            const std::string most = std::to_string(kMaxCorners), found = text::quotedForMessage(f[2].text);
            throw InputError(at(path, f[2], kFields[2], i + 1)
                             + Text{" must lie between 0 and " + most + " (found " + found + ").",
                                    "は 0 から " + most + " まででなければなりません（" + found + " とあります）。"});
        }
        for (std::size_t j = 0; j < kMaxCorners; ++j)
            face.Corners[j] = wholeField(path, f[3 + j], kFields[3 + j], i + 1);
        table.push_back(face);
    }
    return table;
}

void PolyhedronModel::loadVertexFile(const std::string& path)
{
    auto table = readVertexFile(path);
    vertices = std::move(table);
    VertexFileName = path;
}

void PolyhedronModel::loadFaceFile(const std::string& path)
{
    auto table = readFaceFile(path);
    faces = std::move(table);
    FaceFileName = path;
}

} // namespace polyhedron
