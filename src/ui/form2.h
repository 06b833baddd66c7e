#pragma once

#include "ui/drawing_window.h"
#include "ui/sky_layer_checks.h"

class QLabel;

namespace gore {
struct GoreLabels;
}

namespace ui {

/// The gore window "ORW2008 - 描画窓(みかん)": the summary labels Label1…Label5, the note
/// Label6, the save button Command1 and the gore canvas Picture1, 23.0 × 16.0 cm when made.
class Form2 : public DrawingWindow
{
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

    /// Writes the five summary labels, their fixed words in the interface's language.
    void setLabels(const gore::GoreLabels& labels);
    /// Label1…Label5 (index 1…5) and the note Label6 (index 6).
    QLabel* label(int index) const;
    /// The sky layer boxes in the status line.
    SkyLayerChecks* skyChecks() const { return m_sky; }

private:
    QLabel* m_labels[6] = {};
    SkyLayerChecks* m_sky = nullptr;
};

} // namespace ui
