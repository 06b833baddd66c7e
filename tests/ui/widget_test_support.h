#pragma once

#include "test_files.h"
#include "ui/file_dialog.h"
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/message_presenter.h"
#include "ui/save_dialog.h"
#include "ui/tab_control.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QtEndian>
#include <QtTest>

#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace testing_support {

/// What a scripted dialog was asked and what it answers next.
struct DialogScript
{
    std::deque<QString> answers; ///< next answers; an empty one = Cancel (also when none is left)
    QList<QString> prefills;     ///< what each opening was pre-filled with
    QList<QString> titles;       ///< each open dialog's title
    QList<QStringList> filters;  ///< each open dialog's filters

    /// Notes `prefill` and gives the next answer, none for Cancel.
    std::optional<QString> answer(const QString& prefill)
    {
        prefills.append(prefill);
        const QString next = answers.empty() ? QString() : answers.front();
        if (!answers.empty())
            answers.pop_front();
        if (next.isEmpty())
            return std::nullopt;
        return next;
    }
};

/// A file dialog that answers from a script instead of asking.
class ScriptedFileDialog : public ui::FileDialog
{
public:
    explicit ScriptedFileDialog(std::shared_ptr<DialogScript> script) : m_script(std::move(script)) {}

    std::optional<QString> askOpenFile(QWidget*, const QString& prefill, const QString& title,
                                       const QStringList& filters) override
    {
        m_script->titles.append(title);
        m_script->filters.append(filters);
        return m_script->answer(prefill);
    }

private:
    std::shared_ptr<DialogScript> m_script;
};

/// What a scripted save dialog was asked (the paths it was pre-filled with) and what it answers next.
using SaveScript = DialogScript;

/// A save dialog that answers from a script instead of asking.
class ScriptedSaveDialog : public ui::SaveDialog
{
public:
    explicit ScriptedSaveDialog(std::shared_ptr<SaveScript> script) : m_script(std::move(script)) {}

    std::optional<QString> askSaveFile(QWidget*, const QString& prefill, const QString&) override
    {
        return m_script->answer(prefill);
    }

private:
    std::shared_ptr<SaveScript> m_script;
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

/// What the main-window tests start from: the Japanese interface, a temp folder of their own,
/// scripted file and save dialogs, recorded message boxes and a shown Form1 wired to them. A test class derives from it after
/// QObject and calls setUpForm() in init(), tearDownForm() in cleanup().
class Form1Fixture
{
protected:
    /// Makes the temp folder and the window. Bitmaps go to `programSubfolder` of the temp folder
    /// (made here) or, when it is empty, to the temp folder itself; `tab` is shown first unless negative.
    void setUpForm(const QString& programSubfolder = QString(), int tab = -1,
                   ui::Language language = ui::Language::Japanese)
    {
        m_translations = std::make_unique<ui::Translations>(language);
        m_startDirectory = QDir::currentPath();
        m_temp = std::make_unique<TempDir>();
        if (!programSubfolder.isEmpty())
            QDir(folder()).mkdir(programSubfolder);
        m_dialog = std::make_shared<DialogScript>();
        m_messages = std::make_shared<MessageLog>();
        m_saves = std::make_shared<SaveScript>();
        m_form = std::make_unique<ui::Form1>();
        m_form->setFileDialog(std::make_unique<ScriptedFileDialog>(m_dialog));
        m_form->setMessagePresenter(std::make_unique<RecordingPresenter>(m_messages));
        m_form->setSaveDialog(std::make_unique<ScriptedSaveDialog>(m_saves));
        m_form->setProgramDirectory(programSubfolder.isEmpty() ? folder()
                                                               : QDir(folder()).absoluteFilePath(programSubfolder));
        if (tab >= 0)
            m_form->tabControl()->setCurrentIndex(tab);
        m_form->show();
    }

    /// Deletes the window, goes back to the current directory a pick may have changed, removes the folder.
    void tearDownForm()
    {
        m_form.reset();
        QDir::setCurrent(m_startDirectory);
        m_temp.reset();
        m_translations.reset();
    }

    /// The temp folder.
    QString folder() const { return QString::fromStdString(m_temp->path().string()); }
    /// The main window's text box `name`.
    QLineEdit* box(const char* name) const { return m_form->textBox(QString::fromLatin1(name)); }
    /// Clicks the main window's button `name`.
    void click(const char* name) { QTest::mouseClick(m_form->button(QString::fromLatin1(name)), Qt::LeftButton); }
    /// Clicks the pick button `button` with the dialog scripted to confirm `file`.
    void pick(const char* button, const QString& file)
    {
        m_dialog->answers.push_back(file);
        click(button);
    }
    /// The full text of the main window's label `name`: its tooltip when it shows a shortened text.
    QString fullText(const char* name) const
    {
        const QLabel* label = m_form->label(QString::fromLatin1(name));
        return label->toolTip().isEmpty() ? label->text() : label->toolTip();
    }

    std::unique_ptr<ui::Form1> m_form;
    std::shared_ptr<DialogScript> m_dialog;
    std::shared_ptr<MessageLog> m_messages;
    std::shared_ptr<SaveScript> m_saves;
    std::unique_ptr<TempDir> m_temp;
    std::unique_ptr<ui::Translations> m_translations;
    QString m_startDirectory;
};

/// Canvas sides are whole pixels at 96 dpi: half a pixel is 0.0132 cm.
inline constexpr double kPixelToleranceCm = 0.014;

/// Size and resolution fields of a Windows bitmap's headers.
struct BitmapHeader
{
    bool valid = false;
    qint32 width = 0, height = 0, xPixelsPerMetre = 0, yPixelsPerMetre = 0;
};

/// The headers of the bitmap at `path`; not valid when it cannot be read or is no bitmap.
inline BitmapHeader readBitmapHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(54);
    if (bytes.size() < 46 || !bytes.startsWith("BM"))
        return {};
    const auto at = [&bytes](int offset) { return qFromLittleEndian<qint32>(bytes.constData() + offset); };
    return {true, at(18), std::abs(at(22)), at(38), at(42)};
}

/// Names of the files in `folder` that match `pattern`, sorted.
inline QStringList filesIn(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files);
}

} // namespace testing_support
