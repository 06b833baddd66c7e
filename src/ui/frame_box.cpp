#include "ui/frame_box.h"

#include <QPainter>

namespace ui {

namespace {

/// Where the title starts, from the frame's left edge, in pixels.
constexpr int kTitleIndent = 6;

} // namespace

FrameBox::FrameBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

int FrameBox::borderTop() const { return fontMetrics().height() / 2; }

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QString shown = title().isEmpty()
                              ? QString()
                              : metrics.elidedText(title(), Qt::ElideRight, width() - 2 * kTitleIndent - 4);
    const int top = borderTop();
    const int right = width() - 1, bottom = height() - 1;
    // The border, with a gap in its top line where the title stands.
    painter.setPen(palette().color(QPalette::Window).darker(150));
    const int gapStart = kTitleIndent, gapEnd = kTitleIndent + metrics.horizontalAdvance(shown) + 4;
    if (shown.isEmpty()) {
        painter.drawLine(0, top, right, top);
    } else {
        painter.drawLine(0, top, gapStart, top);
        painter.drawLine(gapEnd, top, right, top);
    }
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(0, top, 0, bottom);
    if (shown.isEmpty())
        return;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(QRect(gapStart + 2, 0, gapEnd - gapStart - 4, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

} // namespace ui
