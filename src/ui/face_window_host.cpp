#include "ui/face_window_host.h"

#include "ui/form4.h"

#include <utility>

namespace ui {

FaceWindowHost::FaceWindowHost(std::function<void()> onSave, std::function<void(const std::string&)> onLabel38)
    : m_form4(std::move(onSave)), m_onLabel38(std::move(onLabel38))
{
}

FaceWindowHost::~FaceWindowHost() = default;

Form4& FaceWindowHost::form4() { return m_form4.get(); }

Form4* FaceWindowHost::window() const { return m_form4.existing(); }

canvas::DrawingCanvas& FaceWindowHost::faceCanvas() { return m_form4.get().canvas(); }

void FaceWindowHost::showFaceWindow() { m_form4.show(); }

void FaceWindowHost::setMagnitudeOneRadius(const std::string& caption) { m_onLabel38(caption); }

sky::SkyRequest FaceWindowHost::skyLayers()
{
    const Form4* face = m_form4.existing();
    return skyRequest(face ? face->skyChecks() : nullptr);
}

void FaceWindowHost::refresh() { m_form4.refresh(); }

} // namespace ui
