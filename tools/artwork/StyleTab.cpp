#include "StyleTab.h"

#include "platform/qt/QtPlatform.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/TabControl.h"

#include <QApplication>
#include <QTabBar>

namespace vellumet::artwork {

QImage GrabStyleTab()
{
    QtPlatform platform;
    QtMainWindow window(platform);
    auto* tabs = static_cast<TabControl*>(window.Widget(Control::SSTab1));
    tabs->setCurrentIndex(2);
    window.show();
    QApplication::processEvents();
    // A focus frame on the tab strip would only be noise in the picture.
    tabs->strip()->clearFocus();
    return tabs->grab().toImage();
}

} // namespace vellumet::artwork
