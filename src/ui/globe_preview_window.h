#pragma once

#include "globe/globe_model.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace ui {

class GlobeView;

/// A window that shows the assembled globe: the globe view, a choice between seeing it from
/// outside (GlobeOutside) and from inside (GlobeInside), a button back to the first view
/// (GlobeReset) and a line saying how to turn and zoom it. Its texts are Japanese, translated in
/// the "ui::GlobePreviewWindow" context.
class GlobePreviewWindow : public QWidget
{
    Q_OBJECT

public:
    /// A hidden top-level window showing `model`; `title` is added to the caption when not empty.
    explicit GlobePreviewWindow(globe::GlobeModel model, const QString& title = {}, QWidget* parent = nullptr);

    /// The globe view.
    GlobeView* view() const { return m_view; }
    /// Replaces the model shown, keeping the view's orientation.
    void setModel(globe::GlobeModel model);

private:
    GlobeView* m_view = nullptr;
    QRadioButton* m_outside = nullptr;
    QRadioButton* m_inside = nullptr;
    QPushButton* m_reset = nullptr;
    QLabel* m_hint = nullptr;
};

/// Opens a preview window of `model` over `parent` (may be null), shown and raised; it deletes
/// itself when closed. `title` (for example "n = 8") is added to the caption.
GlobePreviewWindow* openGlobePreview(QWidget* parent, globe::GlobeModel model, const QString& title = {});

} // namespace ui
