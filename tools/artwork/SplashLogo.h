// The company logo the splash window shows.
#pragma once

#include <QImage>

namespace vellumet::artwork {

// The company name on dark blue, 225 x 45 pixels times `scale`, without an
// alpha channel. The splash window shows only the top 44 rows of each 45.
QImage DrawSplashLogo(int scale);

} // namespace vellumet::artwork
