#pragma once

#include <QString>

class QWidget;

namespace ui {

/// Title of message boxes that have none of their own (the SVG tag preview's).
inline const QString kApplicationTitle = QStringLiteral("Orbweave 2008 ver 1.0");
/// Title of the program's refusals, warnings and its Quit question, whichever tab they come from.
inline const QString kMessageTitle = QStringLiteral("Tessel");

/// The icon of a message box.
enum class MessageIcon { Critical, Question, Information, Warning, NoIcon };

/// One modal message box: text, title, icon and whether it offers Cancel besides OK.
struct Message
{
    QString text;
    QString title = kApplicationTitle;
    MessageIcon icon = MessageIcon::Information;
    bool withCancel = false;
};

/// Shows the program's message boxes; tests put a recorder in its place.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    /// Shows `message` modally over `parent`; true when the user chose OK.
    virtual bool show(QWidget* parent, const Message& message) = 0;
};

/// The presenter of the running program: a QMessageBox.
class MessageBoxPresenter : public MessagePresenter
{
public:
    bool show(QWidget* parent, const Message& message) override;
};

} // namespace ui
