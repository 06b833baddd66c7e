#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

class QSettings;

namespace ui {

/// What the main window remembers between runs: the files picked, its boxes, the tab shown,
/// where it and the drawing windows stood and the star files opened last.
struct SessionState
{
    QString starFile, vertexFile, faceFile;
    QMap<QString, QString> texts; ///< by text box name (Text1…Text16)
    QMap<QString, int> checks;    ///< by check box name (Check1…Check9): 0 clear, 1 ticked
    int tab = -1;                 ///< −1: none remembered
    QByteArray geometry;          ///< QWidget::saveGeometry of the main window
    QMap<QString, QByteArray> windowPlaces; ///< saveGeometry of the drawing windows, by object name
    QStringList recentFiles;      ///< newest first
};

/// The most star files the recent-files list keeps.
inline constexpr int kMaxRecentFiles = 8;

/// `recent` with `path` put first, once, cut to kMaxRecentFiles.
QStringList withRecentFile(QStringList recent, const QString& path);

/// The state `settings` holds; an empty state when they hold none.
SessionState readSession(QSettings& settings);
/// Writes `state` into `settings`, replacing what they held of the window.
void writeSession(QSettings& settings, const SessionState& state);
/// Writes only the recent-files list (kept up to date as files are opened).
void writeRecentFiles(QSettings& settings, const QStringList& recent);

} // namespace ui
