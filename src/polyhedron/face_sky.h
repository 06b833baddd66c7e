#pragma once

#include "polyhedron/face_parameters.h"
#include "polyhedron/polyhedron_model.h"
#include "scene/scene.h"
#include "sky/sky_data.h"
#include "sky/sky_piece.h"

namespace polyhedron {

/// The sky layers of a face drawing, and which face of the model the drawing is.
struct FaceSky
{
    sky::SkyRequest request;
    int faceNumber = 0; ///< its corners are the cut outline; 0 (or no such face): a disc of the projection range, a globe of its own
};

/// The faces of `model` as one globe: piece f − 1 is face f. A sky point belongs to the first
/// face whose corners, joined by great circles, enclose it (seen from the face's centre as the
/// face-number rule sets it for `p`).
sky::SkyGlobe faceSkyGlobe(const FaceParameters& p, const PolyhedronModel& model);

/// The drawing of `p` on a canvas of `side` cm as a piece: the stars' gnomonic projection,
/// mirrored as the view mirrors them, cut at the corners of face `faceNumber`, or at the
/// projection range when the model has no such face or it cannot be projected.
sky::SkyPiece faceSkyPiece(const FaceParameters& p, const PolyhedronModel& model, int faceNumber, float side);

/// Adds the sky layers `sky` asks for to the face scene `face` drawn from `p`.
void addFaceSkyLayers(scene::Scene& face, const FaceParameters& p, const PolyhedronModel& model, const FaceSky& sky);

} // namespace polyhedron
