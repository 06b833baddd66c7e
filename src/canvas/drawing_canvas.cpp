#include "canvas/drawing_canvas.h"

#include <cmath>
#include <limits>

namespace canvas {

double centimetresToPixels(double cm) { return cm / 2.54 * kDotsPerInch; }

int sidePixels(float cm)
{
    const double px = std::round(centimetresToPixels(cm));
    if (!(px > 0.0))
        return 0;
    // Beyond int the conversion is undefined; the canvas refuses such a size anyway.
    if (px >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(px);
}

float snapSide(float cm) { return static_cast<float>(sidePixels(cm) * 2.54 / kDotsPerInch); }

} // namespace canvas
