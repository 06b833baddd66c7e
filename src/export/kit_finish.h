#pragma once

#include "export/export_options.h"
#include "kit/kit_style.h"
#include "text/input_error.h"

namespace exporter {

/// Largest room kept round a piece, centimetres.
inline constexpr double kMaxBleed = 1.0;

/// How the templates of one export are finished: as the window draws them, or as pieces of a kit.
struct KitFinish
{
    kit::KitStyle style;     ///< pieces and their tab width, cm
    bool wholeGores = false; ///< each gore pole to pole in one piece
    double bleed = 0.0;      ///< room kept round each piece on its template, cm
};

/// The finish `o` asks for in `format`: pieces of a kit for svg and pdf, the window's drawing for
/// bmp. Throws text::InputError naming --tab-width or --bleed for a value that is no number, is
/// negative or 0 (a tab), or is beyond kMaxBleed (the bleed).
KitFinish kitFinish(const KitOptions& o, Format format);

/// Refuses tabs of `finish` wider than `pieceWidth` cm, the narrowest width of the pieces they
/// go on, described by `pieces` ("the gores (27.5 mm wide at the equator)"): naming --tab-width
/// when it was given, else the input `size` (option `sizeOption` typed as `sizeTyped`) that made
/// the pieces so small; a window names that box and asks for a larger value or no tabs.
void checkTabWidth(const KitFinish& finish, const KitOptions& o, double pieceWidth, const text::Message& pieces,
                   text::Input size, const std::string& sizeOption, const std::string& sizeTyped);

} // namespace exporter
