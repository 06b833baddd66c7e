#include "polyhedron/face_parameters.h"

#include "stars/angles.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <cmath>

namespace polyhedron {

using stars::DegreeFactor;
using text::formatGeneral;
using text::InputError;
using text::toDouble;

FaceParameters readFaceParameters(const FaceInputs& in)
{
    const char sep = in.decimalSeparator;
    FaceParameters p;
    p.phi0 = toDouble(in.Text9, "緯度φ0 (tangent-point latitude)", sep) * DegreeFactor;
    p.lambda0 = toDouble(in.Text10, "経度λ0 (tangent-point longitude)", sep) * DegreeFactor;

    const double rangeDegrees = toDouble(in.Text12, "投影範囲 (projection range)", sep);
    if (!(rangeDegrees > 0.0 && rangeDegrees < 90.0))
        throw InputError("投影範囲 (projection range): \"" + in.Text12
                         + "\" is outside the allowed range; please type an angle above 0 and below 90 degrees.");
    p.projectionRange = rangeDegrees * DegreeFactor;

    p.sphereRadius = toDouble(in.Text11, "恒星球半径 (sphere radius)", sep);
    if (!(p.sphereRadius > 0.0))
        throw InputError("恒星球半径 (sphere radius): \"" + in.Text11 + "\" must be greater than 0 cm.");
    const double side = 2.0 * p.sphereRadius * std::tan(p.projectionRange) + 2.0;
    if (!(side <= kMaxCanvasSide))
        throw InputError("恒星球半径 (sphere radius) " + in.Text11 + " cm with 投影範囲 (projection range) " + in.Text12
                         + " degrees needs a canvas of " + formatGeneral(side, sep) + " cm a side; at most "
                         + formatGeneral(kMaxCanvasSide, sep) + " cm is allowed.");

    p.faintestMagnitude = toDouble(in.Text15, "細微等級 (faintest magnitude)", sep);
    p.commonRatio = toDouble(in.Text13, "公比 (common ratio)", sep);
    p.magnification = toDouble(in.Text14, "倍率 (magnification)", sep);
    if (p.magnification < 0.0)
        throw InputError("倍率 (magnification): \"" + in.Text14 + "\" must not be negative.");
    p.insideView = in.Check6;
    return p;
}

int readFaceNumber(const FaceInputs& in)
{
    return text::toInt32(in.Text16, "面番号 (face number)", in.decimalSeparator);
}

int viewSign(int insideView) { return insideView == 0 ? -1 : 1; }

float canvasSide(const FaceParameters& p)
{
    return static_cast<float>(2.0 * p.sphereRadius * std::tan(p.projectionRange) + 2.0);
}

double faceDotRadius(double M, double commonRatio, double magnification)
{
    return magnification / 800.0 * std::sqrt(std::pow(M, commonRatio));
}

std::optional<std::string> magnitudeOneLabel(const FaceParameters& p, char decimalSeparator)
{
    const double value = std::sqrt(std::pow(p.faintestMagnitude - 1.0, p.commonRatio)) * (p.magnification / 800.0);
    if (!std::isfinite(value))
        return std::nullopt;
    return formatGeneral(value, decimalSeparator);
}

} // namespace polyhedron
