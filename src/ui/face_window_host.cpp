#include "ui/face_window_host.h"

#include "ui/form4.h"

#include <utility>

namespace ui {

FaceWindowHost::FaceWindowHost(std::function<void()> onSave, std::function<void(const std::string&)> onLabel38)
    : m_onSave(std::move(onSave)), m_onLabel38(std::move(onLabel38))
{
}

FaceWindowHost::~FaceWindowHost() { delete m_form4.data(); }

Form4& FaceWindowHost::form4()
{
    if (!m_form4) {
        m_form4 = new Form4;
        m_form4->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(m_form4.data(), &Form4::saveRequested, m_form4.data(), [this] { m_onSave(); });
    }
    return *m_form4;
}

Form4* FaceWindowHost::window() const { return m_form4.data(); }

canvas::DrawingCanvas& FaceWindowHost::faceCanvas() { return form4().canvas(); }

void FaceWindowHost::showFaceWindow()
{
    Form4& window = form4();
    window.refresh();
    window.show();
    window.raise();
}

void FaceWindowHost::setLabel38(const std::string& caption) { m_onLabel38(caption); }

void FaceWindowHost::refresh()
{
    if (m_form4)
        m_form4->refresh();
}

} // namespace ui
