// The about box picture: a grab of the Style tab in a speech balloon, with the program's name, version and maker.
#pragma once

#include <QImage>

namespace vellumet::artwork {

// The about box picture, 353 x 418 pixels times `scale` in at most 256
// colours: the upper part of `styleTab` (a grab of the tab control showing the
// Style tab, at the same scale) inside a large speech balloon, with the
// program's name, version and maker below it.
QImage DrawAboutPicture(const QImage& styleTab, int scale);

} // namespace vellumet::artwork
