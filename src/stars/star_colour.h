#pragma once

#include <cstdint>

namespace stars {

/// An sRGB colour, 0…255 a channel.
struct Srgb
{
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Srgb&, const Srgb&) = default;
};

/// Effective temperature in kelvin of a star of colour index `bv` (B−V), by Ballesteros (2012):
/// T = 4600 K · (1 / (0.92 (B−V) + 1.7) + 1 / (0.92 (B−V) + 0.62)). Valid for −0.4 ≤ B−V ≤ 2.0.
double colourTemperature(double bv);

/// The sRGB colour of a black body at `kelvin` (> 0), as the eye sees it against a D65 white:
/// Planck's spectrum 380…780 nm through the CIE 1931 2° observer (the analytic fit of Wyman,
/// Sloan & Shirley 2013), converted to linear sRGB, scaled so that the largest channel is full,
/// negative channels cut to 0, then gamma-encoded.
Srgb blackBodyColour(double kelvin);

/// First B−V of the star colour table, its step and its number of rows.
inline constexpr double kColourTableFirst = -0.4, kColourTableStep = 0.05;
inline constexpr int kColourTableRows = 49; ///< −0.40 to 2.00

/// The row of the star colour table nearest to colour index `bv`, 0…kColourTableRows − 1 (B−V
/// beyond the table takes its end rows).
int starColourRow(double bv);

/// Row `row` (0…kColourTableRows − 1) of the star colour table: the black-body colour of
/// colourTemperature at B−V kColourTableFirst + row · kColourTableStep.
Srgb starColourAt(int row);

/// The colour of a star of colour index `bv`: starColourAt(starColourRow(bv)).
Srgb starColour(double bv);

} // namespace stars
