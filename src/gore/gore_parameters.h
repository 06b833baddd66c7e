#pragma once

#include "canvas/drawing_canvas.h"
#include "gore/gore_command.h"

#include <cstdint>
#include <optional>

namespace gore {

/// Captions that name the gore tab's boxes in the messages of text::InputError; the window
/// names a box by its caption in the interface language instead.
inline constexpr const char* kFieldN = "分割数 n";
inline constexpr const char* kFieldK = "位置 k";
inline constexpr const char* kFieldFaintestMagnitude = "最微等級";
inline constexpr const char* kFieldCommonRatio = "公比";
inline constexpr const char* kFieldMagnification = "倍率";
inline constexpr const char* kFieldSphereRadius = "恒星球半径";
inline constexpr const char* kFieldLineLatitude = "等緯度線を描く [deg]";
inline constexpr const char* kFieldPlateBoundary = "境界緯度";

using canvas::kMaxCanvasSide;

/// Everything one gore Draw reads from the gore tab, converted once.
struct GoreParameters
{
    std::int16_t n = 8;              ///< number of gores around the sphere
    std::int16_t k = 1;              ///< the gore drawn: longitudes 360·(k−1)/n … 360·k/n
    double faintestMagnitude = 8.5;  ///< stars at or above this magnitude are left out
    int hemisphere = 1;              ///< 1 north, 0 south, anything else draws no gore stars
    bool epsilonCorrection = true;   ///< latitudes moved by the epsilon correction
    bool equalLatitudeLine = false;  ///< draw the line of equal latitude
    double commonRatio = 2.5;        ///< common ratio of the star size rule
    double magnification = 10.0;     ///< magnification of the star size rule
    double sphereRadius = 13.0;      ///< R, centimetres
    double lineLatitude = 70.0;      ///< latitude of the equal-latitude line, degrees
    bool northPlate = false;         ///< prepare (size, show, clear) the north polar plate
    int southPlate = 0;              ///< 1: stars with φ′ below −B go to the southern plate (prepared too)
    double plateBoundary = 70.0;     ///< B: boundary latitude of the polar cap plate, degrees
};

/// Reads the gore tab in its fixed order (Text1, Text2, Text3, Check1…3, Text4…7, Check4, Check5, Text8).
/// Throws text::InputError naming the first box whose text is not a number or, for n and k,
/// lies outside −32768…32767 after rounding half to even.
GoreParameters readGoreParameters(const GoreInputs& inputs);

/// The two checks the Draw makes of n and k, in order: n < 1, then n < k.
/// Returns the message box to show, or no value when both pass.
std::optional<GoreMessage> validateGoreParameters(const GoreParameters& p);

/// Refuses, with a text::InputError naming the box, what would give no sound drawing:
/// n of 1 or 2, a radius of 0 or below, a gore or plate canvas beyond kMaxCanvasSide,
/// a plate boundary of 0° or below.
void checkGoreDrawable(const GoreParameters& p, char decimalSeparator = '.');

/// Refuses, with a text::InputError naming the plate boundary, a plate asked for with B at 90°
/// or beyond: a kit's plate is the n-gon the gores' tops make at B, and there is none there.
void checkKitPlateBoundary(const GoreParameters& p);

/// The five summary labels of the gore window, numbers in the general format.
GoreLabels goreLabels(const GoreParameters& p, char decimalSeparator = '.');

} // namespace gore
