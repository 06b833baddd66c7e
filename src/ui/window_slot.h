#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>

namespace ui {

/// One drawing window (Form2, Form3, Form4) as a command sees it: made hidden at its first use
/// and made afresh after the user has closed it; deleted with the slot if still open.
template <typename Window>
class WindowSlot
{
public:
    /// `onSave` runs when the window's save button is clicked (nothing when empty); `setUp`
    /// adjusts each window as it is made.
    explicit WindowSlot(std::function<void()> onSave, std::function<void(Window&)> setUp = {})
        : m_onSave(std::move(onSave)), m_setUp(std::move(setUp))
    {
    }
    ~WindowSlot() { delete m_window.data(); }
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;

    /// The window, made hidden when it does not exist.
    Window& get()
    {
        if (!m_window) {
            m_window = new Window;
            if (m_setUp)
                m_setUp(*m_window);
            m_window->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(m_window.data(), &Window::saveRequested, m_window.data(), [onSave = m_onSave] {
                if (onSave)
                    onSave();
            });
        }
        return *m_window;
    }
    /// The window, null while it does not exist.
    Window* existing() const { return m_window.data(); }
    /// Shows the window, made if need be, with its canvas as now drawn.
    void show() { get().showDrawing(); }
    /// Repaints the window's canvas after a drawing, if the window exists.
    void refresh()
    {
        if (m_window)
            m_window->refresh();
    }

private:
    std::function<void()> m_onSave;
    std::function<void(Window&)> m_setUp;
    QPointer<Window> m_window;
};

} // namespace ui
