#include "ui/fitted_text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextLayout>

#include <algorithm>

namespace ui {

namespace {

/// The text of each line `text` breaks into at `width`, as QTextLayout breaks it.
QStringList wrappedLines(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

} // namespace

QString fittedText(const QString& full, const QFont& font, QSize box, Qt::TextElideMode mode)
{
    const QFontMetrics metrics(font);
    const int width = std::max(1, box.width());
    // A path stays on one line, shortened in its middle; other texts take the lines that fit.
    const int lineCount = mode == Qt::ElideMiddle
                              ? 1
                              : std::max(1, (box.height() - metrics.height()) / metrics.lineSpacing() + 1);
    // Explicit line breaks in the text are kept; each piece wraps on its own.
    QStringList lines;
    for (const QString& paragraph : full.split(QLatin1Char('\n')))
        lines << wrappedLines(paragraph, font, width);
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    if (lines.size() <= lineCount) {
        bool fits = true;
        for (const QString& line : lines)
            fits = fits && metrics.horizontalAdvance(line) <= width;
        if (fits)
            return lines.join(QLatin1Char('\n'));
    }
    if (lineCount == 1) {
        // One line: the whole text, shortened where `mode` says.
        QString flat = full;
        flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return metrics.elidedText(flat, mode, width);
    }
    QStringList kept = lines.mid(0, lineCount - 1);
    QString rest = lines.mid(lineCount - 1).join(QLatin1Char(' '));
    kept << metrics.elidedText(rest, mode, width);
    return kept.join(QLatin1Char('\n'));
}

void showFitted(QLabel* label, const QString& full, Qt::TextElideMode mode)
{
    // The fitted lines carry their own breaks; the label must not break them again.
    label->setWordWrap(false);
    label->setText(fittedText(full, label->font(), label->contentsRect().size(), mode));
    label->setToolTip(full);
}

QString withoutAccessKeys(const QString& caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption.at(i);
    }
    return plain;
}

void setFittedCaption(QPushButton* button, const QString& caption)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = caption;
    const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    const QString plain = withoutAccessKeys(caption);
    const QFontMetrics metrics(button->font());
    if (metrics.horizontalAdvance(plain) <= room) {
        button->setText(caption);
        return;
    }
    button->setText(metrics.elidedText(plain, Qt::ElideRight, room));
    button->setToolTip(plain);
}

} // namespace ui
