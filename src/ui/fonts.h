#pragma once

#include <QFont>
#include <QString>

namespace ui {

/// The fixed-pitch Japanese face of the guideline texts and the gore tab's captions.
inline const QString kFixedPitchFamily = QStringLiteral("ＭＳ ゴシック");
/// The proportional Japanese face every other control of the windows uses.
inline const QString kWindowFamily = QStringLiteral("ＭＳ Ｐゴシック");
/// Point size of both faces.
inline constexpr int kWindowPointSize = 9;

/// Maps the two Japanese face names onto installed fonts with Japanese glyphs
/// (IPA Gothic first); call once after the application object exists.
void installFontSubstitutions();

/// "ＭＳ ゴシック" 9 pt.
QFont fixedPitchFont();

/// "ＭＳ Ｐゴシック" 9 pt, the windows' own font.
QFont windowFont();

} // namespace ui
