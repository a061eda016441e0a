// Active Accessibility for the controls of the main window.
#pragma once

#include "ui/Layout.h"

#include <windows.h>

namespace vellumet {

// Makes the control's window answer assistive technology with the name, role
// and state the layout gives the control: its name from AccessibleNameOf and
// the caption it shows, its role from RoleOf, and whether it is checked or
// out of reach. The system's own object answers everything else, so the
// control looks and behaves exactly as before.
void AnswerAccessibilityQueries(HWND window, Control control);

} // namespace vellumet
