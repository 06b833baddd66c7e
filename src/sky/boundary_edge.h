#pragma once

#include "sky/constellation_path.h"
#include "sky/sky_curve.h"
#include "sky/sky_point.h"

#include <string>
#include <vector>

namespace sky {

/// J2000 equatorial direction referred to the equator and equinox of B1875.0 (IAU 1976 precession).
SkyPoint precessToB1875(SkyPoint j2000);
/// B1875.0 equatorial direction referred to J2000; inverse of precessToB1875.
SkyPoint precessFromB1875(SkyPoint b1875);

/// The constellation boundary edge between two J2000 vertices. The IAU (1930) drew every edge
/// along a parallel or an hour circle of B1875.0, which precession bends away from J2000's
/// great circles (by 2° near the south pole): an edge whose ends share their B1875 declination
/// (within 0.002°) or right ascension (within 0.01°) follows that line; any other edge is a great circle.
SkyCurve boundaryEdge(SkyPoint a, SkyPoint b);

/// An edge shared by the boundaries of two constellations, listed once.
struct BoundaryEdge
{
    SkyPoint from;
    SkyPoint to;
    std::string first;  ///< the constellation whose outline lists the edge first
    std::string second; ///< the other one; empty when no other outline has the edge
};

/// The edges of `outlines` (closed paths) with each shared edge once, in the order first met.
std::vector<BoundaryEdge> uniqueBoundaryEdges(const std::vector<ConstellationPath>& outlines);

} // namespace sky
