#pragma once

#include "polyhedron/polyhedron_model.h"

#include <optional>
#include <string>
#include <vector>

namespace polyhedron {

/// The face across each edge of face `f` of `model`: edge j runs from corner j to corner j + 1
/// (the last back to the first), counted from 0; no value where no other face has both of its
/// vertices as neighbouring corners.
std::vector<std::optional<int>> faceNeighbours(const PolyhedronModel& model, int f);

/// The name of the seam between faces `a` and `b`: the lower number, "·", the higher ("5·12").
std::string seamLabel(int a, int b);

} // namespace polyhedron
