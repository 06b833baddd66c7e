#pragma once

#include "sky/sky_point.h"

namespace globe {

/// Where the preview looks from. The point of the sky at longitude `yawDeg` and latitude
/// `pitchDeg` lies at the centre of the picture with north up.
///
/// From outside, the globe is seen as a globe of the Earth is: east (larger λ) to the right.
/// From inside, the viewer stands at the centre and looks out through that same point, as one
/// looks at the sky from the Earth: east is to the left, so the picture is the outside picture
/// mirrored left to right, and the same hemisphere faces the viewer (its inner surface).
struct GlobeOrientation
{
    double yawDeg = 0.0;   ///< longitude (right ascension) at the centre, degrees, any value
    double pitchDeg = 0.0; ///< latitude (declination) at the centre, degrees, −90…90
    double zoom = 1.0;     ///< 1: the globe's disc fills kDiscFill of the picture's smaller side; > 0
    bool inside = false;   ///< seen from inside (as the sky from the Earth) rather than from outside
};

/// Share of the picture's smaller side the globe's diameter takes at zoom 1.
inline constexpr double kDiscFill = 0.92;

/// Fixed values of one picture of the globe, computed once per picture; then `project` is pure.
struct GlobeProjection
{
    sky::Vector3 right;   ///< unit vector pointing to the picture's right (mirrored inside)
    sky::Vector3 up;      ///< unit vector pointing up the picture (north at the centre)
    sky::Vector3 toward;  ///< unit vector of the centre point: the hemisphere round it faces the viewer
    double centreX = 0.0; ///< pixel column of the globe's centre
    double centreY = 0.0; ///< pixel row of the globe's centre
    double scale = 1.0;   ///< the sphere's radius in pixels
};

/// A point of the picture, in pixels from its top left corner (y down).
struct ScreenPoint
{
    double x = 0.0;
    double y = 0.0;
    bool facing = false; ///< on the hemisphere that faces the viewer (the back one shows through)
};

/// The projection of a `width` × `height` pixel picture seen from `view` (zoom > 0).
GlobeProjection makeGlobeProjection(const GlobeOrientation& view, double width, double height);

/// Orthographic picture of the unit vector `v`: x = cx + s·(v·right), y = cy − s·(v·up),
/// facing when v·toward > 0.
ScreenPoint project(const GlobeProjection& projection, const sky::Vector3& v);

/// `view` turned by a drag of (`dx`, `dy`) pixels with the sphere's radius `scale` pixels: the
/// point under the pointer moves with it (near the centre), the pitch held within −90…90.
GlobeOrientation dragged(const GlobeOrientation& view, double dx, double dy, double scale);

/// `view` zoomed by `factor` (> 0), kept within kMinZoom…kMaxZoom.
GlobeOrientation zoomed(const GlobeOrientation& view, double factor);

/// Smallest and largest zoom the preview offers.
inline constexpr double kMinZoom = 0.25;
inline constexpr double kMaxZoom = 40.0;

} // namespace globe
