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
    if (!(rangeDegrees > 0.0 && rangeDegrees < 90.0)) {
        const std::string range = formatGeneral(rangeDegrees, sep);
        text::refuse(text::Input::ProjectionRange, faceCaption(text::Input::ProjectionRange), range,
                     text::Message(text::MessageId::RangeOutsideAllowed, {range}));
    }
}

void checkRadius(double rangeDegrees, double sphereRadius, char sep)
{
    const std::string radius = formatGeneral(sphereRadius, sep);
    if (!(sphereRadius > 0.0))
        text::refuse(text::Input::SphereRadius, faceCaption(text::Input::SphereRadius), radius,
                     text::Message(text::MessageId::FaceRadiusNotPositive, {radius}));
    const double side = 2.0 * sphereRadius * std::tan(rangeDegrees * DegreeFactor) + 2.0;
    if (!(side <= kMaxCanvasSide)) {
        const std::string range = formatGeneral(rangeDegrees, sep), needed = formatGeneral(side, sep),
                          largest = formatGeneral(kMaxCanvasSide, sep);
        text::refuse(text::Input::SphereRadius, faceCaption(text::Input::SphereRadius), radius,
                     text::Message(text::MessageId::FaceCanvasTooLarge, {radius, range, needed, largest}));
    }
}

void checkMagnification(double magnification, char sep)
{
    if (!(magnification >= 0.0)) {
        const std::string m = formatGeneral(magnification, sep);
        text::refuse(text::Input::Magnification, faceCaption(text::Input::Magnification), m,
                     text::Message(text::MessageId::FaceMagnificationNegative, {m}));
    }
}

} // namespace

void checkFaceValues(double rangeDegrees, double sphereRadius, double magnification, char sep)
{
    checkRange(rangeDegrees, sep);
    checkRadius(rangeDegrees, sphereRadius, sep);
    checkMagnification(magnification, sep);
}

FaceParameters readFaceParameters(const FaceSpec& in)
{
    using text::Input;
    const char sep = in.decimalSeparator;
    const auto read = [&in, sep](Input input) {
        const FaceTextField& f = *faceTextField(input);
        return number(in.*f.text, f.caption, sep, input);
    };
    FaceParameters p;
    if (in.centre) {
        p.phi0 = in.centre->latitude * DegreeFactor;
        p.lambda0 = in.centre->longitude * DegreeFactor;
    } else {
        p.phi0 = number(in.latitude, kFieldLatitude, sep, Input::TangentLatitude) * DegreeFactor;
        p.lambda0 = number(in.longitude, kFieldLongitude, sep, Input::TangentLongitude) * DegreeFactor;
    }
    const double rangeDegrees = read(Input::ProjectionRange);
    checkRange(rangeDegrees, sep);
    p.projectionRange = rangeDegrees * DegreeFactor;
    p.sphereRadius = read(Input::SphereRadius);
    checkRadius(rangeDegrees, p.sphereRadius, sep);
    p.faintestMagnitude = read(Input::FaintestMagnitude);
    p.commonRatio = read(Input::CommonRatio);
    p.magnification = read(Input::Magnification);
    checkMagnification(p.magnification, sep);
    p.insideView = in.insideView;
    return p;
}

int readFaceNumber(const FaceSpec& in)
{
    try {
        return text::toInt32(in.face, faceCaption(text::Input::FaceNumber), in.decimalSeparator);
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
