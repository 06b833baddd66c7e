#include "polyhedron/polyhedron_model.h"

#include "text/data_file.h"
#include "text/field_reader.h"
#include "text/input_error.h"

#include <cmath>
#include <limits>

namespace polyhedron {

namespace {

using text::InputError;

using text::Message;
using text::MessageId;

/// "file, line N: the field X of record R" (file の N 行目: R 件目の「X」).
Message at(std::string_view path, const text::FieldView& field, const Message& name, std::size_t record)
{
    return Message(MessageId::ModelField, {text::whereInFile(path, field.line), name, record});
}

std::int16_t wholeField(std::string_view path, const text::FieldView& field, const Message& name, std::size_t record)
{
    const std::string found = text::quotedForMessage(field.text);
    if (field.value != std::floor(field.value))
        throw InputError(Message(MessageId::ModelFieldNotWhole, {at(path, field, name, record), found}));
    if (field.value < std::numeric_limits<std::int16_t>::min() || field.value > std::numeric_limits<std::int16_t>::max())
        throw InputError(Message(MessageId::ModelFieldOutsideShort, {at(path, field, name, record), found}));
    return static_cast<std::int16_t>(field.value);
}

/// Refuses a file of `count` records, more than `limit`; `tooMany` says so of its kind of record.
[[noreturn]] void refuseTooMany(std::string_view path, std::int64_t line, std::size_t count, int limit,
                                MessageId tooMany)
{
    throw InputError(Message(tooMany, {text::whereInFile(path, line), count, limit}));
}

/// The fields of the first `kept` records of a model file (views into its content), and the
/// number of records the whole file holds, so that a file far over its limit costs no memory.
struct ScannedRecords
{
    std::vector<text::FieldView> fields; ///< record r's field i is fields[r * names + i]
    std::size_t count = 0;
    std::int64_t firstOverLine = 0; ///< line of the first record beyond `kept`
};

ScannedRecords scanRecords(std::string_view content, std::string_view path, const std::vector<Message>& names,
                           std::size_t kept)
{
    ScannedRecords scanned;
    text::FieldScanner scanner(content, path);
    while (!scanner.atEndBeforeRecord(scanned.count)) {
        ++scanned.count;
        for (const Message& name : names) {
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
    static const std::vector<Message> kFields{MessageId::FieldPhi, MessageId::FieldLambda};
    const ScannedRecords records = scanRecords(content, path, kFields, kMaxVertices);
    if (records.count > static_cast<std::size_t>(kMaxVertices))
        refuseTooMany(path, records.firstOverLine, records.count, kMaxVertices, MessageId::TooManyVertices);
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
    static const std::vector<Message> kFields{
        MessageId::FieldPhi,         MessageId::FieldLambda,      MessageId::FieldCornerCount,
        {MessageId::FieldCorner, {1}}, {MessageId::FieldCorner, {2}}, {MessageId::FieldCorner, {3}},
        {MessageId::FieldCorner, {4}}, {MessageId::FieldCorner, {5}}, {MessageId::FieldCorner, {6}}};
    const ScannedRecords records = scanRecords(content, path, kFields, kMaxFaces);
    if (records.count > static_cast<std::size_t>(kMaxFaces))
        refuseTooMany(path, records.firstOverLine, records.count, kMaxFaces, MessageId::TooManyFaces);
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
            throw InputError(Message(MessageId::CornerCountOutside,
                                     {at(path, f[2], kFields[2], i + 1), kMaxCorners, text::quotedForMessage(f[2].text)}));
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
