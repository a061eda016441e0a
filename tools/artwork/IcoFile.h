// Icon, cursor and bitmap files for Windows, written from pictures.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

namespace vellumet::artwork {

// Windows' picture files. Each holds its pictures as device-independent
// bitmaps, in forms that every Windows version reads.

// An icon file holding each picture as a 32-bit image with its transparency
// mask. Pictures must be 1 to 256 pixels on each side.
QByteArray IcoFileOf(const QList<QImage>& pictures);

// A cursor file of one two-colour picture: every opaque pixel is black or
// white, the rest transparent. The hot spot is the pixel the pointer points with.
QByteArray CurFileOf(const QImage& picture, QPoint hotSpot);

// A bitmap file of an opaque picture: 8 bits a pixel with its colour table
// for an indexed picture, 24 bits a pixel otherwise.
QByteArray BmpFileOf(const QImage& picture);

} // namespace vellumet::artwork
