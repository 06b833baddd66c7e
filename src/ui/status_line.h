#pragma once

#include <QStatusBar>

class QLabel;

namespace ui {

/// A window's status line: one text, shortened to the line's width when long (the full text is
/// its tooltip), and room on the right for permanent widgets.
class StatusLine : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);

    /// Shows `text`, shortened as `mode` says when it does not fit.
    void showText(const QString& text, Qt::TextElideMode mode = Qt::ElideRight);
    /// The full text shown, empty when none.
    QString text() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_text;
    Qt::TextElideMode m_mode = Qt::ElideRight;
};

} // namespace ui
