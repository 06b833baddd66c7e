#include "ui/tab_control.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace ui {

TabControl::TabControl(QWidget* parent) : QWidget(parent), m_tabBar(new QTabBar(this))
{
    m_tabBar->setExpanding(true);
    m_tabBar->setUsesScrollButtons(false);
    m_tabBar->setElideMode(Qt::ElideNone);
    m_tabBar->setDrawBase(false);
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::showPage);
}

QWidget* TabControl::addTab(const QString& caption)
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("page%1").arg(m_pages.size()));
    page->setGeometry(rect());
    m_pages.push_back(page);
    m_tabBar->addTab(caption);
    m_tabBar->raise();
    showPage(m_tabBar->currentIndex());
    layoutParts();
    return page;
}

QWidget* TabControl::page(int index) const
{
    return index >= 0 && index < count() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

int TabControl::count() const { return static_cast<int>(m_pages.size()); }

int TabControl::currentIndex() const { return m_tabBar->currentIndex(); }

void TabControl::setCurrentIndex(int index) { m_tabBar->setCurrentIndex(index); }

void TabControl::showPage(int index)
{
    for (int i = 0; i < count(); ++i)
        m_pages[static_cast<std::size_t>(i)]->setVisible(i == index);
}

void TabControl::layoutParts()
{
    m_tabBar->setGeometry(0, 0, width(), m_tabBar->sizeHint().height());
    for (QWidget* page : m_pages)
        page->setGeometry(rect());
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutParts();
}

void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = m_tabBar->size();
    frame.rect = rect().adjusted(0, m_tabBar->height() - 1, 0, 0);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace ui
