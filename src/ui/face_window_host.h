#pragma once

#include "polyhedron/face_command.h"
#include "ui/window_slot.h"

#include <functional>
#include <string>

namespace ui {

class Form4;

/// The polyhedron window as the face Draw sees it. The window is made hidden at its first use
/// and made afresh after the user has closed it; the host deletes it when it goes, if still open.
class FaceWindowHost : public polyhedron::FaceWindow
{
public:
    /// `onSave` runs when the window's save button is clicked; `onLabel38` receives Label38's caption.
    FaceWindowHost(std::function<void()> onSave, std::function<void(const std::string&)> onLabel38);
    ~FaceWindowHost() override;
    FaceWindowHost(const FaceWindowHost&) = delete;
    FaceWindowHost& operator=(const FaceWindowHost&) = delete;

    canvas::DrawingCanvas& faceCanvas() override;
    void showFaceWindow() override;
    void setMagnitudeOneRadius(const std::string& caption) override;
    /// What the polyhedron window's sky layer boxes ask for; none before the window is made.
    sky::SkyRequest skyLayers() override;

    /// The polyhedron window, made hidden when it does not exist.
    Form4& form4();
    /// The polyhedron window, null while it does not exist.
    Form4* window() const;
    /// Repaints the window's canvas after a drawing.
    void refresh();

private:
    WindowSlot<Form4> m_form4;
    std::function<void(const std::string&)> m_onLabel38;
};

} // namespace ui
