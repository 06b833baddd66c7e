#pragma once

#include "canvas/drawing_canvas.h"
#include "polyhedron/face_spec.h"
#include "polyhedron/gnomonic.h"

#include <optional>
#include <string>

namespace polyhedron {

using canvas::kMaxCanvasSide;

/// The inputs of one face Draw, read from the polyhedron tab in this order.
struct FaceParameters
{
    double phi0 = 0.0;              ///< tangent-point latitude, radians (degrees × DegreeFactor)
    double lambda0 = 0.0;           ///< tangent-point longitude, radians (degrees × DegreeFactor)
    double projectionRange = 0.0;   ///< angular radius of the drawn stars, radians, 0 < · < 90°
    double sphereRadius = 0.0;      ///< R, centimetres, > 0
    double faintestMagnitude = 0.0; ///< only stars brighter than this are drawn
    double commonRatio = 0.0;       ///< exponent of the dot size rule
    double magnification = 0.0;     ///< scale of the dot size rule, ≥ 0
    int insideView = 1;             ///< 1 seen from inside, 0 from outside (2, grayed, counts as inside)

    /// The tangent point as a projection centre.
    TangentPoint tangent() const { return {phi0, lambda0}; }
};

/// Reads and checks the number boxes in the tab's order (the tangent point's, or the face
/// centre carried instead). Throws text::InputError naming the box for a text that is not a
/// number, a projection range outside (0°, 90°), a sphere radius not above 0, a canvas side
/// above kMaxCanvasSide or a negative magnification.
FaceParameters readFaceParameters(const FaceSpec& entered);

/// Refuses, naming the box, a projection range outside (0°, 90°), a radius not above 0, a canvas
/// side above kMaxCanvasSide or a negative magnification. Ranges in degrees, radius in cm.
void checkFaceValues(double rangeDegrees, double sphereRadius, double magnification, char decimalSeparator = '.');

/// The face number box as a whole number, ties to even; throws text::InputError naming the
/// box for a text that is not a number or outside the 32-bit range.
int readFaceNumber(const FaceSpec& entered);

/// +1 when seen from inside (ticked or grayed), −1 from outside (clear).
int viewSign(int insideView);

/// Canvas side S = 2·R·tan(range) + 2 in centimetres, narrowed to single precision.
float canvasSide(const FaceParameters& p);

/// Dot radius in centimetres of a star M magnitudes above the limit (M > 0):
/// magnification / 800 · √(M ^ commonRatio). Not finite when the power overflows.
double faceDotRadius(double M, double commonRatio, double magnification);

/// Caption of the dot radius of a magnitude-1 star, √((mf − 1) ^ ratio)·(g / 800)
/// in the general number form; no text when that has no real finite value
/// (a faintest magnitude below 1 with a fractional ratio), the label then keeps its caption.
std::optional<std::string> magnitudeOneLabel(const FaceParameters& p, char decimalSeparator);

} // namespace polyhedron
