// Placing a Qt window in the middle of its screen.
#pragma once

class QWidget;

namespace vellumet {

// Places a window, with its frame as far as it is known yet, in the middle of its screen.
void CentreOnScreen(QWidget& window);

} // namespace vellumet
