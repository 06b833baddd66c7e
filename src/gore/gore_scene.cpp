#include "gore/gore_scene.h"

#include "gore/equal_latitude_line.h"
#include "gore/gore_sky.h"
#include "stars/angles.h"

#include <cmath>

namespace gore {

namespace {

using scene::Point;
using scene::Role;
using stars::PiValue;

scene::Dot starDot(const StarPlacement& s, double x, double y)
{
    scene::Dot d;
    d.role = Role::Star;
    d.index = static_cast<std::int64_t>(s.index);
    d.centre = {x, y};
    d.radius = s.radius;
    return d;
}

scene::Path dottedPath(Role role, std::vector<std::vector<Point>> runs, double dotRadius, bool closed)
{
    scene::Path p;
    p.role = role;
    p.runs = std::move(runs);
    p.closed = closed;
    p.dotRadius = dotRadius;
    return p;
}

} // namespace

scene::Scene buildGoreScene(const GoreDrawPlan& plan, double width, double height)
{
    const GoreLayout g = placeOnCanvas(plan.layout, plan.params.hemisphere, width, height);
    scene::Scene s;
    s.width = width;
    s.height = height;

    scene::Layer& stars = s.layer(scene::layers::kStars);
    for (const StarPlacement& star : plan.stars)
        if (star.target == StarTarget::Gore)
            stars.items.push_back(starDot(star, star.offset.dx + g.starEquatorX, star.offset.dy + g.H / 2));

    // The gore's edges, from the south pole (t = 0) to the north pole (t = π); the window
    // draws them a dot of each edge per step.
    std::vector<Point> lower, upper;
    for (double t = 0; t <= PiValue; t = 0.001 + t) {
        const double dy = g.fullWidth * 0.5 * std::sin(t);
        lower.push_back({g.outlineStartX + t * g.R, 0.5 * g.H + dy});
        upper.push_back({g.outlineStartX + t * g.R, 0.5 * g.H - dy});
    }
    s.layer(scene::layers::kCut, scene::LayerKind::Cut).items.push_back(
        dottedPath(Role::GoreEdge, {std::move(lower), std::move(upper)}, kCuttingDotRadius, false));

    scene::Layer& guides = s.layer(scene::layers::kGuides);
    scene::Path equator;
    equator.role = Role::Equator;
    equator.runs = {{{g.equatorX, g.H / 2 + 0.5 * g.fullWidth}, {g.equatorX, g.H / 2 - 0.5 * g.fullWidth}}};
    guides.items.push_back(std::move(equator));
    if (!plan.equalLatitude.empty()) {
        std::vector<Point> right, left;
        for (const Offset& step : plan.equalLatitude) {
            right.push_back({g.equatorX + step.dx, g.H / 2 + step.dy});
            left.push_back({g.equatorX - step.dx, g.H / 2 + step.dy});
        }
        guides.items.push_back(
            dottedPath(Role::EqualLatitudeLine, {std::move(right), std::move(left)}, kLineDotRadius, false));
    }
    addGoreSkyLayers(s, plan);
    return s;
}

scene::Scene buildPlateScene(const GoreDrawPlan& plan, StarTarget which, double width, double height, bool outline)
{
    scene::Scene s;
    s.width = width;
    s.height = height;
    const Offset pole = plateCentre(width, height);
    if (outline) {
        std::vector<Point> circle;
        for (const Offset& dot : plateBoundaryDots(plan.plate))
            circle.push_back({pole.dx + dot.dx, pole.dy + dot.dy});
        s.layer(scene::layers::kCut, scene::LayerKind::Cut).items.push_back(
            dottedPath(Role::PlateOutline, {std::move(circle)}, kCuttingDotRadius, true));
    }
    s.layer(scene::layers::kStars);
    for (const StarPlacement& star : plan.stars)
        if (star.target == which)
            addPlateStar(s, star);
    addPlateSkyLayers(s, plan, which);
    return s;
}

void addPlateStar(scene::Scene& plate, const StarPlacement& star)
{
    const Offset pole = plateCentre(plate.width, plate.height);
    plate.layer(scene::layers::kStars)
        .items.push_back(starDot(star, pole.dx + star.offset.dx, pole.dy + star.offset.dy));
}

} // namespace gore
