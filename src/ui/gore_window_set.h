#pragma once

#include "gore/gore_command.h"

#include <QPointer>

#include <functional>

namespace ui {

class Form2;
class Form3;

/// The gore window and the polar plate window as the gore Draw sees them. Each window is made
/// hidden at its first use and made afresh after the user has closed it; the set deletes the
/// windows still open when it goes.
class GoreWindowSet : public gore::GoreWindows
{
public:
    /// `onSaveGore` and `onSavePlate` run when the save button of the gore or plate window is clicked.
    GoreWindowSet(std::function<void()> onSaveGore, std::function<void()> onSavePlate);
    ~GoreWindowSet() override;
    GoreWindowSet(const GoreWindowSet&) = delete;
    GoreWindowSet& operator=(const GoreWindowSet&) = delete;

    canvas::DrawingCanvas& goreCanvas() override;
    void setGoreLabels(const gore::GoreLabels& labels) override;
    void showGoreWindow() override;
    canvas::DrawingCanvas& plateCanvas() override;
    void showPlateWindow() override;

    /// The gore window, null while it does not exist.
    Form2* goreWindow() const;
    /// The polar plate window, null while it does not exist.
    Form3* plateWindow() const;
    /// Repaints both windows' canvases after a drawing.
    void refresh();

private:
    Form2& form2();
    Form3& form3();

    std::function<void()> m_onSaveGore, m_onSavePlate;
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
};

} // namespace ui
