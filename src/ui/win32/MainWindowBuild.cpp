// Building the main window: a window for every row of the layout table, of
// the kind, style and picture the row gives, placed from the table's twips at
// the resolution of the monitor the window is on.
#include "MainWindow.h"

#include "AccessibleControl.h"
#include "ControlRules.h"
#include "Pictures.h"
#include "Resources.h"
#include "WindowSupport.h"
#include "platform/win32/SystemFunction.h"
#include "platform/win32/WideText.h"
#include "ui/Keyboard.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

namespace vellumet {

namespace {

constexpr wchar_t MainClass[] = L"frmMain";
constexpr wchar_t PageClass[] = L"SSTab1Page";
constexpr DWORD MainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD MainExStyle = WS_EX_CONTROLPARENT;
constexpr int TwipsPerInch = 1440;
constexpr int PointsPerInch = 72;
constexpr int DialogPoints = 8;
constexpr int NoticePoints = 12;
constexpr int IconSide = 32;
// A text field without a limit takes as much as the edit control can hold.
constexpr LPARAM LargestEditLimit = 0x7FFFFFFE;

struct WindowKind {
    const wchar_t* Class;
    DWORD Style;
    DWORD ExStyle;
};

WindowKind KindOf(const ControlLayout& row)
{
    // A static control lets the pointer through to its container unless it
    // has SS_NOTIFY: labels, the picture and the frames take it themselves.
    // A label shows its caption as it is unless the caption marks an Alt letter.
    constexpr DWORD TakesPointer = SS_NOTIFY;
    const DWORD label = (MarkedLetter(row.Caption) ? 0 : SS_NOPREFIX) | TakesPointer;
    switch (row.Kind) {
    case ControlKind::TabControl: return {WC_TABCONTROLW, TCS_FOCUSONBUTTONDOWN, 0};
    case ControlKind::Picture: return {WC_STATICW, SS_BITMAP | TakesPointer, 0};
    case ControlKind::Label:
    case ControlKind::AutoSizeLabel: return {WC_STATICW, SS_LEFTNOWORDWRAP | label, 0};
    case ControlKind::CentredLabel: return {WC_STATICW, SS_CENTER | label, 0};
    case ControlKind::TextBox: return {WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::MultiLineTextBox:
        return {WC_EDITW, ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList: return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ControlKind::CheckBox: return {WC_BUTTONW, BS_AUTOCHECKBOX, 0};
    case ControlKind::OptionButton: return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    case ControlKind::PushOption:
        return {WC_BUTTONW, BS_AUTORADIOBUTTON | BS_PUSHLIKE | (ShowsPictureOnly(row.Id) ? BS_ICON : 0u), 0};
    case ControlKind::CommandButton: return {WC_BUTTONW, BS_PUSHBUTTON, 0};
    // A frame has no caption, so its outline is an etched frame at its very
    // edge: a group box would leave room for a caption above it.
    case ControlKind::Frame: return {WC_STATICW, SS_ETCHEDFRAME | TakesPointer | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::BorderlessFrame: return {WC_STATICW, TakesPointer | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Window: break;
    }
    return {MainClass, MainStyle, MainExStyle};
}

SIZE WindowSizeFor(SIZE client, UINT dpi)
{
    static const auto adjustForDpi =
        SystemFunction<decltype(AdjustWindowRectExForDpi)>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (adjustForDpi)
        adjustForDpi(&frame, MainStyle, FALSE, MainExStyle, dpi);
    else
        AdjustWindowRectEx(&frame, MainStyle, FALSE, MainExStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace

void Win32MainWindow::Build()
{
    if (!Window(Control::frmMain))
        BuildFrame();
    BuildControls();
}

void Win32MainWindow::Enable(bool enable)
{
    enabled = enable;
    if (HWND main = Window(Control::frmMain))
        EnableWindow(main, enable);
}

void Win32MainWindow::BuildFrame()
{
    [[maybe_unused]] static const bool registered = [] {
        // The main window paints its own background, in the theme's colour.
        RegisterWindowClass(MainClass, MainProc);
        // A page paints its own background, under the controls it holds.
        RegisterWindowClass(PageClass, PageProc);
        return true;
    }();
    const ControlLayout& window = LayoutOf(Control::frmMain);
    const WindowKind kind = KindOf(window);
    HWND main = CreateWindowExW(kind.ExStyle, kind.Class, Wide(form.State(Control::frmMain).Text).c_str(),
                                kind.Style | (enabled ? 0u : WS_DISABLED), CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr, ProgramInstance(), nullptr);
    windows[static_cast<std::size_t>(Control::frmMain)] = main;
    SetWindowLongPtrW(main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    largeIcon.reset(LoadIconPicture(window.Picture, GetSystemMetrics(SM_CXICON)));
    smallIcon.reset(LoadIconPicture(window.Picture, GetSystemMetrics(SM_CXSMICON)));
    SendMessageW(main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon.get()));
    SendMessageW(main, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
    handPointer = static_cast<HCURSOR>(
        LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(VELLUMET_CURSOR_HAND), IMAGE_CURSOR, 0, 0, LR_SHARED));
}

void Win32MainWindow::BuildControls()
{
    if (Window(Control::SSTab1))
        return;
    HWND main = Window(Control::frmMain);
    // Siblings stand in the order they are made, which is the order Tab walks.
    for (Control control : KeyboardOrder())
        windows[static_cast<std::size_t>(control)] = Create(LayoutOf(control));
    Place(DpiOf(main));
    AcceptDroppedCalls();
}

HWND Win32MainWindow::ParentOf(const ControlLayout& row) const
{
    return row.Tab != NoTab ? Page(row.Tab) : Window(row.Container);
}

HWND Win32MainWindow::Create(const ControlLayout& row)
{
    const ControlState& state = form.State(row.Id);
    const WindowKind kind = KindOf(row);
    const DWORD style =
        kind.Style | WS_CHILD | WS_VISIBLE | DialogKeyStyle(row.Id) | (state.Enabled ? 0u : WS_DISABLED);
    const std::string text = ShowsPictureOnly(row.Id) ? AccessibleNameOf(row.Id, state.Text) : state.Text;
    HWND control =
        CreateWindowExW(kind.ExStyle, kind.Class, Wide(text).c_str(), style, 0, 0, 0, 0, ParentOf(row),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(row.Id))), ProgramInstance(), nullptr);
    SetWindowSubclass(control, ControlProc, SubclassId, reinterpret_cast<DWORD_PTR>(this));
    AnswerAccessibilityQueries(control, row.Id);

    if (row.Kind == ControlKind::TabControl) {
        HWND main = Window(Control::frmMain);
        for (std::size_t tab = 0; tab < TabCaptions.size(); ++tab) {
            std::wstring caption = Wide(TabCaptions[tab]);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(control, TCM_INSERTITEMW, tab, reinterpret_cast<LPARAM>(&item));
            // A page lies on the tab control; Tab reaches the controls it holds after the tab strip.
            // Its window text, never drawn, names the page to assistive technology after its tab.
            pages[tab] = CreateWindowExW(WS_EX_CONTROLPARENT, PageClass, caption.c_str(),
                                         WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, main, nullptr,
                                         ProgramInstance(), nullptr);
            SetWindowLongPtrW(pages[tab], GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        }
        TabCtrl_SetCurSel(control, form.SelectedTab());
        ShowPage(form.SelectedTab());
    } else if (row.Kind == ControlKind::DropDownList) {
        for (std::string_view item : ItemsOf(row.Id))
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(state.Value), 0);
    } else if (IsTextField(row.Id)) {
        SendMessageW(control, EM_SETLIMITTEXT, row.MaxLength == NoLimit ? LargestEditLimit : row.MaxLength, 0);
    } else if (HasCheck(row.Id)) {
        // A selected option takes the tab stop of its group with its check.
        SendMessageW(control, BM_SETCHECK, state.Value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return control;
}

int Win32MainWindow::Scaled(int twips) const { return MulDiv(twips, static_cast<int>(dpi), TwipsPerInch); }

HFONT Win32MainWindow::FontOf(FontKind kind) const
{
    switch (kind) {
    case FontKind::Dialog: break;
    case FontKind::Notice: return noticeFont.get();
    case FontKind::UnderlinedNotice: return underlinedNoticeFont.get();
    }
    return dialogFont.get();
}

// The pictures drawn for the resolution: the icon options' icons and the
// about picture. The old ones go once the controls show the new.
void Win32MainWindow::ShowPictures()
{
    std::vector<Icon> icons;
    const int side = PixelsAt(IconSide, dpi);
    for (const ControlLayout& row : MainWindowLayout)
        if (ShowsPictureOnly(row.Id)) {
            HICON icon = LoadIconPicture(row.Picture, side);
            icons.emplace_back(icon ? icon : BlankIcon(side));
            SendMessageW(Window(row.Id), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icons.back().get()));
        }
    optionIcons.swap(icons);
    Bitmap picture(LoadScaledBitmap(VELLUMET_BITMAP_ABOUT, VELLUMET_BITMAP_ABOUT_LARGE, dpi));
    SendMessageW(Window(Control::Image2), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
    aboutPicture.swap(picture);
}

// Lays the window out at a resolution: the fonts, the pictures, and every
// window's place and size from the table's twips.
void Win32MainWindow::Place(UINT newDpi)
{
    dpi = newDpi;
    ShowPictures();
    const auto font = [this](int points, bool underlined) {
        return Font(CreateFontW(-MulDiv(points, static_cast<int>(dpi), PointsPerInch), 0, 0, 0, FW_NORMAL, FALSE,
                                underlined, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg"));
    };
    // The old fonts stay until no control uses them.
    Font oldFonts[] = {std::exchange(dialogFont, font(DialogPoints, false)),
                       std::exchange(noticeFont, font(NoticePoints, false)),
                       std::exchange(underlinedNoticeFont, font(NoticePoints, true))};

    for (const ControlLayout& row : MainWindowLayout) {
        if (row.Kind == ControlKind::Window)
            continue;
        HWND control = Window(row.Id);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row.Font)), FALSE);
        RECT place{Scaled(row.Left), Scaled(row.Top), Scaled(row.Left + row.Width), Scaled(row.Top + row.Height)};
        // Text does not grow exactly with the scale, nor match the layout's font
        // everywhere: a label too narrow for its caption widens, a centred one
        // about its middle, so that no letter is cut off.
        if (row.Kind == ControlKind::Label || row.Kind == ControlKind::CentredLabel) {
            const int width = CaptionSize(row.Id).cx;
            if (const int excess = width - (place.right - place.left); excess > 0) {
                place.left -= row.Kind == ControlKind::CentredLabel ? excess / 2 : 0;
                place.right = place.left + width;
            }
        }
        // A drop-down list's window reaches down over its open list, which
        // has room for every item; the list keeps the height of its chosen item.
        if (row.Kind == ControlKind::DropDownList)
            place.bottom += static_cast<LONG>(ItemsOf(row.Id).size()) *
                                static_cast<LONG>(SendMessageW(control, CB_GETITEMHEIGHT, 0, 0)) +
                            2 * GetSystemMetrics(SM_CYBORDER);
        SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const ControlLayout& tabs = LayoutOf(Control::SSTab1);
    for (HWND page : pages)
        SetWindowPos(page, nullptr, Scaled(tabs.Left), Scaled(tabs.Top), Scaled(tabs.Width), Scaled(tabs.Height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    ClipTabControl();
    FitToCaption(Control::lblDefault);

    const ControlLayout& window = LayoutOf(Control::frmMain);
    const SIZE size = WindowSizeFor({Scaled(window.Width), Scaled(window.Height)}, dpi);
    SetWindowPos(Window(Control::frmMain), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Window(Control::frmMain), nullptr, TRUE);
}

// The size the control's caption takes in its font.
SIZE Win32MainWindow::CaptionSize(Control label) const
{
    HWND control = Window(label);
    const std::wstring caption = TextOf(control);
    HDC context = GetDC(control);
    const HGDIOBJ previous = SelectObject(context, FontOf(LayoutOf(label).Font));
    SIZE size{};
    GetTextExtentPoint32W(context, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(control, context);
    return size;
}

// The label keeps its place and takes the size of its caption.
void Win32MainWindow::FitToCaption(Control label)
{
    const SIZE size = CaptionSize(label);
    SetWindowPos(Window(label), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The pages lie below the tab control, which keeps only its tab strip and its
// outline: there it shows and takes the pointer, and the page does elsewhere.
void Win32MainWindow::ClipTabControl()
{
    HWND tabs = Window(Control::SSTab1);
    RECT whole;
    GetClientRect(tabs, &whole);
    RECT inside = whole;
    TabCtrl_AdjustRect(tabs, FALSE, &inside);
    HRGN outline = CreateRectRgnIndirect(&whole);
    HRGN pageArea = CreateRectRgnIndirect(&inside);
    CombineRgn(outline, outline, pageArea, RGN_DIFF);
    DeleteObject(pageArea);
    SetWindowRgn(tabs, outline, TRUE);
}

} // namespace vellumet
