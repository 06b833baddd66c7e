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

namespace {

double number(const std::string& typed, const char* field, char sep, text::Input input)
{
    try {
        return toDouble(typed, field, sep);
    } catch (const InputError& e) {
        throw e.about(input);
    }
}

} // namespace

namespace {

void checkRange(double rangeDegrees, char sep)
{
    if (!(rangeDegrees > 0.0 && rangeDegrees < 90.0))
        text::refuse(text::Input::ProjectionRange, "投影範囲 (projection range)", formatGeneral(rangeDegrees, sep),
                     formatGeneral(rangeDegrees, sep)
                         + "° is outside the allowed range; please type an angle above 0 and below 90 degrees.");
}

void checkRadius(double rangeDegrees, double sphereRadius, char sep)
{
    if (!(sphereRadius > 0.0))
        text::refuse(text::Input::SphereRadius, "恒星球半径 (sphere radius)", formatGeneral(sphereRadius, sep),
                     formatGeneral(sphereRadius, sep) + " cm: the radius must be greater than 0 cm.");
    const double side = 2.0 * sphereRadius * std::tan(rangeDegrees * DegreeFactor) + 2.0;
    if (!(side <= kMaxCanvasSide))
        text::refuse(text::Input::SphereRadius, "恒星球半径 (sphere radius)", formatGeneral(sphereRadius, sep),
                     formatGeneral(sphereRadius, sep) + " cm with a projection range of "
                         + formatGeneral(rangeDegrees, sep) + "° needs a canvas of " + formatGeneral(side, sep)
                         + " cm a side; at most " + formatGeneral(kMaxCanvasSide, sep) + " cm is allowed.");
}

void checkMagnification(double magnification, char sep)
{
    if (!(magnification >= 0.0))
        text::refuse(text::Input::Magnification, "倍率 (magnification)", formatGeneral(magnification, sep),
                     formatGeneral(magnification, sep) + " must not be negative.");
}

} // namespace

void checkFaceValues(double rangeDegrees, double sphereRadius, double magnification, char sep)
{
    checkRange(rangeDegrees, sep);
    checkRadius(rangeDegrees, sphereRadius, sep);
    checkMagnification(magnification, sep);
}

FaceParameters readFaceParameters(const FaceInputs& in)
{
    using text::Input;
    const char sep = in.decimalSeparator;
    FaceParameters p;
    p.phi0 = number(in.Text9, "緯度φ0 (tangent-point latitude)", sep, Input::TangentPoint) * DegreeFactor;
    p.lambda0 = number(in.Text10, "経度λ0 (tangent-point longitude)", sep, Input::TangentPoint) * DegreeFactor;
    const double rangeDegrees = number(in.Text12, "投影範囲 (projection range)", sep, Input::ProjectionRange);
    checkRange(rangeDegrees, sep);
    p.projectionRange = rangeDegrees * DegreeFactor;
    p.sphereRadius = number(in.Text11, "恒星球半径 (sphere radius)", sep, Input::SphereRadius);
    checkRadius(rangeDegrees, p.sphereRadius, sep);
    p.faintestMagnitude = number(in.Text15, "細微等級 (faintest magnitude)", sep, Input::FaintestMagnitude);
    p.commonRatio = number(in.Text13, "公比 (common ratio)", sep, Input::CommonRatio);
    p.magnification = number(in.Text14, "倍率 (magnification)", sep, Input::Magnification);
    checkMagnification(p.magnification, sep);
    p.insideView = in.Check6;
    return p;
}

int readFaceNumber(const FaceInputs& in)
{
    try {
        return text::toInt32(in.Text16, "面番号 (face number)", in.decimalSeparator);
    } catch (const InputError& e) {
        throw e.about(text::Input::FaceNumber);
    }
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
