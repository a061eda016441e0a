// The main window's keyboard, for every desktop: the order in which the focus
// goes through the controls, and the keys the window takes itself.
#pragma once

#include "Layout.h"

#include <array>
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

// What the window's own keys do, wherever the focus is (frmMain::KeyPressed).
enum class WindowCommand {
    ReadCall,    // read the MsgBox call on the clipboard into the window
    Undo,        // take back the last whole-window change: Reset or a call read
    NextTab,     // show the next tab, from the last the first
    PreviousTab, // show the previous tab, from the first the last
};

enum KeyModifiers : unsigned { NoModifiers = 0, ControlHeld = 1, ShiftHeld = 2 };

// The keys the window's chords are made of; each front end names them in its own terms.
enum class Key { Tab, PageUp, PageDown, V, Z };

// A key with exactly these modifiers held of Ctrl and Shift, and what it does.
struct KeyChord {
    Key Pressed;
    unsigned Modifiers;
    WindowCommand Does;
};

// The tab keys of every tabbed window, and Ctrl+Z, which a text field keeps
// for its typing while there is no whole-window change to take back. The
// Alt letters of the command buttons are those their captions mark with '&'.
inline constexpr std::array<KeyChord, 6> WindowKeys{{
    {Key::V, ControlHeld | ShiftHeld, WindowCommand::ReadCall},
    {Key::Z, ControlHeld, WindowCommand::Undo},
    {Key::Tab, ControlHeld, WindowCommand::NextTab},
    {Key::Tab, ControlHeld | ShiftHeld, WindowCommand::PreviousTab},
    {Key::PageDown, ControlHeld, WindowCommand::NextTab},
    {Key::PageUp, ControlHeld, WindowCommand::PreviousTab},
}};

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
