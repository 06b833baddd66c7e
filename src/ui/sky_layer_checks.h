#pragma once

#include "sky/sky_data.h"
#include "ui/language.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace ui {

/// The drawing windows' compact row of sky layer boxes: constellation lines (SkyLines), names
/// (SkyNames), boundaries (SkyBounds), the grid (SkyGrid), the ecliptic (SkyEcliptic) and star
/// names (SkyStarNames). All are clear when made, so the drawings stay as they always were;
/// the Draw reads them, and the main window draws its last drawing again when one changes.
/// A list after them (SkyNamesLanguage) chooses the language of the names: at first the
/// interface's (Japanese, English or Spanish), or any other of the name data.
class SkyLayerChecks : public QWidget
{
    Q_OBJECT

public:
    explicit SkyLayerChecks(QWidget* parent = nullptr);

    /// The layers ticked: the grid every 10°, star names to magnitude 1.5, names in the
    /// language chosen in the list.
    sky::SkyLayerOptions options() const;
    /// The box of the given object name, or null.
    QCheckBox* box(const QString& objectName) const;

signals:
    /// A box was ticked or cleared.
    void changed();

private:
    QCheckBox* m_lines;
    QCheckBox* m_names;
    QCheckBox* m_bounds;
    QCheckBox* m_grid;
    QCheckBox* m_ecliptic;
    QCheckBox* m_starNames;
    QComboBox* m_language;
};

/// The language of the names that goes with the interface language `shown`.
sky::Language namesLanguageOf(Language shown);

/// The layers `checks` asks for; with no checks, none, and names in the interface's language.
sky::SkyLayerOptions skyLayersOf(const SkyLayerChecks* checks);

/// What `checks` asks for, with the sky data read from the bundled data folder; none when
/// `checks` is null or nothing is ticked. Throws text::InputError naming the file when the
/// data cannot be read.
sky::SkyRequest skyRequest(const SkyLayerChecks* checks);

/// `layers` with the sky data read from the bundled data folder; no data when nothing is asked
/// for. Throws text::InputError naming the file when the data cannot be read.
sky::SkyRequest skyRequest(const sky::SkyLayerOptions& layers);

} // namespace ui
