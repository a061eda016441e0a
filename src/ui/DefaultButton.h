#pragma once

#include <string>

namespace vellumet {

// No longer read: frmMain keeps the default button's caption itself
// (frmMain::DefaultButtonCaption). It stays only while the Win32 window
// tests still clear it before each test.
extern std::string DefaultButtonCaption;

} // namespace vellumet
