#include "canvas/drawing_canvas.h"

#include <cmath>

namespace canvas {

double centimetresToPixels(double cm) { return cm / 2.54 * kDotsPerInch; }

int sidePixels(float cm)
{
    const double px = std::round(centimetresToPixels(cm));
    if (!(px > 0.0))
        return 0;
    return static_cast<int>(px);
}

float snapSide(float cm) { return static_cast<float>(sidePixels(cm) * 2.54 / kDotsPerInch); }

} // namespace canvas
