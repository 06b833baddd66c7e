#include "stars/star_colour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace stars {

namespace {

/// One lobe of the CIE 1931 fit: a Gaussian with different widths below and above its peak.
double lobe(double nm, double peak, double below, double above)
{
    const double t = (nm - peak) / (nm < peak ? below : above);
    return std::exp(-0.5 * t * t);
}

/// Linear sRGB channel to its 8-bit encoded value.
int encoded(double linear)
{
    linear = std::clamp(linear, 0.0, 1.0);
    const double v = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::lround(v * 255.0));
}

std::array<Srgb, kColourTableRows> makeTable()
{
    std::array<Srgb, kColourTableRows> table;
    for (int i = 0; i < kColourTableRows; ++i)
        table[static_cast<std::size_t>(i)] = blackBodyColour(colourTemperature(kColourTableFirst + i * kColourTableStep));
    return table;
}

} // namespace

double colourTemperature(double bv)
{
    return 4600.0 * (1.0 / (0.92 * bv + 1.7) + 1.0 / (0.92 * bv + 0.62));
}

Srgb blackBodyColour(double kelvin)
{
    constexpr double kC2 = 1.4388e7; // second radiation constant, nm·K
    double x = 0.0, y = 0.0, z = 0.0;
    for (double nm = 380.0; nm <= 780.0; nm += 5.0) {
        const double radiance = std::pow(nm, -5.0) / std::expm1(kC2 / (nm * kelvin));
        x += radiance * (1.056 * lobe(nm, 599.8, 37.9, 31.0) + 0.362 * lobe(nm, 442.0, 16.0, 26.7)
                         - 0.065 * lobe(nm, 501.1, 20.4, 26.2));
        y += radiance * (0.821 * lobe(nm, 568.8, 46.9, 40.5) + 0.286 * lobe(nm, 530.9, 16.3, 31.1));
        z += radiance * (1.217 * lobe(nm, 437.0, 11.8, 36.0) + 0.681 * lobe(nm, 459.0, 26.0, 13.8));
    }
    const double r = 3.2406 * x - 1.5372 * y - 0.4986 * z;
    const double g = -0.9689 * x + 1.8758 * y + 0.0415 * z;
    const double b = 0.0557 * x - 0.2040 * y + 1.0570 * z;
    const double top = std::max({r, g, b});
    return {encoded(r / top), encoded(g / top), encoded(b / top)};
}

int starColourRow(double bv)
{
    const double row = std::round((bv - kColourTableFirst) / kColourTableStep);
    return static_cast<int>(std::clamp(row, 0.0, static_cast<double>(kColourTableRows - 1)));
}

Srgb starColourAt(int row)
{
    static const std::array<Srgb, kColourTableRows> table = makeTable();
    return table[static_cast<std::size_t>(std::clamp(row, 0, kColourTableRows - 1))];
}

Srgb starColour(double bv) { return starColourAt(starColourRow(bv)); }

} // namespace stars
