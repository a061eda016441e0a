#include "TabControl.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace vellumet {

TabControl::TabControl(QWidget* parent)
    : QWidget(parent)
    , tabStrip(new QTabBar(this))
{
    tabStrip->setObjectName(QStringLiteral("tabStrip"));
    tabStrip->setDrawBase(false);
    tabStrip->setExpanding(false);
    tabStrip->setUsesScrollButtons(false);
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(tabStrip);
    connect(tabStrip, &QTabBar::currentChanged, this, &TabControl::showPage);
}

QWidget* TabControl::addTab(const QString& caption)
{
    auto* tabPage = new QWidget(this);
    tabPage->setGeometry(rect());
    tabPage->hide(); // the strip shows the page when its tab becomes current
    pages.append(tabPage);
    tabStrip->addTab(caption);
    tabStrip->raise();
    tabStrip->resize(tabStrip->sizeHint());
    return tabPage;
}

int TabControl::count() const { return int(pages.size()); }

QWidget* TabControl::page(int index) const { return pages.value(index); }

int TabControl::currentIndex() const { return tabStrip->currentIndex(); }

void TabControl::setCurrentIndex(int index) { tabStrip->setCurrentIndex(index); }

void TabControl::showPage(int index)
{
    // Hide first, so that the focus leaves the old page before the new one shows.
    for (int i = 0; i < pages.size(); ++i)
        if (i != index)
            pages[i]->hide();
    if (QWidget* shown = page(index))
        shown->show();
    emit currentChanged(index);
}

void TabControl::paintEvent(QPaintEvent*)
{
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = tabStrip->shape();
    frame.tabBarSize = tabStrip->size();
    frame.tabBarRect = tabStrip->geometry();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    frame.rect = rect().adjusted(0, tabStrip->height() - overlap, 0, 0);
    QStylePainter(this).drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

void TabControl::resizeEvent(QResizeEvent*)
{
    for (QWidget* tabPage : pages)
        tabPage->setGeometry(rect());
}

} // namespace vellumet
