#include "ui/status_line.h"

#include "ui/fitted_text.h"

#include <QLabel>

namespace ui {

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent), m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("StatusLine"));
    setSizeGripEnabled(false);
    m_text->setObjectName(QStringLiteral("StatusText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumWidth(1);
    addWidget(m_text, 1);
}

void StatusLine::showText(const QString& text, Qt::TextElideMode mode)
{
    m_mode = mode;
    showFitted(m_text, text, mode);
}

QString StatusLine::text() const { return m_text->toolTip(); }

void StatusLine::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    // The text's room follows the line's width once the layout has placed it.
    if (!m_text->toolTip().isEmpty())
        showFitted(m_text, m_text->toolTip(), m_mode);
}

} // namespace ui
