// The main window's keyboard, for every desktop: the order in which the focus
// goes through the controls, and the keys the window takes itself.
#pragma once

#include "Layout.h"

#include <optional>
#include <span>
#include <string_view>

namespace vellumet {

// Every control but the window, in the order of the tab indexes, which is the
// order Tab walks: the tab control first, as the controls of its tabs stand on
// it, and a label that stands among the options of a group after the group,
// so that the arrow keys go from option to option. Tab stops at the controls
// that take the focus (TakesFocus) while the user can reach them; an option
// group is one stop, at its selected option, and the arrow keys select the
// previous or next option of the group, wrapping round, as a click would.
std::span<const Control> KeyboardOrder();

// Enter presses the command button that has the focus; any other control
// takes the key itself, so that Enter breaks lines in the body.
bool EnterPresses(Control focused);

// Esc presses this button, wherever the focus is.
inline constexpr Control EscapePresses = Control::cmdReset;

enum KeyModifiers : unsigned { NoModifiers = 0, ControlHeld = 1, ShiftHeld = 2 };

// A key, as its capital letter, with the modifiers held down.
struct KeyChord {
    char Key;
    unsigned Modifiers;
};

// Reads a MsgBox call from the clipboard (frmMain::CallPasted), wherever the focus is.
inline constexpr KeyChord ReadCallKey{'V', ControlHeld | ShiftHeld};

// The Alt letters of the command buttons are those their captions mark with '&'.

// The letter a caption marks with '&' as its Alt letter, as a capital; none where
// it marks none ("&&" stands for a plain '&').
std::optional<char> MarkedLetter(std::string_view caption);

// Alt with the letter a label marks puts the focus on the control the label
// names (FieldLabelledBy), first showing the label's tab if another is showing
// (frmMain::LabelKeyPressed). These letters and their labels:
struct LabelKey {
    char Letter; // a capital
    Control Label;
};
std::span<const LabelKey> LabelKeys();
// The label whose letter it is, in either case.
std::optional<Control> LabelWithKey(char letter);

} // namespace vellumet
