#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;

namespace ui {

/// `full` shortened with "…" to fit `box` in `font`. Qt::ElideMiddle (for paths) keeps one line
/// and cuts its middle, so the folder's start and the file name stay; other modes take as many
/// lines as fit, broken at word boundaries (or anywhere in a long word), and cut the last one.
QString fittedText(const QString& full, const QFont& font, QSize box, Qt::TextElideMode mode);

/// Shows `full` in `label`, shortened by fittedText() to the label's size; the full text is the
/// label's tooltip, so nothing is lost.
void showFitted(QLabel* label, const QString& full, Qt::TextElideMode mode);

/// `caption` without its access-key marks ("Quit(&Q)" reads "Quit(Q)", "&&" reads "&").
QString withoutAccessKeys(const QString& caption);

/// Gives `button` the caption `caption` when it fits the button; else its beginning up to "…",
/// with the whole caption as tooltip.
void setFittedCaption(QPushButton* button, const QString& caption);

} // namespace ui
