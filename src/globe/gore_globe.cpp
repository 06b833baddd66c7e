#include "globe/gore_globe.h"

#include "globe/sky_globe.h"
#include "stars/star_size_rule.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <string>

namespace globe {

GlobeModel goreGlobe(const stars::StarCatalogue& catalogue, const gore::GoreParameters& p, const GoreCut& cut,
                     const sky::SkyRequest& sky)
{
    gore::checkGoreDrawable(p); // n of 1 or 2, R ≤ 0, B ≤ 0: no globe to show either
    const bool north = p.northPlate, south = p.southPlate == 1;
    if ((north || south) && !(p.plateBoundary < 90.0)) {
        const std::string b = text::formatGeneral(p.plateBoundary);
        text::refuse(text::Input::PlateBoundary, gore::kFieldPlateBoundary, b,
                     {b + "° leaves no room for a polar plate; please type a boundary latitude below 90°.",
                      b + "° では極板がありません。90° より小さい境界緯度を入力してください。"});
    }
    GlobeModel model;
    model.stars.reserve(catalogue.stars.size());
    for (const stars::Star& s : catalogue.stars) {
        const auto radius = stars::StarSizeRule(p.faintestMagnitude, p.commonRatio, p.magnification, s.Vmag);
        if (!radius || !(*radius > 0.0))
            continue;
        model.stars.push_back({sky::toVector({s.Lambda, s.Phi}), *radius / p.sphereRadius, s.Vmag});
    }

    const double top = north ? p.plateBoundary : 90.0, bottom = south ? -p.plateBoundary : -90.0;
    for (int j = 0; j < p.n; ++j) {
        const double lambda = 360.0 * j / p.n;
        model.lines.push_back({LineKind::GoreSeam, "seam " + std::to_string(j + 1),
                               sampleOnSphere(sky::meridianArc(lambda, bottom, top))});
    }
    if (!cut.wholeGores)
        model.lines.push_back({LineKind::EquatorSeam, "equator", sampleOnSphere(sky::parallelArc(0.0, 0.0, 360.0))});
    if (north)
        model.lines.push_back({LineKind::PlateCircle, "plate +" + text::formatGeneral(p.plateBoundary) + "°",
                               sampleOnSphere(sky::parallelArc(p.plateBoundary, 0.0, 360.0))});
    if (south)
        model.lines.push_back({LineKind::PlateCircle, "plate −" + text::formatGeneral(p.plateBoundary) + "°",
                               sampleOnSphere(sky::parallelArc(-p.plateBoundary, 0.0, 360.0))});
    appendSkyLines(model, sky);
    return model;
}

} // namespace globe
