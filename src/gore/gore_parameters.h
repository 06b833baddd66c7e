#pragma once

#include "canvas/drawing_canvas.h"
#include "gore/gore_command.h"
#include "gore/gore_spec.h"
#include "text/input_error.h"

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

/// One number box of the gore tab, described once: the window's reading, the command line's
/// option and its inverse, and the globe dialog all derive from this.
struct GoreTextField
{
    text::Input input;                              ///< what a refusal of it is about
    const char* caption;                            ///< the box's caption in the core's messages
    const char* option;                             ///< its command-line option
    std::string GoreTexts::*text;                   ///< its text as typed
    std::int16_t GoreParameters::*whole = nullptr;  ///< read as a whole number (ties to even) into this,
    double GoreParameters::*number = nullptr;       ///< or as a number into this
};

/// The gore tab's number boxes in the order the Draw reads them (the default of each is GoreTexts's).
inline const GoreTextField kGoreTextFields[] = {
    {text::Input::GoreCount, kFieldN, "--n", &GoreTexts::n, &GoreParameters::n},
    {text::Input::GorePosition, kFieldK, "--k", &GoreTexts::k, &GoreParameters::k},
    {text::Input::FaintestMagnitude, kFieldFaintestMagnitude, "--faintest", &GoreTexts::faintest, nullptr,
     &GoreParameters::faintestMagnitude},
    {text::Input::CommonRatio, kFieldCommonRatio, "--ratio", &GoreTexts::ratio, nullptr, &GoreParameters::commonRatio},
    {text::Input::Magnification, kFieldMagnification, "--magnification", &GoreTexts::magnification, nullptr,
     &GoreParameters::magnification},
    {text::Input::SphereRadius, kFieldSphereRadius, "--radius", &GoreTexts::radius, nullptr,
     &GoreParameters::sphereRadius},
    {text::Input::LineLatitude, kFieldLineLatitude, "--line-latitude", &GoreTexts::lineLatitude, nullptr,
     &GoreParameters::lineLatitude},
    {text::Input::PlateBoundary, kFieldPlateBoundary, "--boundary", &GoreTexts::boundary, nullptr,
     &GoreParameters::plateBoundary},
};

/// One on/off choice of the gore tab, described once.
struct GoreSwitchField
{
    const char* option;           ///< its command-line option, spelt on|off
    bool GoreSwitches::*on;       ///< the choice
    bool GoreParameters::*value;  ///< where the Draw reads it
};

/// The gore tab's on/off choices.
inline const GoreSwitchField kGoreSwitchFields[] = {
    {"--epsilon", &GoreSwitches::epsilon, &GoreParameters::epsilonCorrection},
    {"--line", &GoreSwitches::line, &GoreParameters::equalLatitudeLine},
};

/// The field of `input`; none when no box of the gore tab stands for it.
const GoreTextField* goreTextField(text::Input input);

/// Reads `entered` in the Draw's fixed order (n, k, faintest magnitude, the choices, ratio,
/// magnification, radius, line latitude, the plates, boundary). Throws text::InputError naming
/// the first box whose text is not a number or, for n and k, lies outside −32768…32767 after
/// rounding half to even.
GoreParameters readGoreParameters(const GoreSpec& entered);

/// The two checks the Draw makes of n and k, in order: n < 1, then n < k.
/// Returns the message box to show (the window's fixed text, its check and its refusal), or no
/// value when both pass.
std::optional<GoreMessage> validateGoreParameters(const GoreParameters& p);

/// The refusal of a failed check of n or k, naming n or k, with its reason in both languages
/// (the Japanese is the window's fixed text of the check).
text::InputError goreCheckRefusal(GoreCheck check, const GoreParameters& p);

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
