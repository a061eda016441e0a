#pragma once

#include "codegen/MessageBoxOptions.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The artwork that ships inside the program.
namespace vellumet::pictures {

// The information picture at 16 and 32 pixels: the window's and the program's icon.
QIcon ApplicationIcon();
// The 32-pixel picture of an icon choice; none for NoIcon.
QIcon IconPicture(IconChoice icon);
QCursor HandPointer();
QPixmap AboutPicture();
QPixmap SplashLogo();

} // namespace vellumet::pictures
