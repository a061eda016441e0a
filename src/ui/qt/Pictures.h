#pragma once

#include "ui/Layout.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The artwork that ships inside the program.
namespace vellumet::pictures {

// The information picture at 16 and 32 pixels: the window's and the program's icon.
QIcon ApplicationIcon();
// The 32-pixel picture of an icon option; none for None and the about picture.
QIcon IconPicture(PictureKind picture);
QCursor HandPointer();
QPixmap AboutPicture();
QPixmap SplashLogo();

} // namespace vellumet::pictures
