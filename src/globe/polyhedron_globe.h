#pragma once

#include "globe/globe_model.h"
#include "polyhedron/face_parameters.h"
#include "polyhedron/polyhedron_model.h"
#include "sky/sky_data.h"
#include "stars/star_catalogue.h"

#include <vector>

namespace globe {

/// One edge of a polyhedron: two vertex numbers (lower first) and the faces on either side.
struct PolyhedronEdge
{
    int from = 0, to = 0;    ///< vertex numbers as the files count them, from < to
    int face = 0;            ///< the first face (in file order) that has the edge
    int otherFace = 0;       ///< the face across it; 0 when no other face has it
};

/// Every edge of the faces of `model` once, in the order first met (face by face, corner by
/// corner). Throws text::InputError naming the face file when a corner names a vertex the
/// vertex table does not hold.
std::vector<PolyhedronEdge> polyhedronEdges(const polyhedron::PolyhedronModel& model);

/// The globe the face templates of `model` make: the stars of `catalogue` the faces print
/// (dot radius by the face size rule of `p` over R), each edge as a great-circle arc named by the
/// faces it joins ("edge 5·12"), and the sky layers of `sky`. Throws text::InputError for a
/// radius not above 0, a negative magnification and corners naming missing vertices.
GlobeModel polyhedronGlobe(const stars::StarCatalogue& catalogue, const polyhedron::PolyhedronModel& model,
                           const polyhedron::FaceParameters& p, const sky::SkyRequest& sky = {});

} // namespace globe
