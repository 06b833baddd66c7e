#pragma once

#include "gore/gore_command.h"
#include "ui/window_slot.h"

#include <functional>

namespace ui {

class Form2;
class Form3;

/// The gore window and the two polar plate windows as the gore Draw sees them. Each window is made
/// hidden at its first use and made afresh after the user has closed it; the set deletes the
/// windows still open when it goes.
class GoreWindowSet : public gore::GoreWindows
{
public:
    /// `onSaveGore`, `onSavePlate` and `onSaveSouthPlate` run when the save button of the gore,
    /// the plate or the southern plate window is clicked.
    GoreWindowSet(std::function<void()> onSaveGore, std::function<void()> onSavePlate,
                  std::function<void()> onSaveSouthPlate = {});
    ~GoreWindowSet() override;
    GoreWindowSet(const GoreWindowSet&) = delete;
    GoreWindowSet& operator=(const GoreWindowSet&) = delete;

    canvas::DrawingCanvas& goreCanvas() override;
    void setGoreLabels(const gore::GoreLabels& labels) override;
    void showGoreWindow() override;
    canvas::DrawingCanvas& plateCanvas() override;
    void showPlateWindow() override;
    canvas::DrawingCanvas& southPlateCanvas() override;
    void showSouthPlateWindow() override;
    /// What the gore window's sky layer boxes ask for; none before the window is made.
    sky::SkyRequest skyLayers() override;

    /// The gore window, null while it does not exist.
    Form2* goreWindow() const;
    /// The polar plate window, null while it does not exist.
    Form3* plateWindow() const;
    /// The southern polar plate window ("Form3 - 南"), null while it does not exist.
    Form3* southPlateWindow() const;
    /// Repaints the existing windows' canvases after a drawing.
    void refresh();

private:
    WindowSlot<Form2> m_form2;
    WindowSlot<Form3> m_form3, m_form3South;
};

} // namespace ui
