#pragma once

#include <string>

namespace gore {

/// The gore tab's number boxes by meaning, as typed (the user's decimal point). Defaults are
/// the window's start texts.
struct GoreTexts
{
    std::string n = "8";             ///< number of gores
    std::string k = "1";             ///< the gore drawn, 1…n
    std::string faintest = "8.5";    ///< faintest magnitude
    std::string ratio = "2.5";       ///< common ratio of the star size rule
    std::string magnification = "10"; ///< magnification of the star size rule
    std::string radius = "13";       ///< sphere radius, cm
    std::string lineLatitude = "70"; ///< latitude of the equal-latitude line, degrees
    std::string boundary = "70";     ///< boundary latitude of the polar plates, degrees
};

/// The gore tab's on/off choices that the command line spells as on|off.
struct GoreSwitches
{
    bool epsilon = true; ///< latitudes moved by the epsilon correction
    bool line = false;   ///< draw the line of equal latitude
};

/// Everything one gore Draw reads, by meaning: the texts as typed, the choices as values.
struct GoreSpec : GoreTexts, GoreSwitches
{
    int hemisphere = 1;          ///< 1 north, 0 south, anything else draws no gore stars
    bool northPlate = false;     ///< prepare (size, show, clear) the north polar plate
    int southPlate = 0;          ///< 1: the southern cap's stars go to the southern plate
    char decimalSeparator = '.'; ///< the decimal point the texts were typed with
};

/// File name of a gore template without extension, from the texts as typed:
/// "N" n "_K" k "_" piece "_Vb" faintest "_Sr" ratio "_Ss" magnification "_" radius "cm",
/// `piece` one of "NS1", "NS0", "Whole", "PlateN", "PlateS".
std::string goreFileStem(const GoreTexts& texts, const std::string& piece);

/// The piece name of a gore half in its file name: "NS1" north, "NS0" south ("NS" and the hemisphere).
std::string goreHalfPiece(int hemisphere);

} // namespace gore
