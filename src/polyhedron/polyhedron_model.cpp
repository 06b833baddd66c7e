#include "polyhedron/polyhedron_model.h"

#include "text/field_reader.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <cmath>
#include <limits>

namespace polyhedron {

namespace {

using text::InputError;

std::string at(const std::string& path, const text::Field& field, const std::string& name, std::size_t record)
{
    return path + ", line " + std::to_string(field.line) + ": the field " + name + " of record "
           + std::to_string(record);
}

std::int16_t wholeField(const std::string& path, const text::Field& field, const std::string& name,
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

} // namespace

std::vector<Vertex> readVertexFile(const std::string& path)
{
    static const std::vector<std::string> kFields{"Phi (latitude)", "Lambda (longitude)"};
    const auto records = text::readFieldGroups(path, kFields);
    if (records.size() > static_cast<std::size_t>(kMaxVertices))
        throw InputError(path + ", line " + std::to_string(records[kMaxVertices].fields[0].line) + ": the file holds "
                         + std::to_string(records.size()) + " vertices; at most "
                         + std::to_string(kMaxVertices) + " are allowed.");
    std::vector<Vertex> table;
    table.reserve(records.size() + 1);
    table.push_back(Vertex{});
    for (const auto& r : records)
        table.push_back(Vertex{r.fields[0].value, r.fields[1].value});
    return table;
}

std::vector<Face> readFaceFile(const std::string& path)
{
    static const std::vector<std::string> kFields{
        "Phi (latitude)", "Lambda (longitude)", "CornerCount", "Corner 1", "Corner 2",
        "Corner 3",       "Corner 4",           "Corner 5",    "Corner 6"};
    const auto records = text::readFieldGroups(path, kFields);
    if (records.size() > static_cast<std::size_t>(kMaxFaces))
        throw InputError(path + ", line " + std::to_string(records[kMaxFaces].fields[0].line) + ": the file holds "
                         + std::to_string(records.size()) + " faces; at most " + std::to_string(kMaxFaces)
                         + " are allowed.");
    std::vector<Face> table;
    table.reserve(records.size() + 1);
    table.push_back(Face{});
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& f = records[i].fields;
        Face face;
        face.Phi = f[0].value;
        face.Lambda = f[1].value;
        face.CornerCount = wholeField(path, f[2], kFields[2], i + 1);
        if (face.CornerCount < 0 || face.CornerCount > kMaxCorners)
            throw InputError(at(path, f[2], kFields[2], i + 1) + " must lie between 0 and "
                             + std::to_string(kMaxCorners) + " (found " + text::quotedForMessage(f[2].text) + ").");
        for (int j = 0; j < kMaxCorners; ++j)
            face.Corners[static_cast<std::size_t>(j)] = wholeField(path, f[3 + j], kFields[3 + j], i + 1);
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
