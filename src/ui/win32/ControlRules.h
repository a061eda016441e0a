// How the Win32 front end carries the layout's kinds of control and its
// keyboard onto the button and dialog styles: which button controls keep a
// check or show a picture alone, and which windows open a group of the dialog
// keys or are a tab stop.
#pragma once

#include "ui/Layout.h"

#include <windows.h>

namespace vellumet {

// A check box or an option: the button control keeps its value as its check.
bool HasCheck(Control control);

// An option drawn as a picture alone. Its window text is its spoken name,
// never drawn, as the button shows its icon in place of its text.
bool ShowsPictureOnly(Control control);

// WS_GROUP and WS_TABSTOP as the control needs them, with the windows in the
// order of KeyboardOrder() among their siblings. The arrow keys go round a
// group, so every control opens one of its own but the options after the first
// of their option group. An option group is one tab stop, at its selected
// option, which a radio button control marks by its check: no option is a tab
// stop by its style.
DWORD DialogKeyStyle(Control control);

} // namespace vellumet
