#include "StyleTab.h"

#include "platform/QtPlatform.h"
#include "ui/TabControl.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QTabBar>

namespace vellumet::artwork {

QImage GrabStyleTab()
{
    QtPlatform platform;
    frmMain window(platform);
    auto* tabs = window.findChild<TabControl*>(QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(2);
    window.show();
    QApplication::processEvents();
    // A focus frame on the tab strip would only be noise in the picture.
    tabs->strip()->clearFocus();
    return tabs->grab().toImage();
}

} // namespace vellumet::artwork
