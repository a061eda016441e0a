// The Win32 program's pictures from its resources, at the size a screen's
// resolution asks for.
#pragma once

#include "ui/Layout.h"

#include <windows.h>

namespace vellumet {

// The pixels a length of the 96 dpi layout takes at `dpi`.
int PixelsAt(int pixels, UINT dpi);

// The picture of an icon option `side` pixels square, from the size of its
// icon resource nearest above it; none for None and the about picture.
HICON LoadIconPicture(PictureKind picture, int side);

// A picture that leaves everything under it as it was. A button with the
// BS_ICON style but no icon would draw its window text instead.
HICON BlankIcon(int side);

// A bitmap drawn at 1x as `resource` and at 2x as `largeResource`, at the size
// for `dpi`: above 96 dpi the 2x drawing, brought to that size.
HBITMAP LoadScaledBitmap(int resource, int largeResource, UINT dpi);

// The resolution of the monitor the window is on; before Windows 10 the
// resolution of the whole screen, which is 96 at the standard setting.
UINT DpiOf(HWND window);

} // namespace vellumet
