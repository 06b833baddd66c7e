#include "gore/gore_scene.h"

#include "gore/equal_latitude_line.h"
#include "gore/gore_outline.h"
#include "gore/gore_sky.h"
#include "kit/piece_scene.h"
#include "stars/angles.h"
#include "text/large_pages.h"

#include <cmath>

namespace gore {

namespace {

using scene::Point;
using scene::Role;
using stars::PiValue;

/// Distance in cm from the equator to the start of a gore's label.
constexpr double kLabelInset = 0.3;

scene::Dot starDot(const StarPlacement& s, double x, double y)
{
    scene::Dot d;
    d.role = Role::Star;
    d.index = static_cast<std::int32_t>(s.index);
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

/// Adds the gore stars of `plan`; those clipped by the kit keep within the clip `clip` of `s`.
void addGoreStars(scene::Scene& s, const GoreDrawPlan& plan, const GoreLayout& g, std::int32_t clip = -1)
{
    scene::Layer& stars = s.layer(scene::layers::kStars);
    stars.items.reserve(stars.items.size() + plan.stars.size());
    text::preferLargePages(stars.items.data(), stars.items.capacity() * sizeof(scene::Item));
    for (const StarPlacement& star : plan.stars)
        if (star.target == StarTarget::Gore) {
            scene::Dot d = starDot(star, star.offset.x + g.starEquatorX, star.offset.y + g.H / 2);
            if (star.clipped)
                d.clip = clip;
            stars.items.emplace_back(std::in_place_type<scene::Dot>, d); // made in place: most of a scene is dots
        }
}

void addGoreGuides(scene::Scene& s, const GoreDrawPlan& plan, const GoreLayout& g)
{
    scene::Layer& guides = s.layer(scene::layers::kGuides);
    scene::Path equator;
    equator.role = Role::Equator;
    equator.runs = {{{g.equatorX, g.H / 2 + 0.5 * g.fullWidth}, {g.equatorX, g.H / 2 - 0.5 * g.fullWidth}}};
    guides.items.push_back(std::move(equator));
    if (!plan.equalLatitude.empty()) {
        std::vector<Point> right, left;
        for (const scene::Point& step : plan.equalLatitude) {
            right.push_back({g.equatorX + step.x, g.H / 2 + step.y});
            left.push_back({g.equatorX - step.x, g.H / 2 + step.y});
        }
        guides.items.push_back(
            dottedPath(Role::EqualLatitudeLine, {std::move(right), std::move(left)}, kLineDotRadius, false));
    }
}

} // namespace

scene::Scene buildGoreScene(const GoreDrawPlan& plan, double width, double height)
{
    const GoreLayout g = placeOnCanvas(plan.layout, plan.params.hemisphere, width, height);
    scene::Scene s;
    s.width = width;
    s.height = height;
    addGoreStars(s, plan, g);

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

    addGoreGuides(s, plan, g);
    addGoreSkyLayers(s, plan, false);
    return s;
}

scene::Scene buildGoreScene(const GoreDrawPlan& plan, double width, double height, const GoreKit& kit)
{
    if (!kit.style.pieces)
        return buildGoreScene(plan, width, height);
    const GoreParameters& p = plan.params;
    const GorePiece piece = gorePiece(plan, width, height, kit.whole);
    const GoreLayout& g = piece.layout;
    scene::Scene s;
    s.width = width;
    s.height = height;
    GoreTabs tabs;
    tabs.width = kit.style.tabWidth;
    tabs.edge = true;
    tabs.northEnd = piece.north > 0; // the plate's cut; a southern half's equator carries none
    tabs.southEnd = piece.south < 0 || kit.equatorTab;
    const std::vector<kit::OutlineEdge> edges = goreOutlineEdges(piece, tabs);
    const kit::TabbedOutline outline =
        tabs.width > 0 ? kit::addGlueTabs(edges, tabs.width) : kit::TabbedOutline{kit::pieceOf(edges), kit::pieceOf(edges), {}, {}};
    // A kit's stars come shared out already (distributeKitStars); others keep what lies on the piece.
    addGoreStars(s, plan, g, plan.tiling ? kit::addClip(s, outline.piece) : -1);
    addGoreGuides(s, plan, g);
    const bool north = kit.whole || p.hemisphere == 1;
    kit::addPieceLabel(s, {g.equatorX + (north ? kLabelInset : -kLabelInset), g.H / 2},
                       goreLabel(p, g, kit.whole), north ? scene::Anchor::Start : scene::Anchor::End);
    if (!plan.tiling)
        kit::keepStarsOnPiece(s, outline.piece);
    kit::addPiece(s, outline);
    addGoreSkyLayers(s, plan, kit.whole);
    return s;
}

namespace {

/// The plate as buildPlateScene draws it, without the sky; stars the kit clips keep within `clip`.
scene::Scene plateScene(const GoreDrawPlan& plan, StarTarget which, double width, double height, bool outline,
                        const std::vector<Point>& clip = {})
{
    scene::Scene s;
    s.width = width;
    s.height = height;
    const scene::Point pole = plateCentre(width, height);
    if (outline) {
        std::vector<Point> chain;
        for (const scene::Point& dot : plateBoundaryDots(plan.plate))
            chain.push_back({pole.x + dot.x, pole.y + dot.y});
        s.layer(scene::layers::kCut, scene::LayerKind::Cut).items.push_back(
            dottedPath(Role::PlateOutline, {std::move(chain)}, kCuttingDotRadius, true));
    }
    s.layer(scene::layers::kStars);
    const std::int32_t clipIndex = clip.empty() ? -1 : kit::addClip(s, clip);
    for (const StarPlacement& star : plan.stars)
        if (star.target == which) {
            addPlateStar(s, star);
            if (star.clipped)
                std::get<scene::Dot>(s.layer(scene::layers::kStars).items.back()).clip = clipIndex;
        }
    return s;
}

} // namespace

scene::Scene buildPlateScene(const GoreDrawPlan& plan, StarTarget which, double width, double height, bool outline)
{
    scene::Scene s = plateScene(plan, which, width, height, outline);
    addPlateSkyLayers(s, plan, which);
    return s;
}

scene::Scene buildPlatePiece(const GoreDrawPlan& plan, StarTarget which, double width, double height)
{
    const kit::Polygon ngon = plateCutOutline(plan, width, height);
    scene::Scene s = plateScene(plan, which, width, height, false, plan.tiling ? ngon : kit::Polygon{});
    const scene::Point pole = plateCentre(width, height);
    kit::addPieceLabel(s, {pole.x, pole.y + 0.5 * std::fabs(plan.plate.boundaryRadius)},
                       which == StarTarget::SouthPlate ? "S" : "N");
    // Each side carries the number of the gore whose cut it is glued to: side s (corners s − 1
    // to s) faces gore s on the northern plate, which turns the other way round on the southern.
    const int n = static_cast<int>(ngon.size());
    for (int side = 1; side <= n; ++side) {
        const int gore = which == StarTarget::SouthPlate ? n - side + 1 : side;
        kit::addEdgeLabel(s, ngon[static_cast<std::size_t>(side - 1)], ngon[static_cast<std::size_t>(side % n)],
                          {pole.x, pole.y}, std::to_string(gore));
    }
    if (!plan.tiling)
        kit::keepStarsOnPiece(s, ngon);
    kit::addPiece(s, {ngon, ngon, {}, {}});
    addPlateSkyLayers(s, plan, which); // last, so that its labels keep clear of the piece's
    return s;
}

void addPlateStar(scene::Scene& plate, const StarPlacement& star)
{
    const scene::Point pole = plateCentre(plate.width, plate.height);
    plate.layer(scene::layers::kStars)
        .items.emplace_back(std::in_place_type<scene::Dot>, starDot(star, pole.x + star.offset.x, pole.y + star.offset.y));
}

} // namespace gore
