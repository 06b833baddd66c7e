#include "export/kit_finish.h"

#include "render/template_drawing.h"
#include "text/message_text.h"
#include "text/number_text.h"

namespace exporter {

namespace {

/// Millimetres in `typed`, or a refusal naming `option`.
double millimetres(const std::string& option, const std::string& typed)
{
    const auto value = text::parseDouble(typed);
    if (!value)
        refuseOption(option, typed, "\"" + text::escapedForMessage(typed) + "\" is not a number of millimetres.");
    return *value;
}

} // namespace

KitFinish kitFinish(const KitOptions& o, Format format)
{
    KitFinish f;
    if (format == Format::Bmp)
        return f;
    f.style.pieces = true;
    f.wholeGores = o.wholeGores;
    const double tab = millimetres("--tab-width", o.tabWidth);
    if (!(tab > 0))
        refuseOption("--tab-width", o.tabWidth,
                     "a tab must be wider than 0 mm (--tabs off leaves the tabs out).");
    if (o.tabs)
        f.style.tabWidth = tab / 10.0;
    const double bleed = millimetres("--bleed", o.bleed);
    if (!(bleed >= 0) || bleed > kMaxBleed * 10)
        refuseOption("--bleed", o.bleed,
                     "the room kept round each piece must be 0 to " + text::formatGeneral(kMaxBleed * 10) + " mm.");
    f.bleed = bleed / 10.0;
    return f;
}

void checkTabWidth(const KitFinish& finish, const KitOptions& o, double pieceWidth, const text::Message& pieces,
                   text::Input size, const std::string& sizeOption, const std::string& sizeTyped)
{
    if (!(finish.style.tabWidth > pieceWidth))
        return;
    const std::string mm = text::formatGeneral(finish.style.tabWidth * 10), tabs = mm + " mm tabs";
    const std::string piecesEn = pieces.in(text::Language::English);
    if (o.given.count("--tab-width"))
        refuseOption("--tab-width", o.tabWidth, tabs + " are wider than " + piecesEn + "; please give a narrower tab.");
    // The command line names its options; a window names its box and its tab check.
    const std::string named = "option " + sizeOption + " \"" + text::escapedForMessage(sizeTyped) + "\": ";
    const std::string message = named + "the " + tabs + " are wider than " + piecesEn + "; please give a larger "
                                + sizeOption + ", a narrower --tab-width or --tabs off.";
    const text::Message reason(text::MessageId::TabsWiderThanPieces, {mm, pieces});
    throw text::InputError(size, sizeTyped, text::Message::verbatim(message), reason);
}

} // namespace exporter
