#pragma once

#include "ui/drawing_window.h"
#include "ui/sky_layer_checks.h"

namespace ui {

/// The polyhedron window "ORW2008 - 描画窓(多面体)": the save button Command1 ("Save As Bitmap")
/// and the face canvas Picture1, a square of initialCanvasSide() when made.
class Form4 : public DrawingWindow
{
    Q_OBJECT

public:
    explicit Form4(QWidget* parent = nullptr);

    /// Side of the square canvas when the window is made: 5535 twips, 9.763125 cm.
    static float initialCanvasSide();
    /// The sky layer boxes in the status line.
    SkyLayerChecks* skyChecks() const { return m_sky; }

private:
    SkyLayerChecks* m_sky = nullptr;
};

} // namespace ui
