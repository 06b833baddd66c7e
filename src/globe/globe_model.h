#pragma once

#include "sky/sky_curve.h"
#include "sky/sky_point.h"

#include <optional>
#include <string>
#include <vector>

namespace globe {

/// One star on the globe: its direction and the radius of its dot, as the templates print it.
struct GlobeStar
{
    sky::Vector3 direction; ///< unit vector, equatorial frame (x to λ 0°, z to the north pole)
    double radius = 0.0;    ///< dot radius in sphere radii (the template's dot radius in cm over R), > 0
    double magnitude = 0.0; ///< visual magnitude, smaller is brighter
};

/// What a line on the globe is; the preview gives each kind its own pen.
enum class LineKind {
    GoreOutline,  ///< a gore's cut outline (edges, ends at ±B or the equator) where it lands once glued
    PlateOutline, ///< a polar plate's cut n-gon where it lands once glued
    FaceEdge,     ///< an edge of the polyhedron, where two faces meet
    Figure,       ///< a constellation stick figure
    Boundary,     ///< a constellation boundary
    Grid,         ///< a meridian or parallel of the coordinate grid
    Ecliptic,     ///< the ecliptic
    Galactic,     ///< the galactic equator
};

/// A named polyline on the unit sphere: consecutive points are at most about 2° apart, so
/// straight chords between them stay close to the sphere.
struct GlobeLine
{
    LineKind kind = LineKind::GoreOutline;
    std::string name; ///< "gore 3/8 N 3h45m", "plate N", "edge 5·12", "Ori 2", "0h"…
    std::vector<sky::Vector3> points; ///< unit vectors, at least two
};

/// What a label on the globe names.
enum class LabelKind { ConstellationName, StarName };

/// A text standing at one point of the sphere.
struct GlobeLabel
{
    LabelKind kind = LabelKind::ConstellationName;
    std::string text;  ///< UTF-8
    sky::Vector3 at;   ///< unit vector the text is centred on
};

/// The assembled globe as the preview shows it: stars, the lines where its pieces meet, and
/// the sky layers asked for. Built once, then only read by the projection and the painter.
struct GlobeModel
{
    std::vector<GlobeStar> stars;   ///< brightest first is not promised: catalogue order
    std::vector<GlobeLine> lines;   ///< pieces' outlines first, then sky layers
    std::vector<GlobeLabel> labels;
    bool darkGround = false; ///< the pieces are printed white on dark blue
    std::vector<std::optional<double>> colourIndices; ///< B−V of stars[i], when the dots are tinted; empty: plain dots
};

/// Most degrees between neighbouring points of a GlobeLine.
inline constexpr double kMaxStepDeg = 2.0;

/// Most degrees between neighbouring points of a piece's outline (gore, plate, polyhedron face):
/// at the largest zoom of a 2,000-pixel preview a chord then strays less than a tenth of a pixel.
inline constexpr double kOutlineStepDeg = 0.25;

/// The points of `curve` every at most `maxStepDeg` (and at least at its own steps when that is
/// 2° or more), ends included.
std::vector<sky::Vector3> sampleOnSphere(const sky::SkyCurve& curve, double maxStepDeg = kMaxStepDeg);

/// How many lines of `model` are of `kind`.
int countLines(const GlobeModel& model, LineKind kind);

} // namespace globe
