// The main window's keyboard: the window's own chords (WindowKeys), the
// dialog keys through IsDialogMessage (Tab, the arrow keys within an option
// group, the Alt letters of the commands), the labels' Alt letters, Esc and
// Enter, and where the focus
// goes when the window becomes active again.
#include "MainWindow.h"

#include "ui/Keyboard.h"

namespace vellumet {

namespace {

WPARAM VirtualKeyOf(Key key)
{
    switch (key) {
    case Key::Tab: return VK_TAB;
    case Key::PageUp: return VK_PRIOR;
    case Key::PageDown: return VK_NEXT;
    case Key::V: return 'V';
    case Key::Z: return 'Z';
    }
    return 0;
}

// Whether the message presses the chord: its key, with just its modifiers held of Ctrl and Shift.
bool IsChord(const MSG& message, KeyChord chord)
{
    const auto held = [](int key) { return GetKeyState(key) < 0; };
    return message.message == WM_KEYDOWN && message.wParam == VirtualKeyOf(chord.Pressed) &&
           held(VK_CONTROL) == ((chord.Modifiers & ControlHeld) != 0) &&
           held(VK_SHIFT) == ((chord.Modifiers & ShiftHeld) != 0);
}

// The label whose Alt letter the message types, if any.
std::optional<Control> LabelKeyOf(const MSG& message)
{
    if (message.message != WM_SYSCHAR || message.wParam >= 0x80)
        return std::nullopt;
    return LabelWithKey(static_cast<char>(message.wParam));
}

} // namespace

bool Win32MainWindow::TranslateKeys(MSG& message)
{
    HWND main = Window(Control::frmMain);
    if (!main)
        return false;
    if (message.hwnd != main && !IsChild(main, message.hwnd))
        return IsDialogMessageW(main, &message);
    // Taken before the dialog keys, which would make Ctrl+Tab a Tab, and
    // before the focused control, which would type it; an edit control keeps
    // Ctrl+Z while frmMain does not take it.
    for (const KeyChord& chord : WindowKeys)
        if (IsChord(message, chord) && form.Takes(chord.Does)) {
            form.KeyPressed(chord.Does);
            return true;
        }
    // Taken before the dialog manager, which looks for a letter only among the
    // controls that show, and would not show the label's tab.
    if (const auto label = LabelKeyOf(message)) {
        form.LabelKeyPressed(*label);
        return true;
    }
    return IsDialogMessageW(main, &message);
}

// IsDialogMessage makes Esc into IDCANCEL and Enter into IDOK. Enter on a
// command button presses it, and the edit controls keep Enter for themselves.
void Win32MainWindow::OnDialogKey(int id)
{
    if (id == IDCANCEL)
        return form.Clicked(EscapePresses);
    if (const auto focused = ControlOf(GetFocus()); focused && EnterPresses(*focused))
        form.Clicked(*focused);
}

std::optional<LRESULT> Win32MainWindow::OnFocusMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    // What a dialog box does: the focus goes to the next control, or to the one given.
    case WM_NEXTDLGCTL:
        if (HWND next = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window, GetFocus(), wParam != 0))
            SetFocus(next);
        return 0;
    // The system gives the focus of a window that becomes active to the window
    // itself; it goes back to the control that had it when the window was last
    // active, which keeps its caret and selection: frmMain hears of no arrival.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focused = GetFocus(); focused && IsChild(window, focused))
                lastFocus = ControlOf(focused).value_or(lastFocus);
        } else if (!HIWORD(wParam)) {
            returningFocus = true;
            SetFocus(Window(lastFocus));
            returningFocus = false;
            return 0;
        }
        return std::nullopt;
    default: return std::nullopt;
    }
}

} // namespace vellumet
