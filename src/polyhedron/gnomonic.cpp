#include "polyhedron/gnomonic.h"

#include "stars/angles.h"

#include <cmath>

namespace polyhedron {

TangentPoint::TangentPoint(double phi0_, double lambda0_)
    : phi0(phi0_), lambda0(lambda0_), cosPhi0(std::cos(phi0_)), sinPhi0(std::sin(phi0_))
{
}

double angleCosine(const TangentPoint& t, double phi, double lambda)
{
    return t.cosPhi0 * std::cos(phi) * std::cos(lambda - t.lambda0) + t.sinPhi0 * std::sin(phi);
}

double angularDistance(const TangentPoint& t, double phi, double lambda)
{
    return stars::ArcCos(angleCosine(t, phi, lambda));
}

PlanePoint project(const TangentPoint& t, double phi, double lambda)
{
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const double cosDl = std::cos(lambda - t.lambda0), sinDl = std::sin(lambda - t.lambda0);
    PlanePoint p;
    p.c = t.cosPhi0 * cosPhi * cosDl + t.sinPhi0 * sinPhi;
    p.d = stars::ArcCos(p.c);
    const double divisor = std::cos(p.d);
    p.x = cosPhi * sinDl / divisor;
    p.y = (t.cosPhi0 * sinPhi - cosPhi * t.sinPhi0 * cosDl) / divisor;
    return p;
}

} // namespace polyhedron
