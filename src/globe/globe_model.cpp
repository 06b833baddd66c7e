#include "globe/globe_model.h"

#include <algorithm>
#include <cmath>

namespace globe {

std::vector<sky::Vector3> sampleOnSphere(const sky::SkyCurve& curve, double maxStepDeg)
{
    // A curve's steps are about 1° of arc: that many over the largest step stay within it.
    const int steps = std::max(1, static_cast<int>(std::ceil(curve.steps / maxStepDeg)));
    std::vector<sky::Vector3> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i)
        points.push_back(sky::toVector(curve.at(static_cast<double>(i) / steps)));
    return points;
}

int countLines(const GlobeModel& model, LineKind kind)
{
    return static_cast<int>(
        std::count_if(model.lines.begin(), model.lines.end(), [kind](const GlobeLine& l) { return l.kind == kind; }));
}

} // namespace globe
