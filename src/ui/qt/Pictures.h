// The Qt program's icons, hand pointer and pictures, from the artwork built into it.
#pragma once

#include "ui/Layout.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The artwork that ships inside the program.
namespace vellumet::pictures {

// The information picture at every size drawn: the window's and the program's icon.
QIcon ApplicationIcon();
// The picture of an icon option, drawn at 32 pixels and at 48 and 64 for
// larger scales; none for None and the about picture.
QIcon IconPicture(PictureKind picture);
QCursor HandPointer();
// The pictures at a device pixel ratio: above 1 the twice-as-large drawing,
// brought to the screen's pixels, so that they stay sharp at any scale.
QPixmap AboutPicture(qreal devicePixelRatio);
QPixmap SplashLogo(qreal devicePixelRatio);

} // namespace vellumet::pictures
