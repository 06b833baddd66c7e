#include "ui/globe_preview_window.h"

#include "ui/fonts.h"
#include "ui/globe_view.h"
#include "ui/screen_fit.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace ui {

GlobePreviewWindow::GlobePreviewWindow(globe::GlobeModel model, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("GlobePreview"));
    setFont(windowFont());
    const QString caption = tr("天球儀プレビュー");
    setWindowTitle(title.isEmpty() ? caption : caption + QStringLiteral(" — ") + title);

    m_outside = new QRadioButton(tr("外側から"), this);
    m_outside->setObjectName(QStringLiteral("GlobeOutside"));
    m_outside->setChecked(true);
    m_inside = new QRadioButton(tr("内側から（地上から見た空）"), this);
    m_inside->setObjectName(QStringLiteral("GlobeInside"));
    auto* side = new QButtonGroup(this);
    side->addButton(m_outside);
    side->addButton(m_inside);
    m_reset = new QPushButton(tr("視点を戻す"), this);
    m_reset->setObjectName(QStringLiteral("GlobeReset"));
    m_hint = new QLabel(tr("ドラッグで回転、ホイールで拡大・縮小"), this);
    m_hint->setObjectName(QStringLiteral("GlobeHint"));
    // On a narrow screen the hint takes more lines rather than widening the window.
    m_hint->setWordWrap(true);

    m_view = new GlobeView(this);
    m_view->setModel(std::move(model));

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_outside);
    controls->addWidget(m_inside);
    controls->addSpacing(12);
    controls->addWidget(m_reset);
    controls->addStretch(1);
    controls->addWidget(m_hint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(controls);
    layout->addWidget(m_view, 1);

    connect(m_inside, &QRadioButton::toggled, m_view, &GlobeView::setInside);
    connect(m_reset, &QPushButton::clicked, m_view, &GlobeView::resetView);
    connect(m_view, &GlobeView::orientationChanged, this, [this](const globe::GlobeOrientation& view) {
        // The buttons follow a view turned inside out from elsewhere (a test, the dialog).
        (view.inside ? m_inside : m_outside)->setChecked(true);
    });
    // Keys: arrows turn, + and − zoom, Home resets, Esc and Ctrl+W close.
    const auto key = [this](const QList<QKeySequence>& keys, auto slot) {
        for (const QKeySequence& k : keys)
            connect(new QShortcut(k, this), &QShortcut::activated, this, slot);
    };
    key({QKeySequence(Qt::Key_Left)}, [this] { m_view->turnSteps(-1, 0); });
    key({QKeySequence(Qt::Key_Right)}, [this] { m_view->turnSteps(1, 0); });
    key({QKeySequence(Qt::Key_Up)}, [this] { m_view->turnSteps(0, -1); });
    key({QKeySequence(Qt::Key_Down)}, [this] { m_view->turnSteps(0, 1); });
    key({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)}, [this] { m_view->zoomSteps(1); });
    key({QKeySequence(Qt::Key_Minus)}, [this] { m_view->zoomSteps(-1); });
    key({QKeySequence(Qt::Key_Home)}, [this] { m_view->resetView(); });
    key({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}, [this] { close(); });
    m_hint->setToolTip(tr("矢印キーで回転、+ / − で拡大・縮小、Home で視点を戻す、Esc で閉じる"));
    resize(720, 760);
}

void GlobePreviewWindow::setModel(globe::GlobeModel model) { m_view->setModel(std::move(model)); }

GlobePreviewWindow* openGlobePreview(QWidget* parent, globe::GlobeModel model, const QString& title)
{
    auto* window = new GlobePreviewWindow(std::move(model), title, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    keepOnScreen(*window);
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace ui
