#pragma once

namespace kit {

/// Width of a glue tab unless asked otherwise, cm.
inline constexpr double kDefaultTabWidth = 0.7;

/// How a template is finished as a piece of a kit to cut out and glue. The default draws the
/// window's template unchanged.
struct KitStyle
{
    bool pieces = false;   ///< one closed cut outline a piece, piece labels, only the stars on the piece
    double tabWidth = 0.0; ///< glue tabs this wide, cm; 0 leaves them out
};

} // namespace kit
