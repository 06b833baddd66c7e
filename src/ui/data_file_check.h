#pragma once

#include "polyhedron/polyhedron_model.h"

#include <QString>

#include <optional>

namespace ui {

/// The data files the main window picks.
enum class DataFileKind { Stars, Vertices, Faces };

/// Numbers in one record of `kind`: 3 for a star, 2 for a vertex, 9 for a face.
int fieldsPerRecord(DataFileKind kind);

/// Numbers on each non-blank line of `path` (fields separated by commas) when every such line
/// holds the same count; no value when the lines differ, or the file cannot be read or is empty.
std::optional<int> uniformFieldsPerLine(const QString& path);

/// The other kind whose records stand one a line in `path` (a face file picked as the vertex
/// file, say); no value when the file looks like `picked` or like no kind.
std::optional<DataFileKind> lookalikeKind(const QString& path, DataFileKind picked);

/// A corner of a face that names a vertex the vertex table does not hold.
struct MissingCorner
{
    int face = 0;   ///< face number, 1-based
    int corner = 0; ///< corner number within the face, 1-based
    int vertex = 0; ///< the vertex number it names
};

/// The first corner, in face and corner order, whose vertex number lies outside 0…VertexCount
/// (0 is the all-zero vertex 0, which the face Draw also takes); no value when all are there.
std::optional<MissingCorner> firstMissingCorner(const polyhedron::PolyhedronModel& model);

} // namespace ui
