#pragma once

#include "canvas/drawing_canvas.h"
#include "sky/sky_data.h"
#include "text/input_error.h"

#include <optional>
#include <string>

namespace gore {

/// The gore tab as the user left it: texts exactly as typed, check states 0, 1 or 2.
struct GoreInputs
{
    std::string Text1 = "8";   ///< 分割数 n (number of gores)
    std::string Text2 = "1";   ///< 位置 k (the gore drawn, 1…n)
    std::string Text3 = "8.5"; ///< 最微等級 (faintest magnitude)
    int Check1 = 1;            ///< 北半球ならチェック (northern half; 1 north, 0 south)
    int Check2 = 1;            ///< ε補正を行う (epsilon correction of latitudes)
    int Check3 = 0;            ///< 等緯度線を描く (draw the equal-latitude line)
    std::string Text4 = "2.5"; ///< 公比 (common ratio of the star size)
    std::string Text5 = "10";  ///< 倍率 (magnification of the star size)
    std::string Text6 = "13";  ///< 恒星球半径 (sphere radius), cm
    std::string Text7 = "70";  ///< 等緯度線を描く [deg] (latitude of the equal-latitude line), degrees
    int Check4 = 0;            ///< 北半球 in the plate frame (north polar plate)
    int Check5 = 0;            ///< 南半球 in the plate frame (south polar plate): 1 moves the southern cap's stars onto it
    std::string Text8 = "70";  ///< 境界緯度 (plate boundary latitude), degrees
    char decimalSeparator = '.'; ///< the user's locale decimal point
};

/// Texts of Label1…Label5 of the gore window.
struct GoreLabels
{
    std::string Label1, Label2, Label3, Label4, Label5;
};

/// A message box the window shows: title "Tessel", critical icon, OK only.
struct GoreMessage
{
    std::string prompt;           ///< the program's fixed text, or the refusal's what()
    std::string title = "Tessel";
    /// The refusal behind the message, for a window that words it in its own language; none
    /// for the fixed texts of the n and k checks.
    std::optional<text::InputError> refusal = std::nullopt;
};

/// What the gore Draw needs of its windows; the main window implements it.
class GoreWindows
{
public:
    virtual ~GoreWindows() = default;
    /// Canvas of the gore window, opening the window hidden when it is not open.
    virtual canvas::DrawingCanvas& goreCanvas() = 0;
    /// Writes the five summary labels of the gore window.
    virtual void setGoreLabels(const GoreLabels& labels) = 0;
    /// Shows the gore window.
    virtual void showGoreWindow() = 0;
    /// Canvas of the polar plate window, opening the window hidden when it is not open.
    virtual canvas::DrawingCanvas& plateCanvas() = 0;
    /// Shows the polar plate window.
    virtual void showPlateWindow() = 0;
    /// Canvas of the southern polar plate window, opening the window hidden when it is not open.
    virtual canvas::DrawingCanvas& southPlateCanvas() = 0;
    /// Shows the southern polar plate window.
    virtual void showSouthPlateWindow() = 0;
    /// The sky layers to draw under the stars, with their data; none unless the windows ask.
    /// Throws text::InputError naming the file when the data cannot be read.
    virtual sky::SkyRequest skyLayers() { return {}; }
};

/// The gore Draw command: reads and checks the inputs and the star file, then draws
/// gore k of n (and its plate stars) through `windows`. Returns the message to show
/// when it refuses; a refused command touches no window, label or canvas.
std::optional<GoreMessage> runGoreDraw(const GoreInputs& inputs, const std::string& starFileName,
                                       GoreWindows& windows);

/// k+1 / k−1: the new text of the gore-position box, `step` added; no value when the
/// text is not a number (the box is then left unchanged).
std::optional<std::string> stepGorePosition(const std::string& text2, int step, char decimalSeparator = '.');

/// Bitmap file name of the gore, from the texts as typed:
/// "N" n "_K" k "_NS" Check1 "_Vb" … "cm.bmp" (N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp by default).
std::string goreBitmapName(const GoreInputs& inputs);

} // namespace gore
