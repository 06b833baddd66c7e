#include "gore/gore_draw.h"

#include "gore/equal_latitude_line.h"
#include "gore/gore_projection.h"
#include "stars/angles.h"
#include "stars/star_size_rule.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <cmath>

namespace gore {

namespace {

using stars::PiValue;

/// Largest coordinate, in centimetres, handed to a canvas: far beyond any drawing, yet a
/// canvas size added to it stays finite in single precision.
constexpr double kMaxCoordinate = 1e30;

bool fitsCanvas(double v) { return std::isfinite(v) && std::fabs(v) <= kMaxCoordinate; }

float single(double v) { return static_cast<float>(v); }

std::string describeStar(const std::string& file, std::size_t index, const stars::Star& s)
{
    return file + ": star " + std::to_string(index) + " (λ " + text::formatGeneral(s.Lambda) + ", φ "
           + text::formatGeneral(s.Phi) + ", Vmag " + text::formatGeneral(s.Vmag) + ")";
}

void circleAt(canvas::DrawingCanvas& c, double x, double y, double radius)
{
    c.Circle(single(x), single(y), single(radius));
}

} // namespace

std::optional<StarPlacement> placeStar(const GoreParameters& p, const GoreLayout& layout, const PlateLayout& plate,
                                       const stars::Star& star)
{
    if (!inLongitudeWindow(layout, star.Lambda))
        return std::nullopt;
    const double d = p.faintestMagnitude - star.Vmag;
    if (!(d > 0))
        return std::nullopt;
    const double deltaLambda = star.Lambda - layout.centralLongitude;
    const double phiPrime = latitudeCoordinate(star.Phi, deltaLambda, p.epsilonCorrection);
    const double a = acrossValue(star.Phi, deltaLambda);
    const auto radius = stars::StarSizeRule(p.faintestMagnitude, p.commonRatio, p.magnification, star.Vmag);
    if (!radius)
        return std::nullopt;
    // The plate takes its stars first, whichever half of the gore is drawn.
    if (isOnPlate(plate, phiPrime))
        return StarPlacement{StarTarget::Plate, plateOffset(plate, star.Lambda, star.Phi), *radius};
    if (p.southPlate == 1 && isOnSouthPlate(plate, phiPrime))
        return StarPlacement{StarTarget::SouthPlate, southPlateOffset(plate, star.Lambda, star.Phi), *radius};
    if (p.hemisphere != 0 && p.hemisphere != 1)
        return std::nullopt;
    return StarPlacement{StarTarget::Gore, {phiPrime * layout.R, a * layout.R}, *radius};
}

GoreDrawPlan planGoreDraw(const GoreParameters& p, const stars::StarCatalogue& catalogue,
                          const std::string& starFileName)
{
    GoreDrawPlan plan;
    plan.params = p;
    plan.layout = makeGoreLayout(p);
    plan.plate = makePlateLayout(p);
    for (std::size_t i = 0; i < catalogue.stars.size(); ++i) {
        const stars::Star& star = catalogue.stars[i];
        std::optional<StarPlacement> placed;
        try {
            placed = placeStar(p, plan.layout, plan.plate, star);
        } catch (const text::InputError& e) {
            throw text::InputError(describeStar(starFileName, i + 1, star) + ": " + e.what());
        }
        if (!placed)
            continue;
        if (!fitsCanvas(placed->offset.dx) || !fitsCanvas(placed->offset.dy) || !fitsCanvas(placed->radius))
            throw text::InputError(describeStar(starFileName, i + 1, star)
                                   + ": its place or size on the drawing is not a finite number; nothing was drawn.");
        plan.stars.push_back(*placed);
    }
    if (p.equalLatitudeLine) {
        plan.equalLatitude = equalLatitudeSteps(p);
        for (const Offset& step : plan.equalLatitude)
            if (!fitsCanvas(step.dx) || !fitsCanvas(step.dy))
                throw text::InputError(std::string(kFieldLineLatitude) + ": " + text::formatGeneral(p.lineLatitude)
                                       + "° gives a line that cannot be placed on the drawing; nothing was drawn.");
    }
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
    const GoreLayout g = placeOnCanvas(plan.layout, p.hemisphere, gore.width(), gore.height());
    windows.showGoreWindow();
    gore.Cls();
    gore.setWidth(requestedWidth);
    gore.setHeight(requestedHeight);

    // The plate canvas is sized, shown and cleared only when the north plate is asked for;
    // otherwise its stars join what it already holds, around the centre of its current size.
    canvas::DrawingCanvas* plate = nullptr;
    Offset pole;
    const auto usePlate = [&]() -> canvas::DrawingCanvas& {
        if (!plate) {
            plate = &windows.plateCanvas();
            if (p.northPlate) {
                plate->setWidth(single(plan.plate.side));
                plate->setHeight(single(plan.plate.side));
                windows.showPlateWindow();
                plate->Cls();
            }
            pole = plateCentre(plate->width(), plate->height());
        }
        return *plate;
    };
    if (p.northPlate) {
        canvas::DrawingCanvas& c = usePlate();
        for (const Offset& dot : plateBoundaryDots(plan.plate))
            circleAt(c, pole.dx + dot.dx, pole.dy + dot.dy, kCuttingDotRadius);
    }

    // The southern plate, asked for with Check5 at 1, is prepared the same way and takes
    // the stars beyond −B.
    canvas::DrawingCanvas* southPlate = nullptr;
    Offset southPole;
    if (p.southPlate == 1) {
        southPlate = &windows.southPlateCanvas();
        southPlate->setWidth(single(plan.plate.side));
        southPlate->setHeight(single(plan.plate.side));
        windows.showSouthPlateWindow();
        southPlate->Cls();
        southPole = plateCentre(southPlate->width(), southPlate->height());
        for (const Offset& dot : plateBoundaryDots(plan.plate))
            circleAt(*southPlate, southPole.dx + dot.dx, southPole.dy + dot.dy, kCuttingDotRadius);
    }

    for (const StarPlacement& s : plan.stars) {
        if (s.target == StarTarget::SouthPlate)
            circleAt(*southPlate, southPole.dx + s.offset.dx, southPole.dy + s.offset.dy, s.radius);
        else if (s.target == StarTarget::Plate) {
            canvas::DrawingCanvas& c = usePlate(); // fixes the pole before it is used
            circleAt(c, pole.dx + s.offset.dx, pole.dy + s.offset.dy, s.radius);
        } else {
            circleAt(gore, s.offset.dx + g.starEquatorX, s.offset.dy + g.H / 2, s.radius);
        }
    }

    // The gore's edges, from the south pole (t = 0) to the north pole (t = π).
    for (double t = 0; t <= PiValue; t = 0.001 + t) {
        const double dy = g.fullWidth * 0.5 * std::sin(t);
        circleAt(gore, g.outlineStartX + t * g.R, 0.5 * g.H + dy, kCuttingDotRadius);
        circleAt(gore, g.outlineStartX + t * g.R, 0.5 * g.H - dy, kCuttingDotRadius);
    }

    const double equatorX = g.equatorX;
    gore.Line(single(equatorX), single(g.H / 2 + 0.5 * g.fullWidth), single(equatorX),
              single(g.H / 2 - 0.5 * g.fullWidth));

    for (const Offset& step : plan.equalLatitude) {
        circleAt(gore, equatorX + step.dx, g.H / 2 + step.dy, kLineDotRadius);
        circleAt(gore, equatorX - step.dx, g.H / 2 + step.dy, kLineDotRadius);
    }
}

} // namespace gore
