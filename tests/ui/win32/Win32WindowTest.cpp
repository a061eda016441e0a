#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"
#include "support/CaseTable.h"
#include "support/RecordingPlatform.h"
#include "support/WindowDriver.h"
#include "ui/DefaultButton.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/SplashWindow.h"

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace vellumet;
using namespace std::chrono_literals;
using vellumet::testing::ControlNamed;
using vellumet::testing::ReadCaseTable;

namespace {

using Names = std::vector<std::string>;

Names Split(const std::string& spaced)
{
    Names names;
    std::istringstream words(spaced);
    for (std::string name; words >> name;)
        names.push_back(name);
    return names;
}

Names operator+(Names first, const Names& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string NameOf(HWND window)
{
    const auto control = Win32MainWindow::ControlOf(window);
    return control ? std::string(LayoutOf(*control).Name) : "none";
}

RECT RectIn(HWND window, HWND reference)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LOGFONTW FontOf(HWND window)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

int CaptionWidth(HWND label)
{
    const std::wstring caption = TextOf(label);
    HDC context = GetDC(label);
    const HGDIOBJ previous = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(context, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(label, context);
    return size.cx;
}

std::pair<DWORD, DWORD> SelectionOf(HWND field)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void PutOnClipboard(HWND owner, const std::wstring& text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

// A drag that lets go wherever the pointer is, as soon as the drag begins.
struct DropAtOnce final : IDropSource {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override
    {
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override { return DRAGDROP_S_DROP; }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// clang-format off
const std::map<AccessibleRole, LONG> MsaaRoles{
    {AccessibleRole::Window, ROLE_SYSTEM_CLIENT}, {AccessibleRole::PageTabList, ROLE_SYSTEM_PAGETABLIST},
    {AccessibleRole::Graphic, ROLE_SYSTEM_GRAPHIC}, {AccessibleRole::StaticText, ROLE_SYSTEM_STATICTEXT},
    {AccessibleRole::Text, ROLE_SYSTEM_TEXT}, {AccessibleRole::CheckBox, ROLE_SYSTEM_CHECKBUTTON},
    {AccessibleRole::RadioButton, ROLE_SYSTEM_RADIOBUTTON}, {AccessibleRole::Grouping, ROLE_SYSTEM_GROUPING},
    {AccessibleRole::PushButton, ROLE_SYSTEM_PUSHBUTTON}, {AccessibleRole::Link, ROLE_SYSTEM_LINK}};
// clang-format on

// What assistive technology reads of a window's client object, through oleacc.
struct Spoken {
    std::string Name = "(no accessible object)";
    LONG Role = 0;
    LONG State = 0;
};

Spoken Read(HWND window)
{
    Spoken spoken;
    IAccessible* object = nullptr;
    if (FAILED(
            AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
        return spoken;
    VARIANT self{};
    V_VT(&self) = VT_I4;
    V_I4(&self) = CHILDID_SELF;
    BSTR name = nullptr;
    const bool named = object->get_accName(self, &name) == S_OK;
    spoken.Name = named ? Utf8(std::wstring(name, SysStringLen(name))) : "";
    SysFreeString(name);
    VARIANT role{};
    VARIANT state{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && SUCCEEDED(object->get_accState(self, &state)))
        std::tie(spoken.Role, spoken.State) = std::pair(V_I4(&role), V_I4(&state));
    object->Release();
    return spoken;
}

// The window and everything in it, a line each: name, role and state, children indented.
void Describe(HWND window, int depth, std::ostream& out)
{
    const Spoken spoken = Read(window);
    wchar_t role[64]{};
    GetRoleTextW(static_cast<DWORD>(spoken.Role), role, 64);
    std::string states;
    for (DWORD bit = 1; bit != 0; bit <<= 1)
        if (static_cast<DWORD>(spoken.State) & bit) {
            wchar_t state[64]{};
            GetStateTextW(bit, state, 64);
            states += (states.empty() ? "" : ", ") + Utf8(state);
        }
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << '"' << spoken.Name << "\" | " << Utf8(role) << " | "
        << (states.empty() ? "normal" : states) << '\n';
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        Describe(child, depth + 1, out);
}

// The main window shown and active on a recording desktop, and the moves a
// person makes on it, each carried through the thread's message queue and the
// window's keyboard interface, as the program's event loop carries them.
class Win32Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        DefaultButtonCaption.clear();
        window = std::make_unique<Win32MainWindow>(platform);
        ShowWindow(Main(), SW_SHOW);
        SetForegroundWindow(Main());
        Pump();
    }

    HWND Main() const { return window->Window(Control::frmMain); }
    HWND Tabs() const { return window->Window(Control::SSTab1); }
    HWND Hwnd(const std::string& name) const { return window->Window(ControlNamed(name)); }
    const ControlState& State(const std::string& name) const { return window->Form().State(ControlNamed(name)); }
    std::string Focus() const { return NameOf(GetFocus()); }
    int SelectedTab() const { return TabCtrl_GetCurSel(Tabs()); }

    void Pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            if (!window->TranslateKeys(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
    }

    void LeftClick(HWND control, LPARAM at)
    {
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(control, WM_LBUTTONUP, 0, at);
        Pump();
    }

    void SelectTab(int tab)
    {
        RECT item;
        TabCtrl_GetItemRect(Tabs(), tab, &item);
        LeftClick(Tabs(), MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2));
    }

    // Clicks a control in its middle, on its own tab.
    void Click(const std::string& name)
    {
        if (const int tab = TabOf(ControlNamed(name)); tab != NoTab && tab != SelectedTab())
            SelectTab(tab);
        RECT client;
        GetClientRect(Hwnd(name), &client);
        LeftClick(Hwnd(name), MAKELPARAM(client.right / 2, client.bottom / 2));
    }

    // Presses a key where the focus is, with Shift held or not.
    void Press(UINT key, bool shift = false)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1 | scanCode);
        PostMessageW(GetFocus(), WM_KEYUP, key, 1 | scanCode | 0xC0000000);
        Pump();
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    void Type(const std::wstring& text)
    {
        for (wchar_t character : text)
            PostMessageW(GetFocus(), WM_CHAR, character, 1);
        Pump();
    }

    // Pastes into the field over its selection, wherever it reads the clipboard from.
    void Paste(const std::string& field, const std::wstring& text)
    {
        PutOnClipboard(Main(), text);
        platform.clipboard = Utf8(text);
        SendMessageW(Hwnd(field), WM_PASTE, 0, 0);
    }

    // "click:NAME", "type:NAME:TEXT" into the field clicked first, or "key:Escape".
    void Perform(const std::string& step)
    {
        const std::size_t nameEnd = step.find(':', step.find(':') + 1);
        const std::string name = step.substr(step.find(':') + 1, nameEnd - step.find(':') - 1);
        if (step == "key:Escape")
            return Press(VK_ESCAPE);
        Click(name);
        if (step.starts_with("type:"))
            Type(Wide(step.substr(nameEnd + 1)));
    }

    vellumet::testing::RecordingPlatform platform;
    std::unique_ptr<Win32MainWindow> window;
};

const wchar_t* ClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TabControl: return WC_TABCONTROLW;
    case ControlKind::TextBox:
    case ControlKind::MultiLineTextBox: return L"Edit";
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::PushOption:
    case ControlKind::CommandButton: return L"Button";
    default: return L"Static";
    }
}

// The window text of a row of the table: its caption, and for an option shown
// as a picture alone the name it keeps for assistive technology.
std::string WindowTextOf(const std::vector<std::string>& row)
{
    const ControlLayout& layout = LayoutOf(ControlNamed(row[0]));
    if (layout.Kind == ControlKind::PushOption && layout.Caption.empty())
        return AccessibleNameOf(layout.Id, "");
    return row[8] == "-" || row[8].starts_with("picture:") ? "" : row[8];
}

class LayoutRow : public Win32Window, public ::testing::WithParamInterface<std::vector<std::string>> {};

INSTANTIATE_TEST_SUITE_P(MainWindowControls, LayoutRow, ::testing::ValuesIn(ReadCaseTable("main-window-controls.tsv")),
                         [](const auto& info) { return info.param[0]; });

// Each control of the table is a window of its kind in its container, placed
// in pixels at 96 dpi, with its caption or picture, state and limit. Each
// control opens a group but the later options of a group, which is one tab
// stop, at its selected option.
TEST_P(LayoutRow, IsBuiltAsTheTableSays)
{
    const std::vector<std::string>& row = GetParam();
    const ControlLayout& layout = LayoutOf(ControlNamed(row[0]));
    HWND control = Hwnd(row[0]);
    wchar_t className[32];
    GetClassNameW(control, className, 32);
    EXPECT_EQ(CompareStringOrdinal(className, -1, ClassOf(layout.Kind), -1, TRUE), CSTR_EQUAL);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    const bool option = layout.Kind == ControlKind::OptionButton || layout.Kind == ControlKind::PushOption;
    EXPECT_EQ((style & WS_GROUP) != 0,
              !option || row[0] == "optText" || row[0] == "optNoIcon" || row[0] == "optOKOnly");
    EXPECT_EQ((style & WS_TABSTOP) != 0, TakesFocus(layout.Kind) && (!option || row[10] == "1"));
    EXPECT_EQ(ClassOf(layout.Kind) == std::wstring(L"Button") && (style & BS_PUSHLIKE) != 0,
              layout.Kind == ControlKind::PushOption);

    const bool onTab = row[2] == "SSTab1";
    EXPECT_EQ(GetParent(control), onTab ? window->Page(std::stoi(row[3])) : Hwnd(row[2]));
    const RECT place = RectIn(control, onTab ? Tabs() : GetParent(control));
    // A label too narrow for its caption in this font widens, a centred one about its middle.
    const int width = std::stoi(row[6]);
    const bool label = layout.Kind == ControlKind::Label || layout.Kind == ControlKind::CentredLabel;
    const int widened = label ? std::max(width, CaptionWidth(control)) : width;
    EXPECT_EQ(place.left, std::stoi(row[4]) - (layout.Kind == ControlKind::CentredLabel ? (widened - width) / 2 : 0));
    EXPECT_EQ(place.top, std::stoi(row[5]));
    if (layout.Kind != ControlKind::AutoSizeLabel) {
        EXPECT_EQ(place.right - place.left, widened);
        EXPECT_EQ(place.bottom - place.top, std::stoi(row[7]));
    }

    if (row[8].starts_with("picture:")) {
        const bool about = row[8] == "picture:about";
        auto picture = reinterpret_cast<HGDIOBJ>(
            SendMessageW(control, about ? STM_GETIMAGE : BM_GETIMAGE, about ? IMAGE_BITMAP : IMAGE_ICON, 0));
        ICONINFO icon{};
        if (!about && GetIconInfo(static_cast<HICON>(picture), &icon))
            picture = icon.hbmColor;
        BITMAP bitmap{};
        ASSERT_NE(GetObjectW(picture, sizeof bitmap, &bitmap), 0);
        EXPECT_EQ(bitmap.bmWidth, about ? 353 : 32);
        EXPECT_EQ(bitmap.bmHeight, about ? 418 : 32);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
    EXPECT_EQ(Utf8(TextOf(control)), WindowTextOf(row));
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, row[9] == "1");
    EXPECT_EQ(SendMessageW(control, BM_GETCHECK, 0, 0), row[10] == "1" ? BST_CHECKED : BST_UNCHECKED);
    if (row[11] != "-") {
        EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), row[11] == "none" ? 0x7FFFFFFE : std::stoi(row[11]));
    }
}

// The window as it first shows: its frame, caption, icons and place, its
// tabs, where the focus is, its fonts and the link's pointer.
TEST_F(Win32Window, WindowFacts)
{
    EXPECT_EQ(TextOf(Main()), L"Vellumet - Tarnwick Solutions");
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, 389);
    EXPECT_EQ(client.bottom, 527);
    constexpr DWORD Frame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
    EXPECT_EQ(GetWindowLongPtrW(Main(), GWL_STYLE) & Frame, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_NE(SendMessageW(Main(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0), 0);

    RECT frame;
    GetWindowRect(Main(), &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(Main(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_LE(std::abs(frame.left + frame.right - monitor.rcWork.left - monitor.rcWork.right), 2);
    EXPECT_LE(std::abs(frame.top + frame.bottom - monitor.rcWork.top - monitor.rcWork.bottom), 2);

    Names captions;
    for (int tab = 0; tab < TabCtrl_GetItemCount(Tabs()); ++tab) {
        wchar_t caption[32]{};
        TCITEMW item{TCIF_TEXT, 0, 0, caption, 32, 0, 0};
        SendMessageW(Tabs(), TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
        captions.push_back(Utf8(caption));
        EXPECT_EQ(IsWindowVisible(window->Page(tab)) != FALSE, tab == 0);
    }
    EXPECT_EQ(captions, (Names{"About...", "General", "Style", "Help Button"}));
    EXPECT_EQ(SelectedTab(), 0);
    EXPECT_EQ(Focus(), "SSTab1");

    // The dialog font at 8 points; the maker's notice at 12, its link underlined.
    EXPECT_EQ(FontOf(Hwnd("txtTitle")).lfHeight, -11);
    EXPECT_EQ(FontOf(Hwnd("Label8")).lfHeight, -16);
    EXPECT_FALSE(FontOf(Hwnd("Label8")).lfUnderline);
    EXPECT_EQ(FontOf(Hwnd("lblLink")).lfHeight, -16);
    EXPECT_TRUE(FontOf(Hwnd("lblLink")).lfUnderline);

    // The link shows the hand, pointing with its fingertip.
    SendMessageW(Hwnd("lblLink"), WM_SETCURSOR, reinterpret_cast<WPARAM>(Hwnd("lblLink")), HTCLIENT);
    ICONINFO hand{};
    ASSERT_TRUE(GetIconInfo(GetCursor(), &hand));
    EXPECT_EQ(std::tie(hand.fIcon, hand.xHotspot, hand.yHotspot), std::make_tuple(FALSE, 12ul, 4ul));
    DeleteObject(hand.hbmColor);
    DeleteObject(hand.hbmMask);
}

const Names CopyModeGroup = Split("optText optValue");
const Names IconGroup = Split("optNoIcon optCritical optQuestion optExclamation optInformation");
const Names ButtonGroup =
    Split("optOKOnly optOKCancel1 optOKCancel2 optAbortRetryIgnore1 optAbortRetryIgnore2 optAbortRetryIgnore3 "
          "optYesNoCancel1 optYesNoCancel2 optYesNoCancel3 optYesNo1 optYesNo2 optRetryCancel1 optRetryCancel2");

class OptionGroup : public Win32Window, public ::testing::WithParamInterface<Names> {
protected:
    // Exactly the chosen option is selected, on the screen and in frmMain, and
    // it is the group's one tab stop. The default label names the chosen
    // button, just as large as its caption.
    void ExpectSelected(const std::string& chosen)
    {
        for (const std::string& member : GetParam()) {
            SCOPED_TRACE(member);
            const bool selected = member == chosen;
            EXPECT_EQ(SendMessageW(Hwnd(member), BM_GETCHECK, 0, 0), selected ? BST_CHECKED : BST_UNCHECKED);
            EXPECT_EQ(State(member).Value, selected ? 1 : 0);
            EXPECT_EQ((GetWindowLongPtrW(Hwnd(member), GWL_STYLE) & WS_TABSTOP) != 0, selected);
        }
        if (GetParam() != ButtonGroup)
            return;
        HWND label = Hwnd("lblDefault");
        const std::wstring caption = TextOf(Hwnd(chosen));
        EXPECT_EQ(TextOf(label), caption);
        HDC context = GetDC(label);
        SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        SIZE needed;
        GetTextExtentPoint32W(context, caption.c_str(), static_cast<int>(caption.size()), &needed);
        ReleaseDC(label, context);
        const RECT place = RectIn(label, GetParent(label));
        EXPECT_EQ((std::array{place.left, place.top, place.right, place.bottom}),
                  (std::array{88L, 208L, 88 + needed.cx, 208 + needed.cy}));
    }
};

INSTANTIATE_TEST_SUITE_P(EachGroup, OptionGroup, ::testing::Values(CopyModeGroup, IconGroup, ButtonGroup),
                         [](const auto& info) { return info.param[0]; });

// The arrow keys select the neighbour in the group, wrapping round, and never
// stop at a label between the options.
TEST_P(OptionGroup, ArrowKeysSelectWithinGroup)
{
    const Names& group = GetParam();
    Click(group.front());
    std::size_t at = 0;
    for (const auto& [key, step] : {std::pair{VK_DOWN, 1}, {VK_RIGHT, 1}, {VK_UP, -1}, {VK_LEFT, -1}, {VK_LEFT, -1}}) {
        Press(key);
        at = static_cast<std::size_t>(static_cast<int>(at + group.size()) + step) % group.size();
        EXPECT_EQ(Focus(), group[at]);
        ExpectSelected(group[at]);
    }
}

struct TabWalk {
    const char* Name;
    int Tab;
    Names Steps;
    Names Stops;
};

class TabOrder : public Win32Window, public ::testing::WithParamInterface<TabWalk> {};

const Names Commands = Split("cmdTry cmdReset cmdCopy cmdHelp cmdExit");

// clang-format off
INSTANTIATE_TEST_SUITE_P(Walks, TabOrder, ::testing::Values(
    TabWalk{"About", 0, {}, Commands},
    TabWalk{"General", 1, {}, Split("txtTitle txtBody chkSystemModal optText") + Commands},
    TabWalk{"GeneralValueChosen", 1, {"click:optValue"}, Split("txtTitle txtBody chkSystemModal optValue") + Commands},
    TabWalk{"Style", 2, {}, Split("optNoIcon optOKOnly") + Commands},
    TabWalk{"StyleLastOptionsChosen", 2, {"click:optInformation", "click:optRetryCancel2"},
            Split("optInformation optRetryCancel2 txtVariable") + Commands},
    // Reset selects the first options while the focus was last on others.
    TabWalk{"StyleAfterReset", 2, {"click:optCritical", "click:optAbortRetryIgnore3", "click:optValue", "key:Escape"},
            Split("optNoIcon optOKOnly") + Commands},
    TabWalk{"GeneralAfterReset", 1, {"click:optValue", "key:Escape"},
            Split("txtTitle txtBody chkSystemModal optText") + Commands},
    TabWalk{"HelpButton", 3, {}, Split("chkMsgBoxHelpButton") + Commands},
    TabWalk{"HelpButtonDetailsEnabled", 3, {"click:chkMsgBoxHelpButton"},
            Split("chkMsgBoxHelpButton txtHelpFile cmdBrowse chkAppPathHelpFile txtTopicID chkHelpButtonDefault") + Commands}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

// Tab walks the controls of the tab showing and the commands, then the tab
// strip again; Shift+Tab walks back, also into each option group from behind.
TEST_P(TabOrder, WalksTheStopsInOrder)
{
    for (const std::string& step : GetParam().Steps)
        Perform(step);
    SelectTab(GetParam().Tab);
    SetFocus(Tabs());
    const Names& stops = GetParam().Stops;
    Names backwards;
    for (std::size_t step = 0; step <= stops.size(); ++step) {
        Press(VK_TAB, true);
        backwards.insert(backwards.begin(), Focus());
    }
    EXPECT_EQ(backwards, Split("SSTab1") + stops);
    Names visited;
    for (std::size_t step = 0; step <= stops.size(); ++step) {
        Press(VK_TAB);
        visited.push_back(Focus());
    }
    EXPECT_EQ(visited, stops + Split("SSTab1"));
}

// What is typed and pasted reaches frmMain as UTF-8. Enter breaks a line in
// the body and Tab leaves it; a pasted line break stays in the body as it is.
// A one-line field reads the clipboard through the platform, as Ctrl+Shift+V
// does, and takes its line breaks as spaces.
TEST_F(Win32Window, TypingAndPastingReachTheSnapshot)
{
    Click("optYesNo1");
    Perform("type:txtVariable:Antw\xc3\xb6rt");
    EXPECT_EQ(window->Form().Snapshot().VariableText, "Antw\xc3\xb6rt");

    Perform("type:txtBody:one");
    Press(VK_RETURN);
    Type(L"two");
    PutOnClipboard(Main(), L"a\nb");
    SendMessageW(Hwnd("txtBody"), WM_PASTE, 0, 0);
    Press(VK_TAB);
    EXPECT_EQ(Focus(), "chkSystemModal");
    EXPECT_EQ(TextOf(Hwnd("txtBody")), L"one\r\ntwoa\nb");
    EXPECT_EQ(window->Form().Snapshot().BodyText, "one\r\ntwoa\nb");

    Perform("type:txtTitle:abcd");
    SendMessageW(Hwnd("txtTitle"), EM_SETSEL, 2, 2);
    platform.clipboard = "x\r\ny\rz\n";
    SendMessageW(Hwnd("txtTitle"), WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(Hwnd("txtTitle")), L"abx y z cd");
    EXPECT_EQ(window->Form().Snapshot().TitleText, "abx y z cd");
    EXPECT_EQ(SelectionOf(Hwnd("txtTitle")), (std::pair<DWORD, DWORD>{8, 8}));
}

// Ctrl+Shift+V reads the call on the clipboard, even from inside a text field,
// and pastes nothing there. Text dropped beside the fields is read as a call;
// a field takes no dropped text.
TEST_F(Win32Window, ReadsCallByKeyAndDrop)
{
    Perform("type:txtBody:typed");
    platform.clipboard = "MsgBox \"From the clipboard\", vbYesNo";
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, 'V', 1);
    Pump();
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(TextOf(Hwnd("txtBody")), L"From the clipboard");
    EXPECT_EQ(SendMessageW(Hwnd("optYesNo1"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(TextOf(Hwnd("lblDefault")), L"Yes");

    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    const auto dragOnto = [this](const std::string& name) {
        PutOnClipboard(Main(), L"MsgBox \"Dropped\", vbCritical");
        IDataObject* data = nullptr;
        ASSERT_EQ(OleGetClipboard(&data), S_OK);
        RECT place;
        GetWindowRect(Hwnd(name), &place);
        SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
        DropAtOnce source;
        DWORD effect = DROPEFFECT_NONE;
        DoDragDrop(data, &source, DROPEFFECT_COPY, &effect);
        data->Release();
        Pump();
    };
    dragOnto("txtTitle");
    EXPECT_EQ(TextOf(Hwnd("txtTitle")), L"");
    EXPECT_EQ(TextOf(Hwnd("txtBody")), L"From the clipboard");
    dragOnto("Label2");
    EXPECT_EQ(TextOf(Hwnd("txtBody")), L"Dropped");
    EXPECT_EQ(SendMessageW(Hwnd("optCritical"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(Hwnd("optOKOnly"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(platform.messageBoxes.empty());
    OleUninitialize();
}

struct FocusCase {
    const char* Name;
    const char* Field;
    std::wstring Text;
    DWORD Units; // of the text, in UTF-16
};

class FocusSelectsWholeText : public Win32Window,
                              public ::testing::WithParamInterface<std::tuple<FocusCase, std::string>> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, FocusSelectsWholeText, ::testing::Combine(::testing::Values(
    FocusCase{"Title", "txtTitle", L"Message", 7},
    FocusCase{"TwoLineBody", "txtBody", L"ab\r\ncd", 6},
    FocusCase{"EmptyHelpFile", "txtHelpFile", L"", 0},
    FocusCase{"Topic", "txtTopicID", L"0", 1},
    FocusCase{"TitleBeyond16Bits", "txtTitle", L"a\U0001F600b", 4}),
    ::testing::Values("Tab", "click", "program")),
    [](const auto& info) { return std::get<0>(info.param).Name + std::string("_") + std::get<1>(info.param); });
// clang-format on

// However the focus arrives, the field selects its whole text, in the edit
// control's UTF-16 units, and what is typed replaces it.
TEST_P(FocusSelectsWholeText, AndTypingReplacesIt)
{
    const auto& [field, arrival] = GetParam();
    Click("chkMsgBoxHelpButton");
    Click(field.Field);
    SendMessageW(Hwnd(field.Field), EM_SETSEL, 0, -1);
    Paste(field.Field, field.Text);
    ASSERT_EQ(State(field.Field).Text, Utf8(field.Text));
    SetFocus(Hwnd("cmdTry"));

    if (arrival == "Tab") {
        SetFocus(GetNextDlgTabItem(Main(), Hwnd(field.Field), TRUE));
        Press(VK_TAB);
    } else if (arrival == "click") {
        Click(field.Field);
    } else {
        window->MoveFocus(ControlNamed(field.Field));
    }
    EXPECT_EQ(Focus(), field.Field);
    EXPECT_EQ(SelectionOf(Hwnd(field.Field)), (std::pair<DWORD, DWORD>{0, field.Units}));
    Type(L"x");
    EXPECT_EQ(State(field.Field).Text, "x");
}

// The link turns red under the pointer, and blue again only over the frame
// around it, the tab control or the bare window. The pointer reaches the
// window the system finds under it.
TEST_F(Win32Window, LinkFollowsPointer)
{
    SelectTab(3);
    const auto drawnColour = [this] {
        HDC context = CreateCompatibleDC(nullptr);
        SendMessageW(GetParent(Hwnd("lblLink")), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                     reinterpret_cast<LPARAM>(Hwnd("lblLink")));
        const COLORREF colour = GetTextColor(context);
        DeleteDC(context);
        return colour;
    };
    const COLORREF blue = RGB(0, 0, 255);
    const COLORREF red = RGB(255, 0, 0);
    const std::tuple<const char*, POINT, COLORREF> moves[] = {
        {"lblLink", {8, 8}, red},    {"Label8", {2, 2}, red},  {"cmdTry", {2, 2}, red},  {"fraHelp", {2, 2}, red},
        {"txtTopicID", {2, 2}, red}, {"Frame2", {4, 4}, blue}, {"lblLink", {8, 8}, red}, {"SSTab1", {8, 440}, blue},
        {"lblLink", {8, 8}, red},    {"SSTab1", {2, 2}, blue}, {"lblLink", {8, 8}, red}, {"frmMain", {4, 470}, blue},
    };
    EXPECT_EQ(drawnColour(), blue);
    for (auto [surface, point, colour] : moves) {
        SCOPED_TRACE(surface);
        ClientToScreen(Hwnd(surface), &point);
        HWND under = WindowFromPoint(point);
        ScreenToClient(under, &point);
        SendMessageW(under, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        EXPECT_EQ(drawnColour(), colour);
    }

    // A click on the link opens the maker's page, owned by this window.
    Click("lblLink");
    EXPECT_EQ(platform.opened, Names{"https://www.tarnwick.example/"});
    EXPECT_EQ(platform.owners, std::vector<WindowHandle>{reinterpret_cast<WindowHandle>(Main())});
}

// The close box asks the unload query, and No keeps the window as it was.
// (Exit answered Yes is the end-to-end test's last step.)
TEST_F(Win32Window, CloseBoxAsksFirst)
{
    platform.answer = 7;
    Perform("type:txtTitle:Kept");
    PostMessageW(Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].Style, 292);
    EXPECT_TRUE(IsWindow(Main()));
    EXPECT_EQ(TextOf(Hwnd("txtTitle")), L"Kept");
}

class Reset : public Win32Window, public ::testing::WithParamInterface<std::pair<std::string, UINT>> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, Reset, ::testing::Values(
    std::pair{"txtBody", VK_ESCAPE}, std::pair{"chkHelpButtonDefault", VK_ESCAPE}, std::pair{"optRetryCancel2", VK_ESCAPE},
    std::pair{"cmdReset", VK_RETURN}, std::pair{"txtTopicID", 'R'}),
    [](const auto& info) { return info.param.first + "_" + std::to_string(info.param.second); });
// clang-format on

// Esc, in the body's own keys or through the window's keyboard interface,
// Enter on the Reset button and Alt+R bring back every control's start state
// on the screen, show the first tab and rest the focus in the title.
TEST_P(Reset, RestoresStartState)
{
    for (const char* step : {"type:txtTitle:Title", "type:txtBody:Body", "click:chkSystemModal", "click:optValue",
                             "click:optCritical", "click:optYesNoCancel3", "type:txtVariable:Answer",
                             "click:chkMsgBoxHelpButton", "type:txtHelpFile:Orders.chm", "click:chkAppPathHelpFile",
                             "type:txtTopicID:25", "click:chkHelpButtonDefault", "click:optRetryCancel2"})
        Perform(step);
    const auto [focus, key] = GetParam();
    SelectTab(TabOf(ControlNamed(focus)) == NoTab ? 2 : TabOf(ControlNamed(focus)));
    SetFocus(Hwnd(focus));
    if (key == 'R') {
        PostMessageW(GetFocus(), WM_SYSCHAR, 'r', 1 << 29);
        Pump();
    } else {
        Press(key);
    }

    for (const std::vector<std::string>& row : ReadCaseTable("main-window-controls.tsv")) {
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(Utf8(TextOf(Hwnd(row[0]))), WindowTextOf(row));
        EXPECT_EQ(IsWindowEnabled(Hwnd(row[0])) != FALSE, row[9] == "1");
        EXPECT_EQ(SendMessageW(Hwnd(row[0]), BM_GETCHECK, 0, 0), row[10] == "1" ? BST_CHECKED : BST_UNCHECKED);
    }
    EXPECT_EQ(window->Form().Snapshot(), MessageBoxOptions());
    EXPECT_EQ(SelectedTab(), 0);
    EXPECT_TRUE(IsWindowVisible(window->Page(0)));
    EXPECT_FALSE(IsWindowVisible(window->Page(1)));
    EXPECT_EQ(Focus(), "txtTitle");
}

// The window as assistive technology reads it through oleacc, in a thread
// where COM runs, as in the program.
class Accessibility : public Win32Window {
protected:
    void SetUp() override
    {
        comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        Win32Window::SetUp();
    }
    void TearDown() override
    {
        window.reset();
        if (comStarted)
            CoUninitialize();
    }

    bool comStarted = false;
};

struct Scenario {
    const char* Name;
    Names Clicks;
    bool HelpButton;
    const char* DefaultSpoken;
};

class EveryControl : public Accessibility, public ::testing::WithParamInterface<Scenario> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(States, EveryControl, ::testing::Values(
    Scenario{"AsLoaded", {}, false, "Default Button: OK"},
    Scenario{"ChoicesMade", Split("optValue chkSystemModal optQuestion optYesNoCancel2 chkMsgBoxHelpButton chkAppPathHelpFile"),
             true, "Default Button: No"},
    Scenario{"HelpIsDefault", Split("optAbortRetryIgnore3 chkMsgBoxHelpButton chkHelpButtonDefault"), true, "Default Button: Help"},
    Scenario{"HelpTurnedOffAgain", Split("optRetryCancel1 chkMsgBoxHelpButton chkMsgBoxHelpButton"), false, "Default Button: Retry"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

// Every control speaks the layout's name for the caption frmMain shows and
// the role of its kind. It is out of reach while disabled, as the Help-button
// settings are without a Help button, checked while chosen, unseen on a
// hidden tab, and focusable only where it takes the focus. No two controls that take the focus sound
// alike, and the default button's label speaks the button it names.
TEST_P(EveryControl, SpeaksLayoutNameRoleAndState)
{
    for (const std::string& name : GetParam().Clicks)
        Click(name);
    std::set<std::string> focusNames;
    for (const ControlLayout& row : MainWindowLayout) {
        SCOPED_TRACE(row.Name);
        const Spoken spoken = Read(window->Window(row.Id));
        const ControlState& state = window->Form().State(row.Id);
        const bool checkable = row.Kind == ControlKind::CheckBox || row.Kind == ControlKind::OptionButton ||
                               row.Kind == ControlKind::PushOption;
        EXPECT_EQ(spoken.Name, AccessibleNameOf(row.Id, state.Text));
        EXPECT_EQ(spoken.Role, MsaaRoles.at(RoleOf(row.Id)));
        EXPECT_EQ((spoken.State & STATE_SYSTEM_UNAVAILABLE) != 0,
                  row.Container == Control::fraHelp ? !GetParam().HelpButton : !state.Enabled);
        EXPECT_EQ((spoken.State & STATE_SYSTEM_CHECKED) != 0, checkable && state.Value == 1);
        EXPECT_EQ((spoken.State & STATE_SYSTEM_INVISIBLE) != 0,
                  TabOf(row.Id) != NoTab && TabOf(row.Id) != window->Form().SelectedTab());
        if (row.Kind != ControlKind::Window) {
            EXPECT_EQ((spoken.State & STATE_SYSTEM_FOCUSABLE) != 0, TakesFocus(row.Kind) && state.Enabled);
        }
        if (TakesFocus(row.Kind)) {
            EXPECT_TRUE(focusNames.insert(spoken.Name).second) << "spoken twice: " << spoken.Name;
        }
    }
    EXPECT_EQ(Read(Hwnd("lblDefault")).Name, GetParam().DefaultSpoken);
}

// A field stands right after its label among its siblings, which is where
// the system looks for a field's name. The icon options stand together, so
// that the arrow keys go from one to the next; each speaks its label's caption
// and shows a picture, blank for "No Icon", in place of that text.
TEST_F(Accessibility, LabelsNameTheirControls)
{
    for (const auto& [label, field] : {std::pair{"Label1", "txtTitle"},
                                       {"Label2", "txtBody"},
                                       {"lblVariable", "txtVariable"},
                                       {"lblHelpFile", "txtHelpFile"},
                                       {"lblTopicID", "txtTopicID"}}) {
        EXPECT_EQ(GetWindow(Hwnd(field), GW_HWNDPREV), Hwnd(label)) << field;
        EXPECT_EQ(Read(Hwnd(field)).Name + ":", Utf8(TextOf(Hwnd(label))));
    }
    for (const auto& [label, option] : {std::pair{"Label3", "optNoIcon"},
                                        {"Label4", "optCritical"},
                                        {"Label5", "optQuestion"},
                                        {"Label6", "optExclamation"},
                                        {"Label7", "optInformation"}}) {
        EXPECT_EQ(Read(Hwnd(option)).Name, Utf8(TextOf(Hwnd(label))));
        EXPECT_EQ(TextOf(Hwnd(option)), TextOf(Hwnd(label)));
        EXPECT_NE(SendMessageW(Hwnd(option), BM_GETIMAGE, IMAGE_ICON, 0), 0) << "its text would show";
    }
}

// Every window of the tree answers, pages and the tab control's own parts
// included. The test prints the tree as assistive technology reads it.
TEST_F(Accessibility, WholeTreeAnswers)
{
    Click("chkMsgBoxHelpButton");
    std::ostringstream tree;
    Describe(Main(), 0, tree);
    std::cout << tree.str();
    EXPECT_EQ(tree.str().find(Spoken().Name), std::string::npos);
}

// The splash window shows the logo above every window, while the main window
// waits hidden and disabled; after its time the main window takes over.
TEST(Win32Splash, HandsOverToTheMainWindow)
{
    Win32Platform platform;
    Win32SplashWindow splash(platform, 200ms);
    HWND logo = splash.Window();
    HWND main = splash.MainWindow().Window(Control::frmMain);
    EXPECT_EQ(TextOf(logo), L"Form1");
    RECT client;
    GetClientRect(logo, &client);
    EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(225L, 44L));
    EXPECT_EQ(GetWindowLongPtrW(logo, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), WS_POPUP);
    EXPECT_NE(GetWindowLongPtrW(logo, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_TRUE(IsWindowVisible(logo));
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(IsWindowEnabled(main));

    const auto deadline = std::chrono::steady_clock::now() + 5s;
    for (MSG message; splash.Window() && std::chrono::steady_clock::now() < deadline;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    EXPECT_FALSE(IsWindow(logo));
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(IsWindowEnabled(main));
}

} // namespace
