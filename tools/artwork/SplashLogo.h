#pragma once

#include <QImage>

namespace vellumet::artwork {

// The company name on dark blue, 225 x 45, without an alpha channel. The
// splash window shows only the top 44 rows.
QImage DrawSplashLogo();

} // namespace vellumet::artwork
