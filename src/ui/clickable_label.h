#pragma once

#include <QLabel>

class QCheckBox;

namespace ui {

/// A caption label that reports a click (press and release of the left button on it).
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    /// The user clicked the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

/// Makes a click on `label` flip `box` between ticked and clear (a grayed box becomes ticked),
/// so the caption acts as part of the box.
void toggleOnClick(ClickableLabel* label, QCheckBox* box);

} // namespace ui
