#include "gore/gore_parameters.h"

#include "gore/gore_layout.h"
#include "gore/polar_plate.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <cmath>
#include <utility>
#include <string>

namespace gore {

namespace {

std::string cm(double value, char sep) { return text::formatGeneral(value, sep) + " cm"; }

/// Refuses a drawing side beyond the largest canvas: `reason` words the refusal from the side
/// needed and the largest one, both in cm.
template <class Reason>
void checkCanvasSide(double side, double radius, char sep, const Reason& reason)
{
    if (!(side <= kMaxCanvasSide)) {
        const std::string needed = cm(std::round(side * 100) / 100, sep), largest = cm(kMaxCanvasSide, sep);
        text::refuse(text::Input::SphereRadius, kFieldSphereRadius, text::formatGeneral(radius, sep),
                     reason(needed, largest));
    }
}

} // namespace

const GoreTextField* goreTextField(text::Input input)
{
    for (const GoreTextField& f : kGoreTextFields)
        if (f.input == input)
            return &f;
    return nullptr;
}

GoreParameters readGoreParameters(const GoreSpec& entered)
{
    const char sep = entered.decimalSeparator;
    GoreParameters p;
    const auto read = [&](const GoreTextField& f) {
        try {
            if (f.whole)
                p.*f.whole = text::toInt16(entered.*f.text, f.caption, sep);
            else
                p.*f.number = text::toDouble(entered.*f.text, f.caption, sep);
        } catch (const text::InputError& e) {
            throw e.about(f.input);
        }
    };
    for (const GoreTextField& f : kGoreTextFields)
        read(f);
    for (const GoreSwitchField& f : kGoreSwitchFields)
        p.*f.value = entered.*f.on;
    p.hemisphere = entered.hemisphere;
    p.northPlate = entered.northPlate;
    p.southPlate = entered.southPlate;
    return p;
}

// Wording of the checks of n and k (the Japanese is the original's fixed text).
text::InputError goreCheckRefusal(GoreCheck check, const GoreParameters& p)
{
    const std::string n = std::to_string(p.n), k = std::to_string(p.k);
    text::Input input = text::Input::GorePosition;
    text::Message reason;
    switch (check) {
    case GoreCheck::NoGores:
        input = text::Input::GoreCount;
        reason = text::Message(text::MessageId::NoGoresToDraw);
        break;
    case GoreCheck::PositionBeyondCount: reason = text::Message(text::MessageId::NoSuchGore, {k, n}); break;
    case GoreCheck::PositionBelowOne: reason = text::Message(text::MessageId::GoresNumberedFromOne, {n}); break;
    }
    return text::InputError(input, input == text::Input::GoreCount ? n : k, reason, reason);
}

std::optional<GoreMessage> validateGoreParameters(const GoreParameters& p)
{
    const auto failed = [&p](GoreCheck check) {
        const text::InputError refusal = goreCheckRefusal(check, p);
        return GoreMessage{refusal.reasonText().in(text::Language::Japanese), "Tessel", refusal, check};
    };
    if (p.n < 1)
        return failed(GoreCheck::NoGores);
    if (p.n < p.k)
        return failed(GoreCheck::PositionBeyondCount);
    return std::nullopt;
}

void checkGoreDrawable(const GoreParameters& p, char sep)
{
    using text::Input;
    using text::refuse;
    const std::string n = std::to_string(p.n);
    if (p.n < 3)
        refuse(Input::GoreCount, kFieldN, n,
               p.n == 1 ? text::Message(text::MessageId::OneGoreTooFew) : text::Message(text::MessageId::GoresTooFew, {n}));
    const std::string radius = cm(p.sphereRadius, sep);
    if (!(p.sphereRadius > 0))
        refuse(Input::SphereRadius, kFieldSphereRadius, text::formatGeneral(p.sphereRadius, sep),
               text::Message(text::MessageId::RadiusNotPositiveCm, {text::formatGeneral(p.sphereRadius, sep)}));
    if (!(p.magnification >= 0)) {
        const std::string m = text::formatGeneral(p.magnification, sep);
        refuse(Input::Magnification, kFieldMagnification, m, text::Message(text::MessageId::NegativeStarSizes, {m}));
    }
    const GoreLayout layout = makeGoreLayout(p);
    for (const auto& [side, what] : {std::pair{layout.requestedWidth, text::MessageId::GoreWidthOf},
                                     std::pair{layout.requestedHeight, text::MessageId::GoreHeightOf}}) {
        const text::MessageId whatSide = what;
        checkCanvasSide(side, p.sphereRadius, sep, [&](const std::string& needed, const std::string& largest) {
            return text::Message(text::MessageId::GoreSideTooLarge,
                                 {radius, n, text::Message(whatSide), needed, largest});
        });
    }
    const std::string boundary = text::formatGeneral(p.plateBoundary, sep);
    if (!(p.plateBoundary > 0))
        refuse(Input::PlateBoundary, kFieldPlateBoundary, boundary,
               text::Message(text::MessageId::BoundaryLeavesNoCap, {boundary}));
    if (p.northPlate || p.southPlate == 1)
        checkCanvasSide(makePlateLayout(p).side, p.sphereRadius, sep,
                        [&](const std::string& needed, const std::string& largest) {
                            return text::Message(text::MessageId::PlateSideTooLarge, {radius, boundary, needed, largest});
                        });
}

void checkKitPlateBoundary(const GoreParameters& p)
{
    if (!(p.northPlate || p.southPlate == 1) || p.plateBoundary < 90.0)
        return;
    const std::string b = text::formatGeneral(p.plateBoundary);
    text::refuse(text::Input::PlateBoundary, kFieldPlateBoundary, b, text::Message(text::MessageId::BoundaryLeavesNoPlate, {b}));
}

GoreLabels goreLabels(const GoreParameters& p, char sep)
{
    GoreLabels labels;
    labels.gores = "n = " + text::formatGeneral(p.n, sep);
    labels.position = "k = " + text::formatGeneral(p.k, sep);
    labels.faintest = "最微等級 = " + text::formatGeneral(p.faintestMagnitude, sep);
    labels.hemisphere = p.hemisphere == 1 ? "北" : p.hemisphere == 0 ? "南" : "ﾁｪｯｸﾎﾞｯｸｽ誤作動";
    labels.starSize = "恒星サイズ：公比=" + text::formatGeneral(p.commonRatio, sep) + " ,倍率="
                    + text::formatGeneral(p.magnification, sep);
    return labels;
}

} // namespace gore
