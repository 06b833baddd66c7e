#pragma once

#include "globe/globe_model.h"
#include "gore/gore_draw.h"
#include "gore/gore_outline.h"
#include "gore/gore_tiling.h"
#include "sky/sky_point.h"

#include <optional>
#include <vector>

namespace globe {

/// Where the point `at` (cm) of the template of gore `piece` lands on the unit sphere once glued:
/// back through the gore's own projection, with the ε correction when `epsilonCorrection` says so.
sky::Vector3 goreTemplatePointOnSphere(const gore::GorePiece& piece, bool epsilonCorrection, scene::Point at);

/// Where the point `at` (cm) of a plate template of `width` × `height` cm (pole at its centre) lands
/// on the unit sphere once glued: back through the northern plate's projection, or the southern's
/// (a kit's plate map when `tiling` is given).
sky::Vector3 plateTemplatePointOnSphere(const gore::PlateLayout& plate, bool south, double width, double height,
                                        scene::Point at, const std::optional<gore::GoreTiling>& tiling = {});

/// The cut outline of gore k of `plan` (its northern or southern half by plan.params.hemisphere,
/// or pole to pole with `whole`) as it lands on the unit sphere: a closed line, first point
/// repeated last, every corner kept, at most kOutlineStepDeg between neighbours.
std::vector<sky::Vector3> goreOutlineOnSphere(const gore::GoreDrawPlan& plan, bool whole);

/// The plate's cut n-gon as it lands on the unit sphere, northern or `south`ern: closed as above,
/// starting at corner 0 (λ 0°); its sides are great-circle arcs, since the plate is a gnomonic map
/// (the plate cut of plan.tiling, where the gores' straight tops land, for a kit's plate).
std::vector<sky::Vector3> plateOutlineOnSphere(const gore::GoreDrawPlan& plan, bool south);

} // namespace globe
