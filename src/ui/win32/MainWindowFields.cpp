// The main window's text fields against frmMain's texts: frmMain counts
// characters where the edit control counts UTF-16 units, a one-line field
// takes pasted line breaks as spaces, and a click into a field selects its
// whole text as the focus arriving by key does.
#include "MainWindow.h"

#include "WindowSupport.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

namespace vellumet {

namespace {

// Where the text reaches `characters` characters, in UTF-16 units: a
// character beyond 16 bits takes two.
std::size_t UnitsOf(std::wstring_view text, std::size_t characters)
{
    std::size_t units = 0;
    for (; units < text.size() && characters > 0; --characters)
        units += IS_HIGH_SURROGATE(text[units]) && units + 1 < text.size() && IS_LOW_SURROGATE(text[units + 1]) ? 2 : 1;
    return units;
}

} // namespace

// A field being typed into keeps its caret as far from the end as it was.
void Win32MainWindow::ShowFieldText(HWND field, const std::wstring& text)
{
    const std::wstring shown = TextOf(field);
    const bool typing = GetFocus() == field;
    const std::size_t afterCaret =
        typing ? shown.size() - std::min<std::size_t>(SelectionOf(field).second, shown.size()) : 0;
    showingText = true;
    SetWindowTextW(field, text.c_str());
    showingText = false;
    if (typing) {
        const auto caret = static_cast<WPARAM>(text.size() - std::min(afterCaret, text.size()));
        SendMessageW(field, EM_SETSEL, caret, static_cast<LPARAM>(caret));
    }
}

void Win32MainWindow::ShowSelection(Control field, HWND window)
{
    const ControlState& state = form.State(field);
    const std::wstring text = TextOf(window);
    const std::size_t start = UnitsOf(text, state.SelStart);
    const std::size_t end = start + UnitsOf(std::wstring_view(text).substr(start), state.SelLength);
    SendMessageW(window, EM_SETSEL, start, static_cast<LPARAM>(end));
}

std::optional<LRESULT> Win32MainWindow::OnFieldMessage(Control field, HWND window, UINT message, WPARAM wParam,
                                                       LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN: {
        const bool arriving = GetFocus() != window;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (arriving && GetFocus() == window)
            focusedByClick = field;
        return result;
    }
    // The click placed the caret after the field had selected its text on
    // taking the focus; unless it selected something itself, the whole text is selected again.
    case WM_LBUTTONUP: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        const auto [start, end] = SelectionOf(window);
        if (std::exchange(focusedByClick, std::nullopt) == field && GetFocus() == window && start == end)
            form.GotFocus(field);
        return result;
    }
    // A one-line field takes pasted line breaks as spaces, as frmMain keeps them.
    // It reads the clipboard through the platform, which waits for a clipboard
    // another program holds for a moment and reads no further than its memory.
    case WM_PASTE:
        if (LayoutOf(field).Kind == ControlKind::TextBox) {
            if (const std::string pasted = platform.ClipboardText(); !pasted.empty()) {
                const std::wstring line = Wide(frmMain::FittedText(field, pasted));
                SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
            }
            return 0;
        }
        return std::nullopt;
    default: return std::nullopt;
    }
}

} // namespace vellumet
