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
        const std::string why = std::isinf(power) ? "is too large to compute" : "has no real value";
        throw text::InputError("公比 (common ratio) " + text::formatGeneral(commonRatio) + ": raised to the power "
                               + text::formatGeneral(d) + " (faintest magnitude minus the star's magnitude) it "
                               + why + ".");
    }
    const double s = std::sqrt(power);
    return (magnification / 10.0) * (s / 80.0);
}

} // namespace stars
