#include "MainWindow.h"

#include "AccessibleControl.h"
#include "Resources.h"
#include "TextDropTarget.h"
#include "WindowSupport.h"
#include "platform/win32/SystemFunction.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace vellumet {

namespace {

// Asks the main window to create its controls, once the splash window shows.
constexpr UINT BuildControlsMessage = WM_APP + 1;
// Asks the main window to read the text last dropped on it, once the drag has ended.
constexpr UINT CallDroppedMessage = WM_APP + 2;

constexpr wchar_t MainClass[] = L"frmMain";
constexpr wchar_t PageClass[] = L"SSTab1Page";
constexpr UINT_PTR SubclassId = 1;
constexpr DWORD MainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD MainExStyle = WS_EX_CONTROLPARENT;
constexpr int TwipsPerInch = 1440;
constexpr int PointsPerInch = 72;
constexpr int DialogPoints = 8;
constexpr int NoticePoints = 12;
constexpr int IconSide = 32;
// A text field without a limit takes as much as the edit control can hold.
constexpr LPARAM LargestEditLimit = 0x7FFFFFFE;
constexpr int WindowBackground = COLOR_ACTIVEBORDER;

bool IsOption(ControlKind kind) { return kind == ControlKind::OptionButton || kind == ControlKind::PushOption; }

bool IsTextField(ControlKind kind) { return kind == ControlKind::TextBox || kind == ControlKind::MultiLineTextBox; }

bool IsContainer(ControlKind kind) { return kind == ControlKind::Frame || kind == ControlKind::BorderlessFrame; }

// An option drawn as a picture alone. Its window text is its spoken name,
// never drawn, as the button shows its icon in place of its text.
bool ShowsPictureOnly(const ControlLayout& row) { return row.Kind == ControlKind::PushOption && row.Caption.empty(); }

// Controls share a window when they share a container and, on the tab control, a tab.
bool Siblings(const ControlLayout& one, const ControlLayout& other)
{
    return one.Container == other.Container && one.Tab == other.Tab;
}

std::pair<int, int> OptionTabIndexes(const ControlLayout& row)
{
    std::pair<int, int> range{INT_MAX, INT_MIN};
    for (const ControlLayout& other : MainWindowLayout)
        if (IsOption(other.Kind) && Siblings(other, row))
            range = {std::min(range.first, other.TabIndex), std::max(range.second, other.TabIndex)};
    return range;
}

// The order of the windows among their siblings, which is the order Tab walks:
// the order of the tab indexes, except that a label standing between the
// options of a group follows the group, so that the arrow keys go from option
// to option without stopping at a label.
int CreationKey(const ControlLayout& row)
{
    const auto [firstOption, lastOption] = OptionTabIndexes(row);
    if (!TakesFocus(row.Kind) && firstOption < row.TabIndex && row.TabIndex < lastOption)
        return 2 * lastOption + 1;
    return 2 * row.TabIndex;
}

// Every control opens a group of its own but the options after the first of
// their group, so that the arrow keys stay within an option group and move nothing else.
bool OpensGroup(const ControlLayout& row) { return !IsOption(row.Kind) || OptionTabIndexes(row).first == row.TabIndex; }

struct WindowKind {
    const wchar_t* Class;
    DWORD Style;
    DWORD ExStyle;
};

WindowKind KindOf(const ControlLayout& row)
{
    // A static control lets the pointer through to its container unless it
    // has SS_NOTIFY: labels, the picture and the frames take it themselves.
    constexpr DWORD TakesPointer = SS_NOTIFY;
    constexpr DWORD Label = SS_NOPREFIX | TakesPointer;
    switch (row.Kind) {
    case ControlKind::TabControl: return {WC_TABCONTROLW, TCS_FOCUSONBUTTONDOWN | WS_TABSTOP, 0};
    case ControlKind::Picture: return {WC_STATICW, SS_BITMAP | TakesPointer, 0};
    case ControlKind::Label:
    case ControlKind::AutoSizeLabel: return {WC_STATICW, SS_LEFTNOWORDWRAP | Label, 0};
    case ControlKind::CentredLabel: return {WC_STATICW, SS_CENTER | Label, 0};
    case ControlKind::TextBox: return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::MultiLineTextBox:
        return {WC_EDITW,
                ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    case ControlKind::CheckBox: return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    // An option takes the tab stop of its group while it is selected: the
    // button control sets WS_TABSTOP with its check.
    case ControlKind::OptionButton: return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    case ControlKind::PushOption:
        return {WC_BUTTONW, BS_AUTORADIOBUTTON | BS_PUSHLIKE | (ShowsPictureOnly(row) ? BS_ICON : 0u), 0};
    case ControlKind::CommandButton: return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    // A frame has no caption, so its outline is an etched frame at its very
    // edge: a group box would leave room for a caption above it.
    case ControlKind::Frame: return {WC_STATICW, SS_ETCHEDFRAME | TakesPointer | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::BorderlessFrame: return {WC_STATICW, TakesPointer | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Window: break;
    }
    return {MainClass, MainStyle, MainExStyle};
}

int IconResourceOf(PictureKind picture)
{
    switch (picture) {
    case PictureKind::Critical: return VELLUMET_ICON_CRITICAL;
    case PictureKind::Question: return VELLUMET_ICON_QUESTION;
    case PictureKind::Exclamation: return VELLUMET_ICON_EXCLAMATION;
    case PictureKind::Information: return VELLUMET_ICON_INFORMATION;
    case PictureKind::None:
    case PictureKind::About: break;
    }
    return 0;
}

HICON LoadIconPicture(int resource, int side)
{
    return static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(resource), IMAGE_ICON, side, side, 0));
}

// A picture that leaves everything under it as it was. A button with the
// BS_ICON style but no icon would draw its window text instead.
HICON BlankIcon(int side)
{
    const std::vector<BYTE> seeThrough(static_cast<std::size_t>(side * side / CHAR_BIT), 0xFF);
    const std::vector<BYTE> noColour(seeThrough.size(), 0);
    return CreateIcon(ProgramInstance(), side, side, 1, 1, seeThrough.data(), noColour.data());
}

// A function of user32 that older Windows versions lack, or null there.
template <class FunctionPointer>
FunctionPointer User32Function(const char* name)
{
    return SystemFunction<FunctionPointer>(GetModuleHandleW(L"user32.dll"), name);
}

// The resolution of the monitor the window is on; before Windows 10 the
// resolution of the whole screen, which is 96 at the standard setting.
UINT DpiOf(HWND window)
{
    static const auto getDpiForWindow = User32Function<decltype(&GetDpiForWindow)>("GetDpiForWindow");
    if (getDpiForWindow)
        return getDpiForWindow(window);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

SIZE WindowSizeFor(SIZE client, UINT dpi)
{
    static const auto adjustForDpi = User32Function<decltype(&AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (adjustForDpi)
        adjustForDpi(&frame, MainStyle, FALSE, MainExStyle, dpi);
    else
        AdjustWindowRectEx(&frame, MainStyle, FALSE, MainExStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// Where the text reaches `characters` characters, in UTF-16 units: a
// character beyond 16 bits takes two.
std::size_t UnitsOf(std::wstring_view text, std::size_t characters)
{
    std::size_t units = 0;
    for (; units < text.size() && characters > 0; --characters)
        units += IS_HIGH_SURROGATE(text[units]) && units + 1 < text.size() && IS_LOW_SURROGATE(text[units + 1]) ? 2 : 1;
    return units;
}

std::pair<DWORD, DWORD> SelectionOf(HWND field)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// Colours of the table are 0x00BBGGRR; one with the top bit set names a system colour.
COLORREF ColourOf(unsigned colour)
{
    constexpr unsigned SystemColourFlag = 0x80000000;
    return (colour & SystemColourFlag) ? GetSysColor(static_cast<int>(colour & 0xFF)) : static_cast<COLORREF>(colour);
}

void FillWithWindowColour(HWND window, HDC context)
{
    RECT client;
    GetClientRect(window, &client);
    FillRect(context, &client, GetSysColorBrush(WindowBackground));
}

} // namespace

Win32MainWindow::Win32MainWindow(Platform& platform, ControlsBuilt controls)
    : platform(platform)
    , form(platform, *this)
{
    BuildFrame();
    if (controls == ControlsBuilt::Now)
        BuildControls();
    else
        PostMessageW(Window(Control::frmMain), BuildControlsMessage, 0, 0);
}

Win32MainWindow::~Win32MainWindow()
{
    if (HWND window = Window(Control::frmMain))
        DestroyWindow(window);
    if (dropTarget)
        dropTarget->Release();
    if (oleStarted)
        OleUninitialize();
}

std::optional<Control> Win32MainWindow::ControlOfId(int id)
{
    if (id < ControlIdBase || id >= ControlIdBase + static_cast<int>(ControlCount))
        return std::nullopt;
    return static_cast<Control>(id - ControlIdBase);
}

void Win32MainWindow::BuildFrame()
{
    [[maybe_unused]] static const bool registered = [] {
        RegisterWindowClass(MainClass, MainProc, GetSysColorBrush(WindowBackground));
        // A page paints its own background, under the controls it holds.
        RegisterWindowClass(PageClass, PageProc);
        return true;
    }();
    const ControlLayout& window = LayoutOf(Control::frmMain);
    const WindowKind kind = KindOf(window);
    HWND main = CreateWindowExW(kind.ExStyle, kind.Class, Wide(form.State(Control::frmMain).Text).c_str(), kind.Style,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                ProgramInstance(), nullptr);
    windows[static_cast<std::size_t>(Control::frmMain)] = main;
    SetWindowLongPtrW(main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    const int windowIcon = IconResourceOf(window.Picture);
    largeIcon.reset(LoadIconPicture(windowIcon, GetSystemMetrics(SM_CXICON)));
    smallIcon.reset(LoadIconPicture(windowIcon, GetSystemMetrics(SM_CXSMICON)));
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
    aboutPicture.reset(static_cast<HBITMAP>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(VELLUMET_BITMAP_ABOUT),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    std::vector<const ControlLayout*> rows;
    for (const ControlLayout& row : MainWindowLayout)
        if (row.Kind != ControlKind::Window)
            rows.push_back(&row);
    // The tab control comes first of all, and its pages right after it.
    std::ranges::stable_sort(rows, {}, [](const ControlLayout* row) {
        return row->Kind == ControlKind::TabControl ? INT_MIN : CreationKey(*row);
    });
    for (const ControlLayout* row : rows)
        windows[static_cast<std::size_t>(row->Id)] = Create(*row);
    Place(DpiOf(main));
    TakeDroppedText();
}

// Text dropped beside the fields is read as a MsgBox call once the drag has
// ended, so that a warning about it does not hold up the program it came from.
void Win32MainWindow::TakeDroppedText()
{
    oleStarted = SUCCEEDED(OleInitialize(nullptr));
    if (!oleStarted)
        return;
    HWND main = Window(Control::frmMain);
    dropTarget = new TextDropTarget([this](POINT at) { return TakesDropAt(at); },
                                    [this, main](const std::string& text) {
                                        droppedText = text;
                                        PostMessageW(main, CallDroppedMessage, 0, 0);
                                    });
    RegisterDragDrop(main, dropTarget);
}

// The edit controls take no dropped text, and text dropped on them is not read as a call either.
bool Win32MainWindow::TakesDropAt(POINT screenPoint) const
{
    HWND main = Window(Control::frmMain);
    HWND under = WindowFromPoint(screenPoint);
    if (!main || !IsWindowEnabled(main) || (under != main && !IsChild(main, under)))
        return false;
    const auto control = ControlOf(under);
    return !control || !IsTextField(LayoutOf(*control).Kind);
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
        kind.Style | WS_CHILD | WS_VISIBLE | (OpensGroup(row) ? WS_GROUP : 0u) | (state.Enabled ? 0u : WS_DISABLED);
    const std::string text = ShowsPictureOnly(row) ? AccessibleNameOf(row.Id, state.Text) : state.Text;
    HWND control =
        CreateWindowExW(kind.ExStyle, kind.Class, Wide(text).c_str(), style, 0, 0, 0, 0, ParentOf(row),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(row.Id))), ProgramInstance(), nullptr);
    SetWindowSubclass(control, ControlProc, SubclassId, reinterpret_cast<DWORD_PTR>(this));
    AnswerAccessibilityQueries(control, row.Id);

    switch (row.Kind) {
    case ControlKind::TabControl: {
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
        TabCtrl_SetCurSel(control, row.Value);
        ShowPage(row.Value);
        break;
    }
    case ControlKind::Picture:
        SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(aboutPicture.get()));
        break;
    case ControlKind::TextBox:
    case ControlKind::MultiLineTextBox:
        SendMessageW(control, EM_SETLIMITTEXT, row.MaxLength == NoLimit ? LargestEditLimit : row.MaxLength, 0);
        break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::PushOption:
        SendMessageW(control, BM_SETCHECK, state.Value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
        if (ShowsPictureOnly(row)) {
            const int resource = IconResourceOf(row.Picture);
            optionIcons.emplace_back(resource ? LoadIconPicture(resource, IconSide) : BlankIcon(IconSide));
            SendMessageW(control, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(optionIcons.back().get()));
        }
        break;
    default: break;
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

// Lays the window out at a resolution: the fonts, and every window's place and
// size from the table's twips. The pictures keep their own size.
void Win32MainWindow::Place(UINT newDpi)
{
    dpi = newDpi;
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

void Win32MainWindow::ShowPage(int tab)
{
    // The old page hides first, so that the focus leaves it before the new one shows.
    for (std::size_t page = 0; page < pages.size(); ++page)
        if (static_cast<int>(page) != tab)
            ShowWindow(pages[page], SW_HIDE);
    ShowWindow(Page(tab), SW_SHOW);
}

bool Win32MainWindow::TranslateKeys(MSG& message)
{
    HWND main = Window(Control::frmMain);
    if (!main)
        return false;
    // Ctrl+Shift+V reads a MsgBox call from the clipboard, wherever the focus is.
    if (message.message == WM_KEYDOWN && message.wParam == 'V' && GetKeyState(VK_CONTROL) < 0 &&
        GetKeyState(VK_SHIFT) < 0 && (message.hwnd == main || IsChild(main, message.hwnd))) {
        form.CallPasted();
        return true;
    }
    return IsDialogMessageW(main, &message);
}

void Win32MainWindow::Show(Control control, Property property)
{
    const ControlState& state = form.State(control);
    const ControlKind kind = LayoutOf(control).Kind;
    HWND window = Window(control);
    switch (property) {
    case Property::Text: {
        const std::wstring text = Wide(state.Text);
        const std::wstring shown = TextOf(window);
        if (text == shown)
            break;
        // A field being typed into keeps its caret as far from the end as it was.
        const bool typing = IsTextField(kind) && GetFocus() == window;
        const std::size_t afterCaret =
            typing ? shown.size() - std::min<std::size_t>(SelectionOf(window).second, shown.size()) : 0;
        showingText = true;
        SetWindowTextW(window, text.c_str());
        showingText = false;
        if (typing) {
            const auto caret = static_cast<WPARAM>(text.size() - std::min(afterCaret, text.size()));
            SendMessageW(window, EM_SETSEL, caret, static_cast<LPARAM>(caret));
        }
        if (kind == ControlKind::AutoSizeLabel)
            FitToCaption(control);
        break;
    }
    case Property::Value: SendMessageW(window, BM_SETCHECK, state.Value == 1 ? BST_CHECKED : BST_UNCHECKED, 0); break;
    case Property::Enabled: EnableWindow(window, state.Enabled); break;
    case Property::ForeColor: InvalidateRect(window, nullptr, TRUE); break;
    case Property::Selection: {
        // frmMain counts characters; the edit control counts UTF-16 units.
        const std::wstring text = TextOf(window);
        const std::size_t start = UnitsOf(text, state.SelStart);
        const std::size_t end = start + UnitsOf(std::wstring_view(text).substr(start), state.SelLength);
        SendMessageW(window, EM_SETSEL, start, static_cast<LPARAM>(end));
        break;
    }
    }
}

void Win32MainWindow::ShowTab(int tab)
{
    TabCtrl_SetCurSel(Window(Control::SSTab1), tab);
    ShowPage(tab);
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
    switch (message) {
    case BuildControlsMessage: BuildControls(); return 0;
    case CallDroppedMessage: form.CallDropped(std::exchange(droppedText, {})); return 0;
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
    // What a dialog box does: the focus goes to the next control, or to the one given.
    case WM_NEXTDLGCTL:
        if (HWND next = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window, GetFocus(), wParam != 0))
            SetFocus(next);
        return 0;
    // The system gives the focus of a window that becomes active to the window
    // itself; it goes back to the control that had it when the window was last active.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focused = GetFocus(); focused && IsChild(window, focused))
                lastFocus = ControlOf(focused).value_or(lastFocus);
        } else if (!HIWORD(wParam)) {
            SetFocus(Window(lastFocus));
            return 0;
        }
        break;
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
    case WM_DESTROY: RevokeDragDrop(window); break;
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
    // Esc presses Reset; Enter presses the command button that has the focus,
    // and is left to the fields, so that it breaks lines in the body.
    if (id == IDCANCEL)
        return form.Clicked(Control::cmdReset);
    if (id == IDOK) {
        if (const auto focused = ControlOf(GetFocus());
            focused && LayoutOf(*focused).Kind == ControlKind::CommandButton)
            form.Clicked(*focused);
        return;
    }
    const auto source = ControlOfId(id);
    if (!source)
        return;
    if (code == EN_CHANGE && !showingText)
        form.Edited(*source, Utf8(TextOf(control)));
    // A label's STN_CLICKED has the same code as a button's BN_CLICKED.
    else if (code == BN_CLICKED && !IsTextField(LayoutOf(*source).Kind))
        form.Clicked(*source);
}

LRESULT Win32MainWindow::Colour(UINT message, HDC context, HWND control)
{
    const auto source = ControlOf(control);
    // A disabled text field keeps the system's look.
    if (!source || IsTextField(LayoutOf(*source).Kind))
        return DefWindowProcW(Window(Control::frmMain), message, reinterpret_cast<WPARAM>(context),
                              reinterpret_cast<LPARAM>(control));
    if (const unsigned colour = form.State(*source).ForeColor; colour != SystemTextColour && IsWindowEnabled(control))
        SetTextColor(context, ColourOf(colour));
    SetBkColor(context, GetSysColor(WindowBackground));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(WindowBackground));
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
    // A multi-line field in a dialog closes its parent on Esc, as a dialog box takes it: Esc presses Reset.
    case WM_CLOSE: return SendMessageW(Window(Control::frmMain), WM_COMMAND, IDCANCEL, 0);
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
    case WM_LBUTTONDOWN:
        if (IsTextField(row.Kind)) {
            const bool arriving = GetFocus() != window;
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            if (arriving && GetFocus() == window)
                focusedByClick = control;
            return result;
        }
        break;
    case WM_LBUTTONUP:
        // The click placed the caret after the field had selected its text on
        // taking the focus; unless it selected something itself, the whole text is selected again.
        if (IsTextField(row.Kind)) {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            const auto [start, end] = SelectionOf(window);
            if (std::exchange(focusedByClick, std::nullopt) == control && GetFocus() == window && start == end)
                form.GotFocus(control);
            return result;
        }
        break;
    case WM_PASTE:
        if (row.Kind == ControlKind::TextBox) {
            PasteOnOneLine(control, window);
            return 0;
        }
        break;
    default: break;
    }
    if (IsContainer(row.Kind))
        if (const auto handled = OnContainerMessage(window, message, wParam, lParam))
            return *handled;
    return DefSubclassProc(window, message, wParam, lParam);
}

// A one-line field takes pasted line breaks as spaces, as frmMain keeps them.
// It reads the clipboard through the platform, which waits for a clipboard
// another program holds for a moment and reads no further than its memory.
void Win32MainWindow::PasteOnOneLine(Control field, HWND window)
{
    const std::string pasted = platform.ClipboardText();
    if (pasted.empty())
        return;
    const std::wstring line = Wide(frmMain::FittedText(field, pasted));
    SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
}

} // namespace vellumet
