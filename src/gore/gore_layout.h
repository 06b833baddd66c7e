#pragma once

#include "gore/gore_parameters.h"

namespace gore {

/// Fixed values of one gore drawing, derived once per Draw. Lengths in centimetres,
/// longitudes in degrees. The gore lies on its side: x along the central meridian
/// towards the north pole, y across it, larger longitudes below the centre line.
struct GoreLayout
{
    double R = 0.0;               ///< sphere radius
    double requestedWidth = 0.0;  ///< R·π/2 + 2
    double requestedHeight = 0.0; ///< 2·tan(π/n)·R + 2
    double fullWidth = 0.0;       ///< R·2·tan(π/n), the gore's width at the equator
    double windowStart = 0.0;     ///< 360/n·(k−1), first longitude of gore k
    double windowEnd = 0.0;       ///< 360/n·k, last longitude of gore k
    double centralLongitude = 0.0; ///< λc = 360/n·(k−1) + 180/n
    double W = 0.0, H = 0.0;      ///< canvas size as the canvas reports it after sizing
    double starEquatorX = 0.0;    ///< where stars count their latitude from: 2 (north), W − 2 (south)
    double outlineStartX = 0.0;   ///< x0: 2 − R·π/2 (north), (W − 2) − R·π/2 (south), 0 otherwise
    double equatorX = 0.0;        ///< E = x0 + R·π/2, where the equator line stands
};

/// The layout of gore k of n before the canvas is sized (W, H, E and x0 still 0).
GoreLayout makeGoreLayout(const GoreParameters& p);

/// `layout` completed with the canvas size read back, `W` × `H` centimetres.
GoreLayout placeOnCanvas(GoreLayout layout, int hemisphere, double W, double H);

/// Width in cm of a template that holds the gore pole to pole: R·π + 2.
double wholeGoreWidth(const GoreLayout& layout);

/// `layout` completed for a gore drawn pole to pole on a `W` × `H` template: the equator
/// across the middle (E = W/2), stars counted from it, the outline from the south pole.
GoreLayout placeWholeOnCanvas(GoreLayout layout, double W, double H);

} // namespace gore
