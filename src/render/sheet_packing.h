#pragma once

#include <vector>

namespace exporter {

/// A rectangle to place on a sheet, cm.
struct PackSize
{
    double width = 0.0, height = 0.0;
};

/// Where one rectangle went: its sheet from 0, its top-left corner in the sheet's free area (cm),
/// and whether it was turned a quarter.
struct Placement
{
    int sheet = 0;
    double x = 0.0, y = 0.0;
    bool turned = false; ///< width and height swapped
};

/// Places every rectangle of `sizes` on as few `width` × `height` cm areas as it can, `gap` cm
/// apart, turning one a quarter where that fits it better: largest first, each where it leaves
/// the least room along its shorter side (maximal free rectangles). A rectangle larger than the
/// area both ways gets no place. Returns one placement a rectangle, in the order given, and the
/// number of sheets in `sheets`.
std::vector<Placement> packSheets(const std::vector<PackSize>& sizes, double width, double height, double gap,
                                  int& sheets);

/// Whether `size` fits a `width` × `height` area, turned or not.
bool fitsSheet(PackSize size, double width, double height);

} // namespace exporter
