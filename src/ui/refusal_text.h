#pragma once

#include "gore/gore_command.h"
#include "text/input_error.h"
#include "ui/language.h"

#include <QString>

#include <optional>
#include <string>

namespace ui {

/// The tab of the main window whose boxes a refusal may name.
enum class InputTab { Gore, Face };

/// The language the core's messages are worded in for the interface language `language`;
/// English for one the core has no table for.
text::Language coreLanguage(Language language);

/// `message` in the interface language.
QString inInterfaceLanguage(const text::Message& message);

/// The caption of the box (or boxes) of `tab` that stand for `input`, as the window shows it in
/// the interface language, without the "=" or colon beside it; empty when none does.
QString boxCaption(text::Input input, InputTab tab);

/// `error` as the window words it in the interface language: a refusal of a box of `tab` as the
/// box's caption and the reason, any other (a file, a line of a file) as the core words it.
QString refusalText(const text::InputError& error, std::optional<InputTab> tab = std::nullopt);

/// The gore Draw's fixed text of a failed check of n or k, in the interface language.
QString fixedGoreText(gore::GoreCheck check);

} // namespace ui
