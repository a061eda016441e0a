#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace vellumet::artwork {

// A Windows icon file holding each picture as a 32-bit image with its
// transparency mask, the form every Windows version reads. Pictures must be
// 1 to 256 pixels on each side.
QByteArray IcoFileOf(const QList<QImage>& pictures);

} // namespace vellumet::artwork
