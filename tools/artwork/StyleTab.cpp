// Grabbing the Style tab: the main window opened on that tab, and its tab control rendered at the asked scale.
#include "StyleTab.h"

#include "platform/qt/QtPlatform.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/TabControl.h"

#include <QApplication>
#include <QImage>
#include <QTabBar>

namespace vellumet::artwork {

QImage GrabStyleTab(int scale)
{
    QtPlatform platform;
    QtMainWindow window(platform);
    auto* tabs = static_cast<TabControl*>(window.Widget(Control::SSTab1));
    tabs->setCurrentIndex(2);
    window.show();
    QApplication::processEvents();
    // A focus frame on the tab strip would only be noise in the picture.
    tabs->strip()->clearFocus();
    // Drawn on a picture of that many pixels to each of the window's, the text,
    // lines and icons are drawn as sharply as a screen at that scale shows them.
    QImage picture(tabs->size() * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    tabs->render(&picture);
    picture.setDevicePixelRatio(1);
    return picture;
}

} // namespace vellumet::artwork
