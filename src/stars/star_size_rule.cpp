#include "stars/star_size_rule.h"

#include "text/input_error.h"
#include "text/number_text.h"

#include <cmath>

namespace stars {

std::optional<double> StarSizeRule(double faintestMagnitude, double commonRatio, double magnification,
                                   double Vmag)
{
    const double d = faintestMagnitude - Vmag;
    if (!(d > 0.0))
        return std::nullopt;
    const double power = std::pow(commonRatio, d);
    if (!std::isfinite(power) || power < 0.0) {
        const std::string exponent = text::formatGeneral(d), ratio = text::formatGeneral(commonRatio);
        const text::Message reason(
            std::isinf(power) ? text::MessageId::RatioPowerTooLarge : text::MessageId::RatioPowerNotReal,
            {exponent, ratio});
        // A ratio that stays computable over a sky's worth of magnitudes is not at fault:
        // the faintest magnitude lies absurdly far beyond the stars.
        constexpr double kSkyMagnitudes = 30.0;
        if (std::isinf(power) && std::isfinite(std::pow(commonRatio, kSkyMagnitudes))) {
            // Nor is a faintest magnitude that stays computable down to the brightest magnitude a
            // sky can hold: the star itself is brighter than any, a fault of the star file.
            if (std::isfinite(std::pow(commonRatio, faintestMagnitude + kSkyMagnitudes))) {
                const std::string magnitude = text::formatGeneral(Vmag), brightest = text::formatGeneral(-kSkyMagnitudes);
                const text::Message star(text::MessageId::StarTooBright, {magnitude, brightest});
                throw text::InputError(text::Input::StarFile, magnitude, star, star);
            }
            text::refuse(text::Input::FaintestMagnitude, "最微等級", text::formatGeneral(faintestMagnitude), reason);
        }
        text::refuse(text::Input::CommonRatio, "公比", text::formatGeneral(commonRatio), reason);
    }
    const double s = std::sqrt(power);
    return (magnification / 10.0) * (s / 80.0);
}

} // namespace stars
