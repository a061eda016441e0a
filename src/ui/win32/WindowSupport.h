// What the program's windows share: the module their resources come from,
// the way their window classes are made, their place on the screen, and
// reading their text.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace vellumet {

HINSTANCE ProgramInstance();

// A window class of the program with the system's arrow pointer. A class
// without a background brush paints its own background.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background = nullptr);

// Moves a window into the middle of the working area of the monitor it is on.
void CentreOnScreen(HWND window);

// The window's text, as the system keeps it.
std::wstring TextOf(HWND window);

// Where an edit control's selection starts and ends, in UTF-16 units.
std::pair<DWORD, DWORD> SelectionOf(HWND field);

} // namespace vellumet
