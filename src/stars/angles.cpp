#include "stars/angles.h"

#include <cmath>

namespace stars {

double ArcCos(double x)
{
    // Outside the open interval the root or the division fails; the result is then 0.
    const double radicand = -x * x + 1.0;
    if (!(radicand > 0.0))
        return 0.0;
    const double root = std::sqrt(radicand);
    return std::atan(-x / root) + 2.0 * std::atan(1.0);
}

} // namespace stars
