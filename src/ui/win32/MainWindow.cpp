// The main window's messages: what the user does to a control goes to frmMain
// as its event, and what frmMain sets is shown on the control.
#include "MainWindow.h"

#include "WindowSupport.h"
#include "platform/win32/WideText.h"
#include "ui/LinkColours.h"

#include <commctrl.h>

#include <optional>
#include <utility>

namespace vellumet {

namespace {

bool HighContrast()
{
    HIGHCONTRASTW theme{};
    theme.cbSize = sizeof theme;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof theme, &theme, 0) && (theme.dwFlags & HCF_HIGHCONTRASTON);
}

// The colour under the controls, as a system colour index. A high-contrast
// theme has its own window colour; otherwise the window has the colour of an
// active window's border, #B4B4B4 in Windows 10's theme.
int WindowBackground() { return HighContrast() ? COLOR_WINDOW : COLOR_ACTIVEBORDER; }

void FillWithWindowColour(HWND window, HDC context)
{
    RECT client;
    GetClientRect(window, &client);
    FillRect(context, &client, GetSysColorBrush(WindowBackground()));
}

// Colours of the table are 0x00BBGGRR, as COLORREF is; one with the top bit
// set names a system colour.
COLORREF ColourOf(unsigned colour)
{
    constexpr unsigned SystemColourFlag = 0x80000000;
    return (colour & SystemColourFlag) ? GetSysColor(static_cast<int>(colour & 0xFF)) : static_cast<COLORREF>(colour);
}

} // namespace

Win32MainWindow::Win32MainWindow(Platform& platform, ControlsBuilt controls)
    : platform(platform)
    , form(platform, *this)
{
    if (controls == ControlsBuilt::Now)
        Build();
}

Win32MainWindow::~Win32MainWindow()
{
    if (HWND window = Window(Control::frmMain))
        DestroyWindow(window);
}

std::optional<Control> Win32MainWindow::ControlOfId(int id)
{
    if (id < ControlIdBase || id >= ControlIdBase + static_cast<int>(ControlCount))
        return std::nullopt;
    return static_cast<Control>(id - ControlIdBase);
}

void Win32MainWindow::Show(Control control, Property property)
{
    const ControlState& state = form.State(control);
    HWND window = Window(control);
    // A window not made yet shows the state when it is made.
    if (!window)
        return;
    switch (property) {
    case Property::Text: {
        const std::wstring text = Wide(state.Text);
        if (text == TextOf(window))
            break;
        if (IsTextField(control))
            ShowFieldText(window, text);
        else
            SetWindowTextW(window, text.c_str());
        if (LayoutOf(control).Kind == ControlKind::AutoSizeLabel)
            FitToCaption(control);
        break;
    }
    case Property::Value:
        if (LayoutOf(control).Kind == ControlKind::DropDownList)
            SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(state.Value), 0);
        else
            SendMessageW(window, BM_SETCHECK, state.Value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Property::Enabled: EnableWindow(window, state.Enabled); break;
    case Property::ForeColor: InvalidateRect(window, nullptr, TRUE); break;
    case Property::Selection: ShowSelection(control, window); break;
    }
}

void Win32MainWindow::ShowTab(int tab)
{
    TabCtrl_SetCurSel(Window(Control::SSTab1), tab);
    ShowPage(tab);
}

void Win32MainWindow::ShowPage(int tab)
{
    // The old page hides first, so that the focus leaves it before the new one shows.
    for (std::size_t page = 0; page < pages.size(); ++page)
        if (static_cast<int>(page) != tab)
            ShowWindow(pages[page], SW_HIDE);
    ShowWindow(Page(tab), SW_SHOW);
}

void Win32MainWindow::MoveFocus(Control control) { SetFocus(Window(control)); }

void Win32MainWindow::Unload() { SendMessageW(Window(Control::frmMain), WM_CLOSE, 0, 0); }

WindowHandle Win32MainWindow::Handle() { return reinterpret_cast<WindowHandle>(Window(Control::frmMain)); }

LRESULT CALLBACK Win32MainWindow::MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->OnMainMessage(window, message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(page, GWLP_USERDATA));
    // Where no control covers it, the page is the tab control's own surface.
    if (self && message == WM_MOUSEMOVE)
        self->form.MouseMoved(Control::SSTab1);
    if (self)
        if (const auto handled = self->OnContainerMessage(page, message, wParam, lParam))
            return *handled;
    return DefWindowProcW(page, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, ControlProc, SubclassId);
    if (const auto id = ControlOf(control))
        return reinterpret_cast<Win32MainWindow*>(self)->OnControlMessage(*id, control, message, wParam, lParam);
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT Win32MainWindow::OnMainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const auto handled = OnFocusMessage(window, message, wParam, lParam))
        return *handled;
    switch (message) {
    case CallDroppedMessage: ReadDroppedCall(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == Window(Control::SSTab1) && header->code == TCN_SELCHANGE) {
            const int tab = TabCtrl_GetCurSel(header->hwndFrom);
            ShowPage(tab);
            form.TabSelected(tab);
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return Colour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE: form.MouseMoved(Control::frmMain); return 0;
    case WM_ERASEBKGND: FillWithWindowColour(window, reinterpret_cast<HDC>(wParam)); return TRUE;
    // A theme switched on or off repaints the window in its colours.
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); break;
    case WM_SHOWWINDOW:
        if (wParam && !std::exchange(centred, true))
            CentreOnScreen(window);
        break;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        Place(HIWORD(wParam));
        SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        if (form.UnloadQuery()) {
            DestroyWindow(window);
            PostQuitMessage(0);
        }
        return 0;
    case WM_DESTROY: StopAcceptingDrops(); break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        windows.fill(nullptr);
        pages.fill(nullptr);
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32MainWindow::OnCommand(int id, int code, HWND control)
{
    if (id == IDOK || id == IDCANCEL)
        return OnDialogKey(id);
    const auto source = ControlOfId(id);
    if (!source)
        return;
    if (code == EN_CHANGE && !showingText)
        form.Edited(*source, Utf8(TextOf(control)));
    // A label's STN_DBLCLK has the same code as a list's CBN_SELCHANGE.
    else if (code == CBN_SELCHANGE && LayoutOf(*source).Kind == ControlKind::DropDownList)
        form.Picked(*source, static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    // A label's STN_CLICKED has the same code as a button's BN_CLICKED.
    else if (code == BN_CLICKED && !IsTextField(*source))
        form.Clicked(*source);
}

LRESULT Win32MainWindow::Colour(UINT message, HDC context, HWND control)
{
    const auto source = ControlOf(control);
    // A disabled text field keeps the system's look.
    if (!source || IsTextField(*source))
        return DefWindowProcW(Window(Control::frmMain), message, reinterpret_cast<WPARAM>(context),
                              reinterpret_cast<LPARAM>(control));
    // A colour of the form is painted in a shade that reads well on the window.
    const int background = WindowBackground();
    const bool highContrast = background == COLOR_WINDOW;
    const TextGround ground{GetSysColor(background),
                            highContrast ? std::optional<unsigned>(GetSysColor(COLOR_HOTLIGHT)) : std::nullopt};
    if (const unsigned colour = form.State(*source).ForeColor; colour != SystemTextColour && IsWindowEnabled(control))
        SetTextColor(context, ShownTextColour(ColourOf(colour), ground));
    else if (highContrast)
        SetTextColor(context, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(context, ground.Background);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

// Pages and frames hold controls: what the controls tell their parent goes on
// to the main window, and they paint the window's colour under them.
std::optional<LRESULT> Win32MainWindow::OnContainerMessage(HWND container, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSCROLLBAR:
    case WM_NEXTDLGCTL: return SendMessageW(Window(Control::frmMain), message, wParam, lParam);
    // A multi-line field in a dialog closes its parent on Esc, as a dialog box takes it.
    case WM_CLOSE: OnDialogKey(IDCANCEL); return 0;
    case WM_ERASEBKGND: FillWithWindowColour(container, reinterpret_cast<HDC>(wParam)); return TRUE;
    case WM_PRINTCLIENT: FillWithWindowColour(container, reinterpret_cast<HDC>(wParam)); return 0;
    default: return std::nullopt;
    }
}

LRESULT Win32MainWindow::OnControlMessage(Control control, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const ControlLayout& row = LayoutOf(control);
    switch (message) {
    case WM_SETFOCUS: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (!returningFocus)
            form.GotFocus(control);
        return result;
    }
    case WM_MOUSEMOVE:
        if (frmMain::Handles(control, Event::MouseMove))
            form.MouseMoved(control);
        break;
    case WM_SETCURSOR:
        if (row.Pointer == PointerKind::Hand) {
            SetCursor(handPointer);
            return TRUE;
        }
        break;
    default: break;
    }
    if (IsTextField(control))
        if (const auto handled = OnFieldMessage(control, window, message, wParam, lParam))
            return *handled;
    if (IsContainer(control))
        if (const auto handled = OnContainerMessage(window, message, wParam, lParam))
            return *handled;
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace vellumet
