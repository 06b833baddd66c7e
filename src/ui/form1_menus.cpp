// The main window's menu bar, its keys, the recent files, dropped files and what it remembers.
#include "ui/about_dialog.h"
#include "ui/data_file_check.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/help_window.h"
#include "ui/session_settings.h"
#include "ui/form3.h"
#include "ui/screen_fit.h"
#include "ui/status_line.h"
#include "ui/tab_control.h"

#include <QAction>
#include <QTabBar>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>

namespace ui {

namespace {

/// The one local file a drag carries; empty when it carries anything else.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

} // namespace

void Form1::buildMenus()
{
    const auto add = [this](QMenu* menu, const char* name, const QString& text, const QList<QKeySequence>& keys,
                            auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("ファイル(&F)"));
    file->setObjectName(QStringLiteral("menuFile"));
    add(file, "actionOpen", tr("恒星データを開く(&O)..."), {QKeySequence::Open}, &Form1::pickStarFile);
    m_recentMenu = file->addMenu(tr("最近使ったファイル(&R)"));
    m_recentMenu->setObjectName(QStringLiteral("menuRecent"));
    fillRecentMenu();
    file->addSeparator();
    add(file, "actionSave", tr("ビットマップ形式で保存(&S)"), {QKeySequence::Save}, &Form1::saveShownDrawing);
    add(file, "actionSaveAs", tr("名前を付けて保存(&A)..."), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        &Form1::saveShownDrawingAs);
    file->addSeparator();
    add(file, "actionPrint", tr("全球の型紙・印刷(&P)..."),
        {QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_G)}, [this] { openGlobeDialog(m_tabs->currentIndex() == 1); });
    file->addSeparator();
    QAction* quitAction = add(file, "actionQuit", tr("終了(&X)"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, &Form1::quit);
    quitAction->setMenuRole(QAction::QuitRole);

    QMenu* view = menuBar()->addMenu(tr("表示(&V)"));
    view->setObjectName(QStringLiteral("menuView"));
    add(view, "actionGlobePreview", tr("天球儀プレビュー(&3)"), {QKeySequence(Qt::CTRL | Qt::Key_3)},
        &Form1::showGlobePreview);
    view->addSeparator();
    for (int i = 0; i < m_tabs->count(); ++i) {
        QAction* tab = view->addAction(m_tabs->tabBar()->tabText(i));
        tab->setObjectName(QStringLiteral("actionTab%1").arg(i));
        tab->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + i)));
        connect(tab, &QAction::triggered, this, [this, i] { m_tabs->setCurrentIndex(i); });
    }

    QMenu* help = menuBar()->addMenu(tr("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("menuHelp"));
    add(help, "actionHelp", tr("使い方(&H)"), {QKeySequence::HelpContents}, &Form1::showHelp);
    QAction* about = add(help, "actionAbout", tr("Orbweave について(&A)"), {}, &Form1::showAbout);
    about->setMenuRole(QAction::AboutRole);

    // The menu bar goes above the original's client area, which keeps its size and its controls.
    const QWidget* client = centralWidget();
    resize(client->width(), menuBar()->sizeHint().height() + client->height() + m_status->sizeHint().height());
}

QAction* Form1::action(const QString& name) const { return findChild<QAction*>(name); }

void Form1::fillRecentMenu()
{
    m_recentMenu->clear();
    for (int i = 0; i < m_recentFiles.size(); ++i) {
        const QString path = m_recentFiles.at(i);
        // &1…&8: the number is the menu's key; "&" in a path stays a character.
        const QString text = QStringLiteral("&%1  %2").arg(i + 1).arg(
            QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        QAction* recent = m_recentMenu->addAction(text);
        recent->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        recent->setData(path);
        recent->setToolTip(QDir::toNativeSeparators(path));
        connect(recent, &QAction::triggered, this, [this, path] { openStarFile(path); });
    }
    m_recentMenu->setEnabled(!m_recentFiles.isEmpty());
}

void Form1::rememberRecentFile(const QString& path)
{
    m_recentFiles = withRecentFile(m_recentFiles, QFileInfo(path).absoluteFilePath());
    fillRecentMenu();
    if (m_remembers) {
        QSettings settings;
        writeRecentFiles(settings, m_recentFiles);
    }
}

void Form1::restoreSession()
{
    QSettings settings;
    const SessionState state = readSession(settings);
    m_recentFiles = state.recentFiles;
    m_windowPlaces = state.windowPlaces;
    fillRecentMenu();
    m_remembers = true;
    if (!state.geometry.isEmpty())
        restoreGeometry(state.geometry);
    if (state.tab >= 0 && state.tab < m_tabs->count())
        m_tabs->setCurrentIndex(state.tab);
    // Files first: a face file sets the tangent point, which the remembered boxes then override.
    if (QFileInfo(state.starFile).isFile())
        openStarFile(state.starFile);
    if (QFileInfo(state.vertexFile).isFile())
        loadVertexFile(state.vertexFile);
    if (QFileInfo(state.faceFile).isFile())
        loadFaceFile(state.faceFile);
    for (auto it = state.texts.begin(); it != state.texts.end(); ++it)
        if (QLineEdit* box = textBox(it.key())) {
            const QSignalBlocker quiet(box); // the face number's rule would redo the tangent point
            box->setText(it.value());
            box->setCursorPosition(0);
        }
    for (auto it = state.checks.begin(); it != state.checks.end(); ++it)
        if (QCheckBox* box = checkBox(it.key()))
            box->setCheckState(it.value() ? Qt::Checked : Qt::Unchecked);
}

void Form1::saveSession() const
{
    if (!m_remembers)
        return;
    SessionState state;
    state.starFile = m_starFileName;
    state.vertexFile = QString::fromStdString(m_model.VertexFileName);
    state.faceFile = QString::fromStdString(m_model.FaceFileName);
    for (auto it = m_controls.begin(); it != m_controls.end(); ++it) {
        if (const auto* box = qobject_cast<const QLineEdit*>(it.value()))
            state.texts.insert(it.key(), box->text());
        else if (const auto* check = qobject_cast<const QCheckBox*>(it.value()))
            state.checks.insert(it.key(), check->isChecked() ? 1 : 0);
    }
    state.tab = m_tabs->currentIndex();
    state.geometry = saveGeometry();
    state.recentFiles = m_recentFiles;
    state.windowPlaces = m_windowPlaces;
    for (const DrawingWindow* window : drawingWindows())
        if (window && window->isVisible())
            state.windowPlaces.insert(window->objectName(), window->saveGeometry());
    QSettings settings;
    writeSession(settings, state);
}

std::array<DrawingWindow*, 4> Form1::drawingWindows() const
{
    return {goreWindow(), plateWindow(), southPlateWindow(), faceWindow()};
}

void Form1::placeDrawingWindows()
{
    const char* const kPlaced = "orbweavePlaced";
    for (DrawingWindow* window : drawingWindows()) {
        if (!window || !window->isVisible() || window->property(kPlaced).toBool())
            continue;
        window->setProperty(kPlaced, true);
        window->installEventFilter(this);
        const QByteArray place = m_windowPlaces.value(window->objectName());
        if (!place.isEmpty() && window->restoreGeometry(place))
            keepOnScreen(*window);
    }
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // On the polyhedron tab a vertex or face file goes where its button would have put it.
    if (m_tabs->currentIndex() == 1) {
        if (const auto kind = lookalikeKind(path, DataFileKind::Stars)) {
            m_commonDialog.remember(path, *kind);
            if (*kind == DataFileKind::Vertices)
                loadVertexFile(path);
            else
                loadFaceFile(path);
            return;
        }
    }
    openStarFile(path);
}

DrawingWindow* Form1::shownDrawing() const
{
    if (m_tabs->currentIndex() == 1)
        return faceWindow() && m_drawnFace ? faceWindow() : nullptr;
    return goreWindow() && m_drawnGore ? goreWindow() : nullptr;
}

void Form1::saveShownDrawing()
{
    if (!shownDrawing()) {
        m_status->showText(tr("保存する描画がありません。先に描画してください。"));
        return;
    }
    if (m_tabs->currentIndex() == 1)
        saveFaceBitmap();
    else
        saveGoreBitmap();
}

void Form1::saveShownDrawingAs()
{
    DrawingWindow* window = shownDrawing();
    if (!window) {
        m_status->showText(tr("保存する描画がありません。先に描画してください。"));
        return;
    }
    const bool faces = m_tabs->currentIndex() == 1;
    const QString name = QFileInfo(faces ? faceBitmapPath() : goreBitmapPath()).fileName();
    QString folder = m_otherSaveFolder.isEmpty() ? m_programDirectory : m_otherSaveFolder;
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const std::optional<QString> chosen =
        m_saveDialog->askSaveFile(window, QDir(folder).absoluteFilePath(name), tr("名前を付けて保存"));
    if (!chosen)
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".bmp");
    if (writeDrawing(window, QDir::toNativeSeparators(path)))
        m_otherSaveFolder = QFileInfo(path).absolutePath();
}

void Form1::showHelp()
{
    if (!m_help) {
        m_help = new HelpWindow(this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void Form1::showAbout() { openAboutDialog(this); }

} // namespace ui
