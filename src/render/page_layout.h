#pragma once

#include <optional>
#include <string>
#include <vector>

namespace exporter {

/// A sheet of paper in portrait orientation, centimetres.
struct PaperSize
{
    std::string name;
    double width = 0.0, height = 0.0;
};

/// The sheets offered: a4, a3, letter. No value for an unknown name.
std::optional<PaperSize> paperNamed(const std::string& name);

/// Blank border kept on every side of a sheet, centimetres: the marks stay at least half of it
/// inside the paper's edge, where every printer prints.
inline constexpr double kPageMargin = 1.0;
/// Side of the calibration square printed on every sheet, centimetres.
inline constexpr double kCalibrationSide = 5.0;
/// Strip below the drawing for the calibration square, the page label and the scale bar,
/// centimetres (margin included): the square, and room for the crop marks above it.
inline constexpr double kPageFooter = kPageMargin + kCalibrationSide + 0.6;
/// Strip that neighbouring tiles share, centimetres.
inline constexpr double kTileOverlap = 1.0;
/// Length of the scale bar, centimetres.
inline constexpr double kScaleBarLength = 10.0;

/// The part of a template one page shows, in template centimetres.
struct Tile
{
    int row = 0, column = 0; ///< from 0, rows downward, columns to the right
    double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
};

/// How one template is laid out on pages of one size.
struct PageLayout
{
    double pageWidth = 0.0, pageHeight = 0.0;   ///< sheet as printed, centimetres
    double contentLeft = 0.0, contentTop = 0.0; ///< where the tile's top-left corner lands
    double contentWidth = 0.0, contentHeight = 0.0;
    bool tiled = false; ///< pages carry crop marks, label and scale bar
    int rows = 1, columns = 1;
    std::vector<Tile> tiles; ///< row by row
};

/// Pages for a `width` × `height` cm template: one page of its own size without `paper`;
/// with it, as many sheets as needed, portrait or landscape (whichever takes fewer sheets,
/// portrait on a tie), neighbouring tiles overlapping by kTileOverlap.
PageLayout layoutPages(double width, double height, const std::optional<PaperSize>& paper);

} // namespace exporter
