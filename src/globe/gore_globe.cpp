#include "globe/gore_globe.h"

#include "globe/piece_outline.h"
#include "globe/sky_globe.h"
#include "gore/gore_layout.h"
#include "gore/polar_plate.h"
#include "stars/star_size_rule.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <string>
#include <vector>

namespace globe {

GlobeModel goreGlobe(const stars::StarCatalogue& catalogue, const gore::GoreParameters& p, const GoreCut& cut,
                     const sky::SkyRequest& sky)
{
    gore::checkGoreDrawable(p); // n of 1 or 2, R ≤ 0, B ≤ 0: no globe to show either
    gore::checkKitPlateBoundary(p);
    const bool north = p.northPlate, south = p.southPlate == 1;
    GlobeModel model;
    model.stars.reserve(catalogue.stars.size());
    for (const stars::Star& s : catalogue.stars) {
        const auto radius = stars::StarSizeRule(p.faintestMagnitude, p.commonRatio, p.magnification, s.Vmag);
        if (!radius || !(*radius > 0.0))
            continue;
        model.stars.push_back({sky::toVector({s.Lambda, s.Phi}), *radius / p.sphereRadius, s.Vmag});
    }

    // Each piece's cut outline where it lands once glued: back through the piece's own projection.
    // The kit's pieces tile the sky, so neighbouring outlines land on one line.
    gore::GoreDrawPlan plan;
    plan.params = p;
    plan.tiling = gore::makeGoreTiling(p, cut.wholeGores);
    plan.plate = gore::kitPlateLayout(p, *plan.tiling);
    for (int k = 1; k <= p.n; ++k) {
        plan.params.k = static_cast<std::int16_t>(k);
        plan.layout = gore::makeGoreLayout(plan.params);
        for (const int hemisphere : cut.wholeGores ? std::vector<int>{1} : std::vector<int>{1, 0}) {
            plan.params.hemisphere = hemisphere;
            const std::string name = "gore " + gore::goreLabel(plan.params, plan.layout, cut.wholeGores);
            model.lines.push_back({LineKind::GoreOutline, name, goreOutlineOnSphere(plan, cut.wholeGores)});
        }
    }
    if (north)
        model.lines.push_back({LineKind::PlateOutline, "plate N", plateOutlineOnSphere(plan, false)});
    if (south)
        model.lines.push_back({LineKind::PlateOutline, "plate S", plateOutlineOnSphere(plan, true)});
    appendSkyLines(model, sky);
    return model;
}

} // namespace globe
