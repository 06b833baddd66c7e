#include "gore/gore_parameters.h"

#include "gore/gore_layout.h"
#include "gore/polar_plate.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <cmath>
#include <string>

namespace gore {

namespace {

std::string cm(double value, char sep) { return text::formatGeneral(value, sep) + " cm"; }

void checkCanvasSide(double side, const std::string& what, const std::string& because, double radius, char sep)
{
    if (!(side <= kMaxCanvasSide))
        text::refuse(text::Input::SphereRadius, kFieldSphereRadius, text::formatGeneral(radius, sep),
                     because + " " + what + " " + cm(std::round(side * 100) / 100, sep)
                         + " would be needed; the largest drawing is " + cm(kMaxCanvasSide, sep) + " a side.");
}

} // namespace

GoreParameters readGoreParameters(const GoreInputs& in)
{
    const char sep = in.decimalSeparator;
    using text::Input;
    const auto number = [sep](const std::string& typed, const char* field, Input input) {
        try {
            return text::toDouble(typed, field, sep);
        } catch (const text::InputError& e) {
            throw e.about(input);
        }
    };
    const auto whole = [sep](const std::string& typed, const char* field, Input input) {
        try {
            return text::toInt16(typed, field, sep);
        } catch (const text::InputError& e) {
            throw e.about(input);
        }
    };
    GoreParameters p;
    p.n = whole(in.Text1, kFieldN, Input::GoreCount);
    p.k = whole(in.Text2, kFieldK, Input::GorePosition);
    p.faintestMagnitude = number(in.Text3, kFieldFaintestMagnitude, Input::FaintestMagnitude);
    p.hemisphere = in.Check1;
    p.epsilonCorrection = in.Check2 == 1;
    p.equalLatitudeLine = in.Check3 == 1;
    p.commonRatio = number(in.Text4, kFieldCommonRatio, Input::CommonRatio);
    p.magnification = number(in.Text5, kFieldMagnification, Input::Magnification);
    p.sphereRadius = number(in.Text6, kFieldSphereRadius, Input::SphereRadius);
    p.lineLatitude = number(in.Text7, kFieldLineLatitude, Input::LineLatitude);
    p.northPlate = in.Check4 == 1;
    p.southPlate = in.Check5;
    p.plateBoundary = number(in.Text8, kFieldPlateBoundary, Input::PlateBoundary);
    return p;
}

std::optional<GoreMessage> validateGoreParameters(const GoreParameters& p)
{
    if (p.n < 1)
        return GoreMessage{"負または零の分割数nは定義できません。"};
    if (p.n < p.k)
        return GoreMessage{" n < k です。"};
    return std::nullopt;
}

void checkGoreDrawable(const GoreParameters& p, char sep)
{
    using text::Input;
    using text::refuse;
    const std::string n = std::string(kFieldN) + " " + std::to_string(p.n);
    if (p.n < 3)
        refuse(Input::GoreCount, kFieldN, std::to_string(p.n),
               std::to_string(p.n) + " gores are too few to draw; the gores need at least 3 (n = 3 or more).");
    if (!(p.sphereRadius > 0))
        refuse(Input::SphereRadius, kFieldSphereRadius, text::formatGeneral(p.sphereRadius, sep),
               cm(p.sphereRadius, sep) + " is not a radius; please type a radius greater than 0 cm.");
    if (!(p.magnification >= 0))
        refuse(Input::Magnification, kFieldMagnification, text::formatGeneral(p.magnification, sep),
               text::formatGeneral(p.magnification, sep) + " would give the stars negative sizes; please type 0 or more.");
    const GoreLayout layout = makeGoreLayout(p);
    const std::string because = cm(p.sphereRadius, sep) + " with " + n + ":";
    checkCanvasSide(layout.requestedWidth, "a gore drawing width of", because, p.sphereRadius, sep);
    checkCanvasSide(layout.requestedHeight, "a gore drawing height of", because, p.sphereRadius, sep);
    if (!(p.plateBoundary > 0))
        refuse(Input::PlateBoundary, kFieldPlateBoundary, text::formatGeneral(p.plateBoundary, sep),
               text::formatGeneral(p.plateBoundary, sep) + "° leaves no polar cap; please type a boundary latitude above 0°.");
    if (p.northPlate || p.southPlate == 1)
        checkCanvasSide(makePlateLayout(p).side, "a polar plate side of",
                        cm(p.sphereRadius, sep) + " with " + kFieldPlateBoundary + " "
                            + text::formatGeneral(p.plateBoundary, sep) + "°:",
                        p.sphereRadius, sep);
}

GoreLabels goreLabels(const GoreParameters& p, char sep)
{
    GoreLabels labels;
    labels.Label1 = "n = " + text::formatGeneral(p.n, sep);
    labels.Label2 = "k = " + text::formatGeneral(p.k, sep);
    labels.Label3 = "最微等級 = " + text::formatGeneral(p.faintestMagnitude, sep);
    labels.Label4 = p.hemisphere == 1 ? "北" : p.hemisphere == 0 ? "南" : "ﾁｪｯｸﾎﾞｯｸｽ誤作動";
    labels.Label5 = "恒星サイズ：公比=" + text::formatGeneral(p.commonRatio, sep) + " ,倍率="
                    + text::formatGeneral(p.magnification, sep);
    return labels;
}

} // namespace gore
