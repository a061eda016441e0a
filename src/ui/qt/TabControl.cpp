// The tab control: its pages, its tab strip drawn as outlines, and the outline of the pages under the strip.
#include "TabControl.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTabBar>

namespace vellumet {
namespace {

// How much lower a tab stands than the selected one.
constexpr int UnselectedDrop = 2;

QColor LineColour(const QWidget& widget) { return widget.palette().color(QPalette::Dark); }

// Tabs drawn as outlines on the window's own colour: the selected tab stands
// higher and opens into its page, so that the two read as one surface.
class TabStrip : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int tab = 0; tab < count(); ++tab)
            paintTab(painter, tab);
    }

private:
    void paintTab(QPainter& painter, int tab)
    {
        const bool selected = tab == currentIndex();
        const QRect shape = tabRect(tab).adjusted(0, selected ? 0 : UnselectedDrop, -1, 0);
        if (selected) // covers the page's top line below the tab
            painter.fillRect(shape.adjusted(1, 1, -1, 0), palette().window());
        painter.setPen(LineColour(*this));
        painter.drawPolyline(QPolygon{{shape.left(), shape.bottom()},
                                      {shape.left(), shape.top() + 1},
                                      {shape.left() + 1, shape.top()},
                                      {shape.right() - 1, shape.top()},
                                      {shape.right(), shape.top() + 1},
                                      {shape.right(), shape.bottom()}});
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(shape, Qt::AlignCenter, tabText(tab));
        if (selected && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = fontMetrics().boundingRect(shape, Qt::AlignCenter, tabText(tab)).adjusted(-2, 0, 2, 0);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
};

} // namespace

TabControl::TabControl(QWidget* parent)
    : QWidget(parent)
    , tabStrip(new TabStrip(this))
{
    tabStrip->setObjectName(QStringLiteral("tabStrip"));
    tabStrip->setExpanding(false);
    tabStrip->setUsesScrollButtons(false);
    // A click on a tab takes the focus to the strip, before the page it leaves hides.
    tabStrip->setFocusPolicy(Qt::StrongFocus);
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

// The pages' outline, under the tab strip; the selected tab covers the part of its top line below it.
void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(LineColour(*this));
    painter.drawRect(rect().adjusted(0, tabStrip->height() - 1, -1, -1));
}

void TabControl::resizeEvent(QResizeEvent*)
{
    for (QWidget* tabPage : pages)
        tabPage->setGeometry(rect());
}

} // namespace vellumet
