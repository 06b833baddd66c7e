#include "ui/session_settings.h"

#include <QDir>
#include <QSettings>

namespace ui {

namespace {

const QString kGroup = QStringLiteral("window");
const QString kRecent = QStringLiteral("recentFiles");

} // namespace

QStringList withRecentFile(QStringList recent, const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    recent.removeAll(clean);
    recent.prepend(clean);
    while (recent.size() > kMaxRecentFiles)
        recent.removeLast();
    return recent;
}

SessionState readSession(QSettings& settings)
{
    SessionState state;
    settings.beginGroup(kGroup);
    state.starFile = settings.value(QStringLiteral("starFile")).toString();
    state.vertexFile = settings.value(QStringLiteral("vertexFile")).toString();
    state.faceFile = settings.value(QStringLiteral("faceFile")).toString();
    state.tab = settings.value(QStringLiteral("tab"), -1).toInt();
    state.geometry = settings.value(QStringLiteral("geometry")).toByteArray();
    state.recentFiles = settings.value(kRecent).toStringList().mid(0, kMaxRecentFiles);
    settings.beginGroup(QStringLiteral("texts"));
    for (const QString& key : settings.childKeys())
        state.texts.insert(key, settings.value(key).toString());
    settings.endGroup();
    settings.beginGroup(QStringLiteral("checks"));
    for (const QString& key : settings.childKeys())
        state.checks.insert(key, settings.value(key).toInt());
    settings.endGroup();
    settings.beginGroup(QStringLiteral("windowPlaces"));
    for (const QString& key : settings.childKeys())
        state.windowPlaces.insert(key, settings.value(key).toByteArray());
    settings.endGroup();
    settings.endGroup();
    return state;
}

void writeSession(QSettings& settings, const SessionState& state)
{
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("starFile"), state.starFile);
    settings.setValue(QStringLiteral("vertexFile"), state.vertexFile);
    settings.setValue(QStringLiteral("faceFile"), state.faceFile);
    settings.setValue(QStringLiteral("tab"), state.tab);
    settings.setValue(QStringLiteral("geometry"), state.geometry);
    settings.setValue(kRecent, state.recentFiles);
    for (auto it = state.texts.begin(); it != state.texts.end(); ++it)
        settings.setValue(QStringLiteral("texts/") + it.key(), it.value());
    for (auto it = state.checks.begin(); it != state.checks.end(); ++it)
        settings.setValue(QStringLiteral("checks/") + it.key(), it.value());
    for (auto it = state.windowPlaces.begin(); it != state.windowPlaces.end(); ++it)
        settings.setValue(QStringLiteral("windowPlaces/") + it.key(), it.value());
    settings.endGroup();
}

void writeRecentFiles(QSettings& settings, const QStringList& recent)
{
    settings.setValue(kGroup + QLatin1Char('/') + kRecent, recent);
}

} // namespace ui
