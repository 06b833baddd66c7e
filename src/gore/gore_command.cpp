#include "gore/gore_command.h"

#include "gore/gore_draw.h"
#include "gore/gore_parameters.h"
#include "stars/star_file_cache.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <new>

namespace gore {

std::optional<GoreMessage> runGoreDraw(const GoreSpec& entered, const std::string& starFileName,
                                       GoreWindows& windows)
{
    try {
        const GoreParameters p = readGoreParameters(entered);
        if (auto message = validateGoreParameters(p))
            return message;
        checkGoreDrawable(p, entered.decimalSeparator);
        // Everything that can fail is done before the first window is touched.
        // A star file drawn again unchanged is not read again.
        const auto catalogue = stars::ReadStarFileCached(starFileName);
        GoreDrawPlan plan = planGoreDraw(p, *catalogue, starFileName);
        plan.sky = windows.skyLayers();
        drawGore(plan, windows, entered.decimalSeparator);
    } catch (const text::InputError& e) {
        return GoreMessage{e.what(), "Tessel", e};
    } catch (const std::bad_alloc&) {
        const text::InputError e{text::Message(text::MessageId::GoreOutOfMemory)};
        return GoreMessage{e.what(), "Tessel", e};
    }
    return std::nullopt;
}

std::optional<std::string> stepGorePosition(const std::string& text2, int step, char decimalSeparator)
{
    const auto k = text::parseDouble(text2, decimalSeparator);
    if (!k)
        return std::nullopt;
    return text::formatGeneral(*k + step, decimalSeparator);
}

std::string goreFileStem(const GoreTexts& t, const std::string& piece)
{
    return "N" + t.n + "_K" + t.k + "_" + piece + "_Vb" + t.faintest + "_Sr" + t.ratio + "_Ss" + t.magnification + "_"
           + t.radius + "cm";
}

std::string goreHalfPiece(int hemisphere) { return "NS" + std::to_string(hemisphere); }

std::string goreBitmapName(const GoreSpec& entered) { return goreFileStem(entered, goreHalfPiece(entered.hemisphere)) + ".bmp"; }

} // namespace gore
