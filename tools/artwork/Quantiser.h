// Reducing an opaque picture to at most 256 colours.
#pragma once

#include <QImage>

namespace vellumet::artwork {

// Reduces an opaque picture to at most 256 colours (median cut, refined
// twice), without dithering so that lettering and thin lines stay clean.
// The result is Indexed8 and depends only on the picture's pixels.
QImage ReduceTo256Colours(const QImage& picture);

} // namespace vellumet::artwork
