#pragma once

#include <QDialog>

class QTextBrowser;

namespace ui {

/// "使い方": how to use the program, its menus and keys, the globe dialog and the 3D preview,
/// in the interface's language (texts translated in "ui::HelpWindow"). Not modal.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// The text shown.
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

} // namespace ui
