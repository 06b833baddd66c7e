#pragma once

#include <QWidget>

#include <vector>

class QTabBar;

namespace ui {

/// Tabs in one row over a framed panel. Each page covers the whole control, tab strip
/// included, so the controls on a page are placed from the control's top-left corner.
class TabControl : public QWidget
{
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent = nullptr);

    /// Adds a tab captioned `caption`; returns its page, to put controls on.
    QWidget* addTab(const QString& caption);
    /// The page of tab `index`.
    QWidget* page(int index) const;
    /// Number of tabs.
    int count() const;
    /// Index of the selected tab.
    int currentIndex() const;
    /// Selects tab `index`.
    void setCurrentIndex(int index);
    /// The tab strip.
    QTabBar* tabBar() const { return m_tabBar; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage(int index);
    void layoutParts();

    QTabBar* m_tabBar;
    std::vector<QWidget*> m_pages;
};

} // namespace ui
