#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace polyhedron {

/// Most faces a face file may hold: the corner table is 32 faces by 6 corners.
inline constexpr int kMaxFaces = 32;
/// Most corners a face may have.
inline constexpr int kMaxCorners = 6;
/// Most records a vertex file may hold (the vertex count is 16-bit signed).
inline constexpr int kMaxVertices = 32767;

/// One vertex of the polyhedron on the sphere, degrees exactly as read.
struct Vertex
{
    double Phi = 0.0;    ///< latitude, degrees (file field 1)
    double Lambda = 0.0; ///< longitude, degrees (file field 2)
};

/// One face: its centre on the sphere and its corners in outline order.
struct Face
{
    double Phi = 0.0;                              ///< latitude of the face centre, degrees
    double Lambda = 0.0;                           ///< longitude of the face centre, degrees
    std::int16_t CornerCount = 0;                  ///< corners used, 0…6
    std::array<std::int16_t, kMaxCorners> Corners{}; ///< vertex numbers; only the first CornerCount count
};

/// The vertex and face tables of the loaded polyhedron, with the files they came from.
/// Both tables keep their all-zero entry 0 in front (`vertices[0]`, `faces[0]`), so
/// vertex i is `vertices[i]` and face f is `faces[f]`, as the files number them from 1.
struct PolyhedronModel
{
    std::string VertexFileName;               ///< last vertex file picked; empty at start
    std::vector<Vertex> vertices{Vertex{}};   ///< entry 0, then the records in file order
    std::string FaceFileName;                 ///< last face file picked; empty = no face table
    std::vector<Face> faces{Face{}};          ///< entry 0, then the records in file order

    /// Number of vertex records read (entry 0 not counted).
    std::int16_t VertexCount() const { return static_cast<std::int16_t>(vertices.size() - 1); }
    /// Number of face records read (entry 0 not counted), at most 32.
    int FaceCount() const { return static_cast<int>(faces.size() - 1); }

    /// Reads `path` as a vertex file and, only when it reads cleanly, replaces the vertex
    /// table and sets VertexFileName. Throws text::InputError otherwise (nothing changes).
    void loadVertexFile(const std::string& path);
    /// Reads `path` as a face file and, only when it reads cleanly, replaces the face
    /// table and sets FaceFileName. Throws text::InputError otherwise (nothing changes).
    void loadFaceFile(const std::string& path);
};

/// Reads a vertex file (latitude, longitude per vertex): the table with entry 0 in front.
/// Throws text::InputError naming the file and line for a file that cannot be read, a field
/// that is not a number, a record cut short or more than 32767 records.
std::vector<Vertex> readVertexFile(const std::string& path);

/// As `readVertexFile` on the content of a vertex file; `fileLabel` names it in messages.
std::vector<Vertex> parseVertexFile(std::string_view content, std::string_view fileLabel);

/// Reads a face file (latitude, longitude, corner count, six vertex numbers per face): the
/// table with entry 0 in front. Throws text::InputError naming the file, line and field for
/// the vertex-file faults and for more than 32 records, a corner count outside 0…6, or a
/// whole-number field that is fractional or outside −32768…32767.
std::vector<Face> readFaceFile(const std::string& path);

/// As `readFaceFile` on the content of a face file; `fileLabel` names it in messages.
std::vector<Face> parseFaceFile(std::string_view content, std::string_view fileLabel);

} // namespace polyhedron
