#include "globe/globe_projection.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace globe {

GlobeProjection makeGlobeProjection(const GlobeOrientation& view, double width, double height)
{
    assert(view.zoom > 0.0);
    const double lambda = view.yawDeg * sky::kRadiansPerDegree;
    const double phi = std::clamp(view.pitchDeg, -90.0, 90.0) * sky::kRadiansPerDegree;
    const double cl = std::cos(lambda), sl = std::sin(lambda), cp = std::cos(phi), sp = std::sin(phi);
    // East and north at the centre point. From inside, looking out along `toward`, east is on the left.
    const double mirror = view.inside ? -1.0 : 1.0;
    GlobeProjection p;
    p.toward = {cp * cl, cp * sl, sp};
    p.right = {-sl * mirror, cl * mirror, 0.0};
    p.up = {-sp * cl, -sp * sl, cp};
    p.centreX = width / 2.0;
    p.centreY = height / 2.0;
    p.scale = view.zoom * kDiscFill * std::min(width, height) / 2.0;
    return p;
}

ScreenPoint project(const GlobeProjection& p, const sky::Vector3& v)
{
    return {p.centreX + p.scale * sky::dot(v, p.right), p.centreY - p.scale * sky::dot(v, p.up),
            sky::dot(v, p.toward) > 0.0};
}

GlobeOrientation dragged(const GlobeOrientation& view, double dx, double dy, double scale)
{
    assert(scale > 0.0);
    GlobeOrientation turned = view;
    const double degreesPerPixel = 1.0 / (scale * sky::kRadiansPerDegree);
    // Dragging right brings the point left of the centre to it: westwards from outside, eastwards from inside.
    turned.yawDeg = std::remainder(view.yawDeg - (view.inside ? -1.0 : 1.0) * dx * degreesPerPixel, 360.0);
    turned.pitchDeg = std::clamp(view.pitchDeg + dy * degreesPerPixel, -90.0, 90.0);
    return turned;
}

GlobeOrientation zoomed(const GlobeOrientation& view, double factor)
{
    assert(factor > 0.0);
    GlobeOrientation z = view;
    z.zoom = std::clamp(view.zoom * factor, kMinZoom, kMaxZoom);
    return z;
}

} // namespace globe
