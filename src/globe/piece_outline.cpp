#include "globe/piece_outline.h"

#include "gore/gore_projection.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace globe {

namespace {

using scene::Point;
using ToSphere = std::function<sky::Vector3(Point)>;

double angleDeg(const sky::Vector3& a, const sky::Vector3& b)
{
    return std::atan2(sky::norm(sky::cross(a, b)), sky::dot(a, b)) / sky::kRadiansPerDegree;
}

/// Appends to `line` the printed stretch `printed` mapped onto the sphere: each straight piece of
/// it cut in the plane into parts at most kOutlineStepDeg long on the sphere, then only as many
/// points kept as that step needs; both ends are kept.
void appendStretch(std::vector<sky::Vector3>& line, const std::vector<Point>& printed, const ToSphere& toSphere)
{
    if (printed.empty())
        return;
    sky::Vector3 from = toSphere(printed.front());
    if (line.empty() || angleDeg(line.back(), from) > 1e-12)
        line.push_back(from);
    sky::Vector3 pending = from;
    bool hasPending = false;
    for (std::size_t i = 1; i < printed.size(); ++i) {
        const Point a = printed[i - 1], b = printed[i];
        const sky::Vector3 to = toSphere(b);
        // Equal parts in the plane are not equal on the sphere: twice as many as the step asks for.
        const int parts = std::max(1, static_cast<int>(std::ceil(2 * angleDeg(from, to) / kOutlineStepDeg)));
        for (int j = 1; j <= parts; ++j) {
            const double t = static_cast<double>(j) / parts;
            const sky::Vector3 v = j == parts ? to : toSphere({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
            if (hasPending && angleDeg(line.back(), v) > kOutlineStepDeg)
                line.push_back(pending);
            pending = v;
            hasPending = true;
        }
        from = to;
    }
    if (hasPending)
        line.push_back(pending);
}

void close(std::vector<sky::Vector3>& line)
{
    if (line.size() >= 2 && angleDeg(line.back(), line.front()) > 1e-12)
        line.push_back(line.front());
}

} // namespace

sky::Vector3 goreTemplatePointOnSphere(const gore::GorePiece& piece, bool epsilonCorrection, Point at)
{
    const gore::GoreLayout& g = piece.layout;
    // x runs along the central meridian from the equator, y across it, as the stars are placed.
    return sky::toVector(gore::goreSkyPoint(g, (at.x - g.equatorX) / g.R, (at.y - g.H / 2) / g.R, epsilonCorrection));
}

sky::Vector3 plateTemplatePointOnSphere(const gore::PlateLayout& plate, bool south, double width, double height,
                                        Point at, const std::optional<gore::GoreTiling>& tiling)
{
    const scene::Point pole = gore::plateCentre(width, height);
    const scene::Point offset{at.x - pole.x, at.y - pole.y};
    if (tiling)
        return sky::toVector(gore::kitPlateSkyPoint(*tiling, offset, south));
    return sky::toVector(south ? gore::southPlateSkyPoint(plate, offset) : gore::plateSkyPoint(plate, offset));
}

std::vector<sky::Vector3> goreOutlineOnSphere(const gore::GoreDrawPlan& plan, bool whole)
{
    const double width = whole ? gore::wholeGoreWidth(plan.layout) : plan.layout.requestedWidth;
    const gore::GorePiece piece = gore::gorePiece(plan, width, plan.layout.requestedHeight, whole);
    const bool epsilon = plan.params.epsilonCorrection;
    const ToSphere toSphere = [&piece, epsilon](Point at) { return goreTemplatePointOnSphere(piece, epsilon, at); };
    std::vector<sky::Vector3> line;
    for (const kit::OutlineEdge& stretch : gore::goreOutlineEdges(piece, {}))
        appendStretch(line, stretch.points, toSphere);
    close(line);
    return line;
}

std::vector<sky::Vector3> plateOutlineOnSphere(const gore::GoreDrawPlan& plan, bool south)
{
    const double side = plan.plate.side;
    const std::vector<Point> corners = gore::plateCutOutline(plan, side, side);
    const ToSphere toSphere = [&plan, south, side](Point at) {
        return plateTemplatePointOnSphere(plan.plate, south, side, side, at, plan.tiling);
    };
    std::vector<sky::Vector3> line;
    for (std::size_t j = 0; j < corners.size(); ++j)
        appendStretch(line, {corners[j], corners[(j + 1) % corners.size()]}, toSphere);
    close(line);
    return line;
}

} // namespace globe
