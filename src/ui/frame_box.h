#pragma once

#include <QGroupBox>

namespace ui {

/// A frame (Frame2…Frame6, frame1) as the layout tables place it: the border runs through the
/// middle of the title line and the title is written over it, so the border stays above the
/// controls of the frame's first row, which start 240 twips below the frame's top.
class FrameBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit FrameBox(const QString& title, QWidget* parent = nullptr);

    /// Distance from the frame's top to its border line, in pixels.
    int borderTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
