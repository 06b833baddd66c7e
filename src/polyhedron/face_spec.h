#pragma once

#include "text/input_error.h"

#include <optional>
#include <string>

namespace polyhedron {

/// The polyhedron tab's boxes that the command line has too, by meaning, as typed (the user's
/// decimal point). Defaults are the window's start texts.
struct FaceTexts
{
    std::string radius = "10";        ///< sphere radius, cm
    std::string range = "30";         ///< projection range, degrees
    std::string ratio = "2.5";        ///< common ratio of the dot size
    std::string magnification = "10"; ///< magnification of the dot size
    std::string faintest = "7.0";     ///< faintest magnitude
    std::string face = "1";           ///< the face drawn
};

/// A face's centre, degrees, carried as read from the face file.
struct FaceCentre
{
    double latitude = 0.0;
    double longitude = 0.0;
};

/// Everything one face Draw reads, by meaning: the texts as typed, the choices as values.
struct FaceSpec : FaceTexts
{
    std::string latitude = "0";       ///< tangent-point latitude as typed, degrees
    std::string longitude = "90";     ///< tangent-point longitude as typed, degrees
    std::optional<FaceCentre> centre; ///< when given, the tangent point; the two texts above are then not read
    int insideView = 1;               ///< 1 seen from inside, 0 from outside (2, grayed, counts as inside)
    bool outline = false;             ///< the corner layer is drawn (corners or edges asked for)
    bool corners = false;             ///< red corner marks
    bool edges = false;               ///< red edges
    bool svg = false;                 ///< the face SVG file is written too
    char decimalSeparator = '.';      ///< the decimal point the texts were typed with, and the magnitude-1 dot's label's
};

/// One box of the polyhedron tab that the command line has too, described once: the command
/// line's option and its inverse and the globe dialog derive from this.
struct FaceTextField
{
    text::Input input;            ///< what a refusal of it is about
    const char* caption;          ///< the box's caption in the core's messages
    const char* option;           ///< its command-line option
    std::string FaceTexts::*text; ///< its text as typed
};

inline constexpr const char* kFieldLatitude = "緯度φ0";
inline constexpr const char* kFieldLongitude = "経度λ0";

/// The boxes in the tab's order (the default of each is FaceTexts's).
inline const FaceTextField kFaceTextFields[] = {
    {text::Input::SphereRadius, "恒星球半径", "--radius", &FaceTexts::radius},
    {text::Input::ProjectionRange, "投影範囲", "--range", &FaceTexts::range},
    {text::Input::CommonRatio, "公比", "--ratio", &FaceTexts::ratio},
    {text::Input::Magnification, "倍率", "--magnification", &FaceTexts::magnification},
    {text::Input::FaintestMagnitude, "細微等級", "--faintest", &FaceTexts::faintest},
    {text::Input::FaceNumber, "面番号", "--face", &FaceTexts::face},
};

/// The field of `input`; none when no box of the table stands for it.
inline const FaceTextField* faceTextField(text::Input input)
{
    for (const FaceTextField& f : kFaceTextFields)
        if (f.input == input)
            return &f;
    return nullptr;
}

/// The caption of the box of `input` in the core's messages (it must have one).
inline const char* faceCaption(text::Input input) { return faceTextField(input)->caption; }

} // namespace polyhedron
