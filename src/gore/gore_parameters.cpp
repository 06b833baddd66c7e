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

/// Refuses a drawing side beyond the largest canvas; `what` names the side, `because` the
/// radius and the value that make it so.
void checkCanvasSide(double side, const text::Text& what, const text::Text& because, double radius, char sep)
{
    if (!(side <= kMaxCanvasSide)) {
        const std::string needed = cm(std::round(side * 100) / 100, sep), largest = cm(kMaxCanvasSide, sep);
        text::refuse(text::Input::SphereRadius, kFieldSphereRadius, text::formatGeneral(radius, sep),
                     {because.en + " " + what.en + " " + needed + " would be needed; the largest drawing is " + largest
                          + " a side.",
                      because.ja + what.ja + "が " + needed + " になります。描ける図は一辺 " + largest + " までです。"});
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

GoreParameters readGoreParameters(const GoreSpec& spec)
{
    const char sep = spec.decimalSeparator;
    GoreParameters p;
    const auto read = [&](const GoreTextField& f) {
        try {
            if (f.whole)
                p.*f.whole = text::toInt16(spec.*f.text, f.caption, sep);
            else
                p.*f.number = text::toDouble(spec.*f.text, f.caption, sep);
        } catch (const text::InputError& e) {
            throw e.about(f.input);
        }
    };
    for (const GoreTextField& f : kGoreTextFields)
        read(f);
    for (const GoreSwitchField& f : kGoreSwitchFields)
        p.*f.value = spec.*f.on;
    p.hemisphere = spec.hemisphere;
    p.northPlate = spec.northPlate;
    p.southPlate = spec.southPlate;
    return p;
}

// Wording of the checks of n and k (the Japanese is the original's fixed text).
text::InputError goreCheckRefusal(GoreCheck check, const GoreParameters& p)
{
    const std::string n = std::to_string(p.n), k = std::to_string(p.k);
    text::Input input = text::Input::GorePosition;
    text::Text reason;
    switch (check) {
    case GoreCheck::NoGores:
        input = text::Input::GoreCount;
        reason = {"there are no gores to draw; please give 3 gores or more.", "負または零の分割数nは定義できません。"};
        break;
    case GoreCheck::PositionBeyondCount:
        reason = {"there is no gore " + k + " of " + n + "; please give 1 to " + n + " (or all).", " n < k です。"};
        break;
    case GoreCheck::PositionBelowOne:
        reason = {"the gores are numbered from 1; please give 1 to " + n + " (or all).",
                  "位置 k は 1 から " + n + " までです。"};
        break;
    }
    return text::InputError(input, input == text::Input::GoreCount ? n : k, reason, reason);
}

std::optional<GoreMessage> validateGoreParameters(const GoreParameters& p)
{
    const auto failed = [&p](GoreCheck check) {
        const text::InputError refusal = goreCheckRefusal(check, p);
        return GoreMessage{refusal.reasonText().ja, "Tessel", refusal, check};
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
               {(p.n == 1 ? "1 gore is" : n + " gores are")
                    + " too few to draw; the gores need at least 3 (n = 3 or more).",
                n + " 枚では少なすぎて描けません。みかんの皮は 3 枚以上にしてください（n = 3 以上）。"});
    const std::string radius = cm(p.sphereRadius, sep);
    if (!(p.sphereRadius > 0))
        refuse(Input::SphereRadius, kFieldSphereRadius, text::formatGeneral(p.sphereRadius, sep),
               {radius + " is not a radius; please type a radius greater than 0 cm.",
                radius + " は半径になりません。0 cm より大きい半径を入力してください。"});
    if (!(p.magnification >= 0)) {
        const std::string m = text::formatGeneral(p.magnification, sep);
        refuse(Input::Magnification, kFieldMagnification, m,
               {m + " would give the stars negative sizes; please type 0 or more.",
                m + " では星の大きさが負になります。0 以上を入力してください。"});
    }
    const GoreLayout layout = makeGoreLayout(p);
    const text::Text because{radius + " with n = " + n + ":", "半径 " + radius + "、分割数 n = " + n + " では、"};
    checkCanvasSide(layout.requestedWidth, {"a gore drawing width of", "みかんの皮の図の幅"}, because, p.sphereRadius,
                    sep);
    checkCanvasSide(layout.requestedHeight, {"a gore drawing height of", "みかんの皮の図の高さ"}, because,
                    p.sphereRadius, sep);
    const std::string boundary = text::formatGeneral(p.plateBoundary, sep);
    if (!(p.plateBoundary > 0))
        refuse(Input::PlateBoundary, kFieldPlateBoundary, boundary,
               {boundary + "° leaves no polar cap; please type a boundary latitude above 0°.",
                boundary + "° では極板に入る範囲がありません。0° より大きい境界緯度を入力してください。"});
    if (p.northPlate || p.southPlate == 1)
        checkCanvasSide(makePlateLayout(p).side, {"a polar plate side of", "極板の一辺"},
                        {radius + " with a boundary latitude of " + boundary + "°:",
                         "半径 " + radius + "、境界緯度 " + boundary + "° では、"},
                        p.sphereRadius, sep);
}

void checkKitPlateBoundary(const GoreParameters& p)
{
    if (!(p.northPlate || p.southPlate == 1) || p.plateBoundary < 90.0)
        return;
    const std::string b = text::formatGeneral(p.plateBoundary);
    text::refuse(text::Input::PlateBoundary, kFieldPlateBoundary, b,
                 {b + "° leaves no room for a polar plate; please type a boundary latitude below 90°.",
                  b + "° では極板がありません。90° より小さい境界緯度を入力してください。"});
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
