#include "polyhedron/gnomonic.h"

#include "stars/angles.h"

#include <cmath>

namespace polyhedron {

double angleCosine(const TangentPoint& t, double phi, double lambda)
{
    return std::cos(t.phi0) * std::cos(phi) * std::cos(lambda - t.lambda0) + std::sin(t.phi0) * std::sin(phi);
}

double angularDistance(const TangentPoint& t, double phi, double lambda)
{
    return stars::ArcCos(angleCosine(t, phi, lambda));
}

PlanePoint project(const TangentPoint& t, double phi, double lambda)
{
    PlanePoint p;
    p.c = angleCosine(t, phi, lambda);
    p.d = stars::ArcCos(p.c);
    const double divisor = std::cos(p.d);
    p.x = std::cos(phi) * std::sin(lambda - t.lambda0) / divisor;
    p.y = (std::cos(t.phi0) * std::sin(phi) - std::cos(phi) * std::sin(t.phi0) * std::cos(lambda - t.lambda0))
          / divisor;
    return p;
}

} // namespace polyhedron
