#include "gore/gore_draw.h"

#include "gore/equal_latitude_line.h"
#include "gore/gore_scene.h"
#include "scene/canvas_renderer.h"
#include "gore/gore_projection.h"
#include "stars/angles.h"
#include "stars/star_size_rule.h"
#include "text/input_error.h"
#include "text/message_text.h"
#include "text/number_text.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <vector>

namespace gore {

namespace {

using stars::PiValue;

/// Largest coordinate, in centimetres, handed to a canvas: far beyond any drawing, yet a
/// canvas size added to it stays finite in single precision.
constexpr double kMaxCoordinate = 1e30;

bool fitsCanvas(double v) { return std::isfinite(v) && std::fabs(v) <= kMaxCoordinate; }

float single(double v) { return static_cast<float>(v); }

} // namespace

text::Message describeStar(const std::string& file, std::size_t number, const stars::Star& s)
{
    const std::string values = "λ " + text::formatGeneral(s.Lambda) + ", φ " + text::formatGeneral(s.Phi) + ", Vmag "
                               + text::formatGeneral(s.Vmag);
    return text::Message(text::MessageId::StarAt, {text::escapedForMessage(file), number, values});
}

void checkPlacement(const GoreParameters& p, const std::string& starFileName, std::size_t i, const stars::Star& star,
                    const StarPlacement& placed)
{
    if (!fitsCanvas(placed.radius))
        text::refuse(text::Input::Magnification, kFieldMagnification, text::formatGeneral(p.magnification),
                     text::Message(text::MessageId::DotTooLarge, {describeStar(starFileName, i + 1, star)}));
    if (!fitsCanvas(placed.offset.x) || !fitsCanvas(placed.offset.y))
        throw text::InputError(text::Message(text::MessageId::PlaceNotFinite, {describeStar(starFileName, i + 1, star)}));
}

namespace {

/// placeStar with the size rule's radii taken from `radiusOf`.
template <typename RadiusOf>
std::optional<StarPlacement> placeStarWith(const GoreParameters& p, const GoreLayout& layout, const PlateLayout& plate,
                                           const stars::Star& star, RadiusOf&& radiusOf)
{
    if (!inLongitudeWindow(layout, star.Lambda))
        return std::nullopt;
    const double d = p.faintestMagnitude - star.Vmag;
    if (!(d > 0))
        return std::nullopt;
    const double deltaLambda = star.Lambda - layout.centralLongitude;
    const double phiPrime = latitudeCoordinate(star.Phi, deltaLambda, p.epsilonCorrection);
    const double a = acrossValue(star.Phi, deltaLambda);
    const std::optional<double> radius = radiusOf(star.Vmag);
    if (!radius)
        return std::nullopt;
    // The plate takes its stars first, whichever half of the gore is drawn.
    if (isOnPlate(plate, phiPrime))
        return StarPlacement{.target = StarTarget::Plate, .offset = plateOffset(plate, star.Lambda, star.Phi), .radius = *radius};
    if (p.southPlate == 1 && isOnSouthPlate(plate, phiPrime))
        return StarPlacement{.target = StarTarget::SouthPlate,
                             .offset = southPlateOffset(plate, star.Lambda, star.Phi),
                             .radius = *radius};
    if (p.hemisphere != 0 && p.hemisphere != 1)
        return std::nullopt;
    return StarPlacement{.target = StarTarget::Gore, .offset = {phiPrime * layout.R, a * layout.R}, .radius = *radius};
}

} // namespace

std::optional<StarPlacement> placeStar(const GoreParameters& p, const GoreLayout& layout, const PlateLayout& plate,
                                       const stars::Star& star)
{
    return placeStarWith(p, layout, plate, star, [&](double Vmag) {
        return stars::StarSizeRule(p.faintestMagnitude, p.commonRatio, p.magnification, Vmag);
    });
}

namespace {

/// Adds to `plan` the steps of its equal-latitude line when asked for, refusing a line no canvas can take.
void addEqualLatitudeLine(GoreDrawPlan& plan)
{
    const GoreParameters& p = plan.params;
    if (!p.equalLatitudeLine)
        return;
    plan.equalLatitude = equalLatitudeSteps(p);
    for (const scene::Point& step : plan.equalLatitude)
        if (!fitsCanvas(step.x) || !fitsCanvas(step.y)) {
            const std::string latitude = text::formatGeneral(p.lineLatitude);
            text::refuse(text::Input::LineLatitude, kFieldLineLatitude, latitude,
                         text::Message(text::MessageId::LineCannotBePlaced, {latitude}));
        }
}

/// The plan of one Draw from the stars whose catalogue places `visitPlaces` hands, in file order,
/// to the visitor it is given; room is made for `visited` of them.
template <typename VisitPlaces>
GoreDrawPlan planFrom(const GoreParameters& p, const stars::StarCatalogue& catalogue,
                      const std::string& starFileName, VisitPlaces&& visitPlaces, std::size_t visited = 0)
{
    GoreDrawPlan plan;
    plan.params = p;
    plan.layout = makeGoreLayout(p);
    plan.plate = makePlateLayout(p);
    plan.stars.reserve(visited); // nearly every star visited is placed: not grown a star at a time
    RadiusMemo radiusOf(p);
    visitPlaces([&](std::size_t i) {
        const stars::Star& star = catalogue.stars[i];
        std::optional<StarPlacement> placed;
        try {
            placed = placeStarWith(p, plan.layout, plan.plate, star, radiusOf);
        } catch (const text::InputError& e) {
            const text::Message where = describeStar(starFileName, i + 1, star);
            throw text::InputError(e.input(), e.value(), text::Message(text::MessageId::WhereReason, {where, e.message()}),
                                   text::Message(text::MessageId::WhereReason, {where, e.reasonText()}));
        }
        if (!placed)
            return;
        placed->index = static_cast<std::uint32_t>(i);
        checkPlacement(p, starFileName, i, star, *placed);
        plan.stars.push_back(*placed);
    });
    addEqualLatitudeLine(plan);
    return plan;
}

} // namespace

GoreDrawPlan planGoreDraw(const GoreParameters& p, const stars::StarCatalogue& catalogue,
                          const std::string& starFileName)
{
    return planFrom(p, catalogue, starFileName, [&](auto&& visit) {
        for (std::size_t i = 0; i < catalogue.stars.size(); ++i)
            visit(i);
    });
}

GoreDrawPlan planGoreDraw(const GoreParameters& p, const stars::StarCatalogue& catalogue,
                          const stars::LongitudeIndex& index, const std::string& starFileName)
{
    assert((index.cells.faintestMagnitude == p.faintestMagnitude
            || (std::isnan(index.cells.faintestMagnitude) && std::isnan(p.faintestMagnitude)))
           && "index of another faintest magnitude");
    assert(index.cells.catalogueSize == catalogue.stars.size() && "index of another catalogue");
    const GoreLayout layout = makeGoreLayout(p);
    const std::vector<std::uint32_t> near = stars::starsInLongitudes(index, layout.windowStart - kLongitudeGrace,
                                                                     layout.windowEnd + kLongitudeGrace);
    return planFrom(
        p, catalogue, starFileName,
        [&](auto&& visit) {
            // These stars lie scattered through a catalogue far larger than the processor's
            // caches: each is asked for from memory some stars ahead of its turn.
            constexpr std::size_t kAhead = 16;
            for (std::size_t j = 0; j < near.size(); ++j) {
                if (j + kAhead < near.size()) {
                    const char* ahead = reinterpret_cast<const char*>(&catalogue.stars[near[j + kAhead]]);
                    __builtin_prefetch(ahead);
                    __builtin_prefetch(ahead + sizeof(stars::Star) - 1);
                }
                visit(near[j]);
            }
        },
        near.size());
}

GoreDrawPlan planKitPiece(const GoreParameters& p, const GoreTiling& tiling, std::vector<StarPlacement> stars)
{
    GoreDrawPlan plan;
    plan.params = p;
    plan.layout = makeGoreLayout(p);
    plan.plate = kitPlateLayout(p, tiling);
    plan.tiling = tiling;
    plan.stars = std::move(stars);
    addEqualLatitudeLine(plan);
    return plan;
}

void drawGore(const GoreDrawPlan& plan, GoreWindows& windows, char decimalSeparator)
{
    const GoreParameters& p = plan.params;
    const float requestedWidth = single(plan.layout.requestedWidth);
    const float requestedHeight = single(plan.layout.requestedHeight);

    canvas::DrawingCanvas& gore = windows.goreCanvas();
    gore.setWidth(requestedWidth);
    gore.setHeight(requestedHeight);
    windows.setGoreLabels(goreLabels(p, decimalSeparator));
    const double W = gore.width(), H = gore.height();
    windows.showGoreWindow();
    gore.Cls();
    gore.setWidth(requestedWidth);
    gore.setHeight(requestedHeight);

    // A plate asked for is sized, shown and cleared; otherwise the plate window only opens when a
    // star goes there, and its stars join what it already holds, around the centre of its current size.
    const auto preparePlate = [&](canvas::DrawingCanvas& c, void (GoreWindows::*show)()) {
        c.setWidth(single(plan.plate.side));
        c.setHeight(single(plan.plate.side));
        (windows.*show)();
        c.Cls();
    };
    canvas::DrawingCanvas* plate = nullptr;
    if (p.northPlate) {
        plate = &windows.plateCanvas();
        preparePlate(*plate, &GoreWindows::showPlateWindow);
    }
    canvas::DrawingCanvas* southPlate = nullptr;
    if (p.southPlate == 1) {
        southPlate = &windows.southPlateCanvas();
        preparePlate(*southPlate, &GoreWindows::showSouthPlateWindow);
    }
    const bool plateStars = std::any_of(plan.stars.begin(), plan.stars.end(),
                                        [](const StarPlacement& s) { return s.target == StarTarget::Plate; });
    if (!plate && plateStars)
        plate = &windows.plateCanvas();

    if (plate)
        scene::drawScene(buildPlateScene(plan, StarTarget::Plate, plate->width(), plate->height(), p.northPlate),
                         *plate);
    if (southPlate)
        scene::drawScene(
            buildPlateScene(plan, StarTarget::SouthPlate, southPlate->width(), southPlate->height(), true),
            *southPlate);
    scene::drawScene(buildGoreScene(plan, W, H), gore);
}

} // namespace gore
