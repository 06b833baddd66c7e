#pragma once

#include "ui/file_dialog.h"
#include "ui/message_presenter.h"

#include <QList>
#include <QString>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace testing_support {

/// What a scripted dialog was asked and what it answers next.
struct DialogScript
{
    std::deque<QString> answers; ///< next answers; an empty one = Cancel
    QList<QString> prefills;                    ///< what each opening was pre-filled with
};

/// A file dialog that answers from a script instead of asking.
class ScriptedFileDialog : public ui::FileDialog
{
public:
    explicit ScriptedFileDialog(std::shared_ptr<DialogScript> script) : m_script(std::move(script)) {}

    std::optional<QString> askOpenFile(QWidget*, const QString& prefill) override
    {
        m_script->prefills.append(prefill);
        const QString answer = m_script->answers.empty() ? QString() : m_script->answers.front();
        if (!m_script->answers.empty())
            m_script->answers.pop_front();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }

private:
    std::shared_ptr<DialogScript> m_script;
};

/// The message boxes shown, and the answers to give (OK when none is scripted).
struct MessageLog
{
    std::vector<ui::Message> shown;
    std::deque<bool> answers;
};

/// A presenter that records each message and answers without blocking.
class RecordingPresenter : public ui::MessagePresenter
{
public:
    explicit RecordingPresenter(std::shared_ptr<MessageLog> log) : m_log(std::move(log)) {}

    bool show(QWidget*, const ui::Message& message) override
    {
        m_log->shown.push_back(message);
        if (m_log->answers.empty())
            return true;
        const bool answer = m_log->answers.front();
        m_log->answers.pop_front();
        return answer;
    }

private:
    std::shared_ptr<MessageLog> m_log;
};

} // namespace testing_support
