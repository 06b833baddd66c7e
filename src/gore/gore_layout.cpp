#include "gore/gore_layout.h"

#include "stars/angles.h"

#include <cmath>

namespace gore {

using stars::PiValue;

GoreLayout makeGoreLayout(const GoreParameters& p)
{
    const double R = p.sphereRadius;
    const double n = p.n;
    GoreLayout g;
    g.R = R;
    g.requestedWidth = R * PiValue / 2 + 2;
    g.requestedHeight = 2 * std::tan(PiValue / n) * R + 2;
    g.fullWidth = R * 2 * std::tan(PiValue / n);
    g.windowStart = 360.0 / n * (p.k - 1);
    g.windowEnd = 360.0 / n * p.k;
    g.centralLongitude = 360.0 / n * (p.k - 1) + 180.0 / n;
    return g;
}

GoreLayout placeOnCanvas(GoreLayout g, int hemisphere, double W, double H)
{
    g.W = W;
    g.H = H;
    if (hemisphere == 1) {
        g.starEquatorX = 2;
        g.outlineStartX = 2 - g.R * PiValue / 2;
    } else if (hemisphere == 0) {
        g.starEquatorX = W - 2;
        g.outlineStartX = (W - 2) - g.R * PiValue / 2;
    } else {
        g.outlineStartX = 0.0;
    }
    g.equatorX = g.outlineStartX + g.R * PiValue / 2;
    return g;
}

double wholeGoreWidth(const GoreLayout& layout) { return layout.R * PiValue + 2; }

GoreLayout placeWholeOnCanvas(GoreLayout g, double W, double H)
{
    g.W = W;
    g.H = H;
    g.starEquatorX = W / 2;
    g.outlineStartX = W / 2 - g.R * PiValue / 2;
    g.equatorX = g.outlineStartX + g.R * PiValue / 2;
    return g;
}

} // namespace gore
