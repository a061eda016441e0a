// A grab of the main window's Style tab, for the about picture.
#pragma once

#include <QImage>

namespace vellumet::artwork {

// A picture of the main window's tab control with the Style tab showing,
// 369 x 457 pixels times `scale`, drawn at that scale, for the about picture.
QImage GrabStyleTab(int scale);

} // namespace vellumet::artwork
