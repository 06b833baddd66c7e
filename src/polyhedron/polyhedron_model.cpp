#include "polyhedron/polyhedron_model.h"

#include "text/data_file.h"
#include "text/field_reader.h"
#include "text/input_error.h"

#include <cmath>
#include <limits>

namespace polyhedron {

namespace {

using text::InputError;

std::string at(std::string_view path, const text::FieldView& field, std::string_view name, std::size_t record)
{
    return text::whereInFile(path, field.line) + ": the field " + std::string(name) + " of record "
           + std::to_string(record);
}

std::int16_t wholeField(std::string_view path, const text::FieldView& field, std::string_view name,
                        std::size_t record)
{
    if (field.value != std::floor(field.value))
        throw InputError(at(path, field, name, record) + " must be a whole number (found "
                         + text::quotedForMessage(field.text) + ").");
    if (field.value < std::numeric_limits<std::int16_t>::min() || field.value > std::numeric_limits<std::int16_t>::max())
        throw InputError(at(path, field, name, record) + " is outside the range -32768 to 32767 (found "
                         + text::quotedForMessage(field.text) + ").");
    return static_cast<std::int16_t>(field.value);
}

/// The fields of the first `kept` records of a model file (views into its content), and the
/// number of records the whole file holds, so that a file far over its limit costs no memory.
struct ScannedRecords
{
    std::vector<text::FieldView> fields; ///< record r's field i is fields[r * names + i]
    std::size_t count = 0;
    std::int64_t firstOverLine = 0; ///< line of the first record beyond `kept`
};

ScannedRecords scanRecords(std::string_view content, std::string_view path, const std::vector<std::string_view>& names,
                           std::size_t kept)
{
    ScannedRecords scanned;
    text::FieldScanner scanner(content, path);
    while (!scanner.atEndBeforeRecord(scanned.count)) {
        ++scanned.count;
        for (const auto name : names) {
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
    static const std::vector<std::string_view> kFields{"Phi (latitude)", "Lambda (longitude)"};
    const ScannedRecords records = scanRecords(content, path, kFields, kMaxVertices);
    if (records.count > static_cast<std::size_t>(kMaxVertices))
        throw InputError(text::whereInFile(path, records.firstOverLine) + ": the file holds "
                         + std::to_string(records.count) + " vertices; at most " + std::to_string(kMaxVertices)
                         + " are allowed.");
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
    static const std::vector<std::string_view> kFields{
        "Phi (latitude)", "Lambda (longitude)", "CornerCount", "Corner 1", "Corner 2",
        "Corner 3",       "Corner 4",           "Corner 5",    "Corner 6"};
    const ScannedRecords records = scanRecords(content, path, kFields, kMaxFaces);
    if (records.count > static_cast<std::size_t>(kMaxFaces))
        throw InputError(text::whereInFile(path, records.firstOverLine) + ": the file holds "
                         + std::to_string(records.count) + " faces; at most " + std::to_string(kMaxFaces)
                         + " are allowed.");
    std::vector<Face> table;
    table.reserve(records.count + 1);
    table.push_back(Face{});
    for (std::size_t i = 0; i < records.count; ++i) {
        const text::FieldView* f = &records.fields[i * kFields.size()];
        Face face;
        face.Phi = f[0].value;
        face.Lambda = f[1].value;
        face.CornerCount = wholeField(path, f[2], kFields[2], i + 1);
        if (face.CornerCount < 0 || face.CornerCount > kMaxCorners)
            throw InputError(at(path, f[2], kFields[2], i + 1) + " must lie between 0 and "
                             + std::to_string(kMaxCorners) + " (found " + text::quotedForMessage(f[2].text) + ").");
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
