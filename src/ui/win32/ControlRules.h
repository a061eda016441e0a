// What the Win32 front end reads from the layout table about the kinds of
// control and about the window's keys: which controls are options, text
// fields and containers, what makes an option group and its one tab stop,
// the order Tab walks the controls in, and what Esc, Enter and Ctrl+Shift+V do.
#pragma once

#include "ui/Layout.h"

namespace vellumet {

bool IsOption(ControlKind kind);
bool IsTextField(ControlKind kind);
// A frame, which holds other controls.
bool IsContainer(ControlKind kind);
// A check box or an option: the button control keeps its value as its check.
bool HasCheck(ControlKind kind);

// The options that share a window form a group: the arrow keys go from
// option to option within it and move nothing else. Every control opens a
// group of the dialog keys of its own but the options after the first of
// their group.
bool OpensGroup(const ControlLayout& row);

// Whether Tab stops at the control by itself. An option group is one tab
// stop, at its selected option, which the button control marks with its check.
bool IsTabStop(const ControlLayout& row);

// Sorting the controls by this key gives the order of the windows among their
// siblings, which is the order Tab walks.
int TabOrderKey(const ControlLayout& row);

// Esc presses this command, wherever the focus is.
inline constexpr Control EscapeCommand = Control::cmdReset;

// Whether Enter presses the control when it has the focus; elsewhere Enter is
// left to the control, so that it breaks lines in the body.
bool EnterPresses(ControlKind kind);

// With Ctrl and Shift held, the key that reads a MsgBox call from the
// clipboard, wherever the focus is.
inline constexpr unsigned ReadCallKey = 'V';

} // namespace vellumet
