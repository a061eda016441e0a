// A Qt tab control whose pages each cover the whole control, tab strip included.
#pragma once

#include <QWidget>

class QTabBar;

namespace vellumet {

// A row of tabs over pages, in the property-sheet look. Unlike QTabWidget, each
// page covers the whole control, tab strip included, so that controls on a
// page are placed in the control's own coordinates; the strip stays on top.
class TabControl : public QWidget {
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent = nullptr);

    // Adds a tab with its caption and returns its page, to be filled by the caller.
    QWidget* addTab(const QString& caption);

    int count() const;
    QWidget* page(int index) const;
    QTabBar* strip() const { return tabStrip; }

    int currentIndex() const;
    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage(int index);

    QTabBar* tabStrip;
    QList<QWidget*> pages;
};

} // namespace vellumet
