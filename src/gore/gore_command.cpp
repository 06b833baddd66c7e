#include "gore/gore_command.h"

#include "gore/gore_draw.h"
#include "gore/gore_parameters.h"
#include "stars/star_file_cache.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <new>

namespace gore {

std::optional<GoreMessage> runGoreDraw(const GoreInputs& inputs, const std::string& starFileName,
                                       GoreWindows& windows)
{
    try {
        const GoreParameters p = readGoreParameters(inputs);
        if (auto message = validateGoreParameters(p))
            return message;
        checkGoreDrawable(p, inputs.decimalSeparator);
        // Everything that can fail is done before the first window is touched.
        // A star file drawn again unchanged is not read again.
        const auto catalogue = stars::ReadStarFileCached(starFileName);
        GoreDrawPlan plan = planGoreDraw(p, *catalogue, starFileName);
        plan.sky = windows.skyLayers();
        drawGore(plan, windows, inputs.decimalSeparator);
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

std::string goreBitmapName(const GoreInputs& in)
{
    return "N" + in.Text1 + "_K" + in.Text2 + "_NS" + std::to_string(in.Check1) + "_Vb" + in.Text3 + "_Sr" + in.Text4
           + "_Ss" + in.Text5 + "_" + in.Text6 + "cm" + ".bmp";
}

} // namespace gore
