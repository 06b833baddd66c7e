#pragma once

#include "canvas/drawing_canvas.h"
#include "gore/gore_spec.h"
#include "sky/sky_data.h"
#include "text/input_error.h"

#include <optional>
#include <string>

namespace gore {

/// The Draw's own checks of n and k, which the window answers with the original's fixed texts.
enum class GoreCheck {
    NoGores,             ///< n < 1
    PositionBeyondCount, ///< n < k
    PositionBelowOne,    ///< k < 1: a set of templates has no such gore (the window draws it)
};

/// The texts the gore window shows beside its drawing, as the original words them.
struct GoreLabels
{
    std::string gores;      ///< "n = 8"
    std::string position;   ///< "k = 1"
    std::string faintest;   ///< "最微等級 = 8.5"
    std::string hemisphere; ///< "北" or "南"
    std::string starSize;   ///< "恒星サイズ：公比=2.5 ,倍率=10"
};

/// A message box the window shows: title "Tessel", critical icon, OK only.
struct GoreMessage
{
    std::string prompt;           ///< the program's fixed text, or the refusal's what()
    std::string title = "Tessel";
    /// The refusal behind the message, for a window that words it in its own language.
    std::optional<text::InputError> refusal = std::nullopt;
    /// The check of n or k that failed, for a window that shows the fixed text of that check.
    std::optional<GoreCheck> check = std::nullopt;
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
std::optional<GoreMessage> runGoreDraw(const GoreSpec& entered, const std::string& starFileName,
                                       GoreWindows& windows);

/// k+1 / k−1: the new text of the gore-position box, `step` added; no value when the
/// text is not a number (the box is then left unchanged).
std::optional<std::string> stepGorePosition(const std::string& text2, int step, char decimalSeparator = '.');

/// Bitmap file name of the gore, from the texts as typed:
/// "N" n "_K" k "_NS" hemisphere "_Vb" … "cm.bmp" (N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp by default).
std::string goreBitmapName(const GoreSpec& entered);

} // namespace gore
