#include "polyhedron/face_seams.h"

#include <algorithm>

namespace polyhedron {

namespace {

/// Vertices of edge j of `face`, lower number first.
std::pair<int, int> edgeVertices(const Face& face, int j)
{
    const int a = face.Corners[static_cast<std::size_t>(j)];
    const int b = face.Corners[static_cast<std::size_t>((j + 1) % face.CornerCount)];
    return {std::min(a, b), std::max(a, b)};
}

} // namespace

std::vector<std::optional<int>> faceNeighbours(const PolyhedronModel& model, int f)
{
    const Face& face = model.faces[static_cast<std::size_t>(f)];
    std::vector<std::optional<int>> across(static_cast<std::size_t>(std::max<int>(face.CornerCount, 0)));
    for (int j = 0; j < face.CornerCount; ++j) {
        const auto edge = edgeVertices(face, j);
        for (int g = 1; g <= model.FaceCount() && !across[static_cast<std::size_t>(j)]; ++g) {
            if (g == f)
                continue;
            const Face& other = model.faces[static_cast<std::size_t>(g)];
            for (int i = 0; i < other.CornerCount; ++i)
                if (edgeVertices(other, i) == edge) {
                    across[static_cast<std::size_t>(j)] = g;
                    break;
                }
        }
    }
    return across;
}

std::string seamLabel(int a, int b)
{
    return std::to_string(std::min(a, b)) + "·" + std::to_string(std::max(a, b));
}

} // namespace polyhedron
