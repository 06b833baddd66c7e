#include "ui/refusal_text.h"

#include "ui/form1_layout.h"
#include "ui/language.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

namespace ui {

namespace {

using text::Input;

/// The labels that caption the box of an input on one tab (a second one when two boxes share it).
struct BoxLabels
{
    InputTab tab;
    Input input;
    std::array<std::string_view, 2> labels;
};

constexpr BoxLabels kBoxLabels[] = {
    {InputTab::Gore, Input::GoreCount, {"Label3"}},
    {InputTab::Gore, Input::GorePosition, {"Label4"}},
    {InputTab::Gore, Input::FaintestMagnitude, {"Label7"}},
    {InputTab::Gore, Input::SphereRadius, {"Label5"}},
    {InputTab::Gore, Input::CommonRatio, {"Label11"}},
    {InputTab::Gore, Input::Magnification, {"Label12"}},
    {InputTab::Gore, Input::LineLatitude, {"Label20"}},
    {InputTab::Gore, Input::PlateBoundary, {"Label23"}},
    {InputTab::Face, Input::TangentPoint, {"Frame4"}},
    {InputTab::Face, Input::TangentLatitude, {"Label19"}},
    {InputTab::Face, Input::TangentLongitude, {"Label24"}},
    {InputTab::Face, Input::FaceNumber, {"Label41"}},
    {InputTab::Face, Input::ProjectionRange, {"Label26"}},
    {InputTab::Face, Input::SphereRadius, {"Label25"}},
    {InputTab::Face, Input::FaintestMagnitude, {"Label34"}},
    {InputTab::Face, Input::CommonRatio, {"Label32"}},
    {InputTab::Face, Input::Magnification, {"Label33"}},
    {InputTab::Face, Input::FaceOutline, {"Label42", "Label43"}},
};

/// The caption of the layout's control `name` in the interface language, without the blanks,
/// "=" and colons set around it, its first letter a capital.
QString labelCaption(std::string_view name)
{
    for (const form1_layout::ControlSpec& control : form1_layout::kControls) {
        if (control.name != name)
            continue;
        QString caption = QCoreApplication::translate("ui::Form1", std::string(control.text).c_str()).trimmed();
        if (caption.endsWith(QLatin1Char('=')))
            caption.chop(1);
        caption = caption.trimmed();
        if (caption.startsWith(QChar(0xFF1A)) || caption.startsWith(QLatin1Char(':')))
            caption.remove(0, 1);
        caption = caption.trimmed();
        // It begins the message.
        if (!caption.isEmpty())
            caption[0] = caption[0].toUpper();
        return caption;
    }
    Q_ASSERT_X(false, "labelCaption", "no such control");
    return {};
}

} // namespace

text::Language coreLanguage(Language language)
{
    switch (language) {
    case Language::Japanese: return text::Language::Japanese;
    case Language::Spanish: return text::Language::Spanish;
    case Language::English: break;
    }
    return text::Language::English;
}

QString inInterfaceLanguage(const text::Message& message)
{
    return QString::fromStdString(message.in(coreLanguage(interfaceLanguage())));
}

QString boxCaption(Input input, InputTab tab)
{
    for (const BoxLabels& box : kBoxLabels) {
        if (box.tab != tab || box.input != input)
            continue;
        QString caption = labelCaption(box.labels[0]);
        if (!box.labels[1].empty())
            caption += QStringLiteral(" / ") + labelCaption(box.labels[1]);
        return caption;
    }
    return {};
}

QString refusalText(const text::InputError& error, std::optional<InputTab> tab)
{
    const QString caption = tab ? boxCaption(error.input(), *tab) : QString();
    if (caption.isEmpty())
        return inInterfaceLanguage(error.message());
    return caption + QStringLiteral(": ") + inInterfaceLanguage(error.reasonText());
}

QString fixedGoreText(gore::GoreCheck check)
{
    switch (check) {
    case gore::GoreCheck::NoGores:
        return QCoreApplication::translate("ui::Refusals", "負または零の分割数nは定義できません。");
    case gore::GoreCheck::PositionBeyondCount: return QCoreApplication::translate("ui::Refusals", " n < k です。");
    case gore::GoreCheck::PositionBelowOne: break; // the window draws such a gore
    }
    Q_ASSERT_X(false, "fixedGoreText", "no fixed text for this check");
    return {};
}

} // namespace ui
