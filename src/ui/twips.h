#pragma once

#include <QRect>

namespace ui {

/// A control's place in twips (1/1440 inch): left, top, width, height from its container's corner.
struct TwipsRect
{
    int left = 0, top = 0, width = 0, height = 0;
};

/// Twips in one inch.
inline constexpr double kTwipsPerInch = 1440.0;

/// Logical dots per inch of the primary screen (96 when there is none).
double screenDotsPerInch();

/// Pixels that `twips` make at `dotsPerInch` (15 twips a pixel at 96 dpi), rounded.
int twipsToPixels(int twips, double dotsPerInch);

/// `rect` in pixels at `dotsPerInch`.
QRect twipsToPixels(const TwipsRect& rect, double dotsPerInch);

} // namespace ui
