// Centring a window, frame included, on the part of its screen that windows may use.
#include "CentreOnScreen.h"

#include <QScreen>
#include <QWidget>

namespace vellumet {

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace vellumet
