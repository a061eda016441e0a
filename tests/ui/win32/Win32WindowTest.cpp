// The Win32 windows, driven through the thread's message queue as a person
// drives them: what only this front end can get wrong. The controls built
// from the layout table at the resolution given, the keys reaching frmMain,
// typing, pasting and dropping, the pointer, what assistive technology reads
// through oleacc, and the splash window handing over to the main window.
#include "platform/RecordingPlatform.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"
#include "support/CaseTable.h"
#include "support/FrontEndBehaviour.h"
#include "support/WindowDriver.h"
#include "ui/LinkColours.h"
#include "ui/win32/ControlRules.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/SplashWindow.h"
#include "ui/win32/WindowSupport.h"

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace vellumet;
using namespace std::chrono_literals;
using vellumet::testing::ControlNamed;

namespace {

using Names = std::vector<std::string>;

LOGFONTW FontOf(HWND window)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// The size of the window's text in the window's font.
SIZE CaptionSize(HWND window)
{
    const std::wstring caption = TextOf(window);
    HDC context = GetDC(window);
    const HGDIOBJ previous = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(context, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(window, context);
    return size;
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

// The main window shown and active on a recording desktop, and the moves a
// person makes on it, each carried through the thread's message queue and the
// window's keyboard interface, as the program's event loop carries them. The
// window starts OLE itself, for drops and for oleacc, as in the program, so
// the tests start none that would hide a window that failed to.
class Win32Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Win32MainWindow>(platform);
        ShowWindow(Main(), SW_SHOW);
        SetForegroundWindow(Main());
        Pump();
    }

    HWND Main() const { return window->Window(Control::frmMain); }
    HWND Tabs() const { return window->Window(Control::SSTab1); }
    HWND Hwnd(const std::string& name) const { return window->Window(ControlNamed(name)); }
    const ControlState& State(const std::string& name) const { return window->Form().State(ControlNamed(name)); }
    std::string Focus() const
    {
        const auto control = Win32MainWindow::ControlOf(GetFocus());
        return control ? std::string(LayoutOf(*control).Name) : "none";
    }
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

    // Presses keys where the focus is, named as in the behaviour tables: a key
    // ("Tab", "Esc", "Enter", "Space", an arrow or a letter) after the
    // modifiers held ("Shift+Tab", "Ctrl+Shift+V"). The system turns a letter
    // typed with Alt into WM_SYSCHAR.
    void Press(std::string keys)
    {
        if (keys.starts_with("Alt+")) {
            PostMessageW(GetFocus(), WM_SYSCHAR, std::tolower(static_cast<unsigned char>(keys.back())), 1 << 29);
            return Pump();
        }
        static const std::map<std::string, BYTE> named{{"Ctrl", VK_CONTROL}, {"Shift", VK_SHIFT},  {"Tab", VK_TAB},
                                                       {"Esc", VK_ESCAPE},   {"Enter", VK_RETURN}, {"Space", VK_SPACE},
                                                       {"Up", VK_UP},        {"Down", VK_DOWN},    {"Left", VK_LEFT},
                                                       {"Right", VK_RIGHT},  {"PgUp", VK_PRIOR},   {"PgDown", VK_NEXT}};
        BYTE state[256];
        GetKeyboardState(state);
        for (std::size_t plus; (plus = keys.find('+')) != std::string::npos; keys.erase(0, plus + 1))
            state[named.at(keys.substr(0, plus))] = 0x80;
        SetKeyboardState(state);
        const UINT key = keys.size() == 1 ? static_cast<UINT>(keys[0]) : named.at(keys);
        const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1 | scanCode);
        PostMessageW(GetFocus(), WM_KEYUP, key, 1 | scanCode | 0xC0000000);
        Pump();
        state[VK_CONTROL] = state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }

    void Type(const std::wstring& text)
    {
        for (wchar_t character : text)
            PostMessageW(GetFocus(), WM_CHAR, character, 1);
        Pump();
    }

    // "click:NAME", "type:NAME:TEXT" into the field clicked first, or "key:Escape".
    void Perform(const std::string& step)
    {
        const std::size_t nameEnd = step.find(':', step.find(':') + 1);
        const std::string name = step.substr(step.find(':') + 1, nameEnd - step.find(':') - 1);
        if (step == "key:Escape")
            return Press("Esc");
        Click(name);
        if (step.starts_with("type:"))
            Type(Wide(step.substr(nameEnd + 1)));
    }

    // Shows the tab and puts the focus on the control, or on the tab strip for "SSTab1".
    void FocusOn(int tab, const std::string& name)
    {
        if (tab != SelectedTab())
            SelectTab(tab);
        SetFocus(Hwnd(name));
        Pump();
    }

    // After the steps, the keys pressed where the focus is put press the
    // button: the platform is asked, and the choices change, as by a click on
    // the button after the same steps on the recording desktop.
    void ExpectPresses(const std::string& button, const Names& steps, int tab, const std::string& focus,
                       const std::string& keys)
    {
        for (const std::string& step : steps)
            Perform(step);
        FocusOn(tab, focus);
        vellumet::testing::WindowDriver clicked;
        platform.answer = clicked.platform.answer = 7; // No, when Exit asks
        clicked.PerformAll(steps);
        for (vellumet::testing::RecordingPlatform* recording : {&platform, &clicked.platform})
            recording->calls.clear(), recording->messageBoxes.clear();
        clicked.Click(ControlNamed(button));
        Press(keys);
        EXPECT_EQ(platform.calls, clicked.platform.calls);
        EXPECT_TRUE(platform.messageBoxes == clicked.platform.messageBoxes);
        EXPECT_EQ(window->Form().Snapshot(), clicked.form->Snapshot());
    }

    // Every control shows the text, the check and whether it is enabled as
    // frmMain has them; a selected option is the one tab stop of its group, and
    // the default label is just as large as its caption.
    void ExpectScreenShowsForm() const
    {
        for (const ControlLayout& row : MainWindowLayout) {
            SCOPED_TRACE(row.Name);
            const ControlState& state = window->Form().State(row.Id);
            HWND control = window->Window(row.Id);
            if (!ShowsPictureOnly(row.Id)) {
                EXPECT_EQ(Utf8(TextOf(control)), state.Text);
            }
            EXPECT_EQ(IsWindowEnabled(control) != FALSE, state.Enabled);
            EXPECT_EQ(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED, HasCheck(row.Id) && state.Value == 1);
            if (IsOption(row.Id)) {
                EXPECT_EQ((GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0, state.Value == 1);
            }
        }
        RECT label;
        GetClientRect(Hwnd("lblDefault"), &label);
        const SIZE caption = CaptionSize(Hwnd("lblDefault"));
        EXPECT_EQ(std::make_pair(label.right, label.bottom), std::make_pair(caption.cx, caption.cy));
    }

    vellumet::testing::RecordingPlatform platform;
    // The system's clipboard, which the edit controls and drops read.
    Win32Platform desktop;
    std::unique_ptr<Win32MainWindow> window;
};

// A row of win32-resolutions.tsv.
class Built : public Win32Window, public ::testing::WithParamInterface<std::vector<std::string>> {};

INSTANTIATE_TEST_SUITE_P(Dpi, Built, ::testing::ValuesIn(vellumet::testing::ReadCaseTable("win32-resolutions.tsv")),
                         [](const auto& info) { return info.param[0]; });

// At the standard resolution, and on a monitor of twice that, every control
// stands in its container at the table's twips (15 to the pixel at 96 dpi),
// in the fonts of that resolution; a label too narrow for its caption widens,
// a centred one about its middle. An option is a push button where the table
// says so, the pictures are drawn at the resolution's size, the fields take
// their limits, and every control shows frmMain's start state.
TEST_P(Built, AsTheTableSays)
{
    const auto dpi = static_cast<UINT>(std::stoul(GetParam()[0]));
    if (dpi != USER_DEFAULT_SCREEN_DPI) {
        RECT suggested;
        GetWindowRect(Main(), &suggested);
        SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    const auto pixels = [dpi](int twips) { return static_cast<LONG>(PixelsOf(twips) * dpi / USER_DEFAULT_SCREEN_DPI); };
    EXPECT_EQ(FontOf(Hwnd("txtTitle")).lfHeight, std::stol(GetParam()[1]));
    EXPECT_EQ(FontOf(Hwnd("Label8")).lfHeight, std::stol(GetParam()[2]));
    EXPECT_EQ(FontOf(Hwnd("lblLink")).lfHeight, std::stol(GetParam()[2]));

    for (const ControlLayout& row : MainWindowLayout) {
        if (row.Kind == ControlKind::Window)
            continue;
        SCOPED_TRACE(row.Name);
        HWND control = window->Window(row.Id);
        if (IsOption(row.Id)) {
            EXPECT_EQ((GetWindowLongPtrW(control, GWL_STYLE) & BS_PUSHLIKE) != 0, row.Kind == ControlKind::PushOption);
        }
        const bool onTab = row.Tab != NoTab;
        EXPECT_EQ(GetParent(control), onTab ? window->Page(row.Tab) : window->Window(row.Container));
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(HWND_DESKTOP, onTab ? Tabs() : GetParent(control), reinterpret_cast<POINT*>(&place), 2);
        const bool label = row.Kind == ControlKind::Label || row.Kind == ControlKind::CentredLabel;
        const LONG width = pixels(row.Width);
        const LONG widened = label ? std::max(width, CaptionSize(control).cx) : width;
        const LONG shift = row.Kind == ControlKind::CentredLabel ? (widened - width) / 2 : 0;
        EXPECT_EQ(place.left, pixels(row.Left) - shift);
        EXPECT_EQ(place.top, pixels(row.Top));
        if (row.Kind != ControlKind::AutoSizeLabel) {
            EXPECT_EQ(place.right - place.left, widened);
        }
        // A list is as high as its font makes its chosen item.
        if (row.Kind != ControlKind::AutoSizeLabel && row.Kind != ControlKind::DropDownList) {
            EXPECT_EQ(place.bottom - place.top, pixels(row.Height));
        }

        if (row.Picture != PictureKind::None) {
            const bool about = row.Picture == PictureKind::About;
            auto picture = reinterpret_cast<HGDIOBJ>(
                SendMessageW(control, about ? STM_GETIMAGE : BM_GETIMAGE, about ? IMAGE_BITMAP : IMAGE_ICON, 0));
            ICONINFO icon{};
            if (!about && GetIconInfo(static_cast<HICON>(picture), &icon))
                picture = icon.hbmColor;
            BITMAP bitmap{};
            ASSERT_NE(GetObjectW(picture, sizeof bitmap, &bitmap), 0);
            EXPECT_EQ(std::make_pair(bitmap.bmWidth, bitmap.bmHeight),
                      about ? std::pair(pixels(row.Width), pixels(row.Height)) : std::pair(pixels(480), pixels(480)));
            DeleteObject(icon.hbmColor);
            DeleteObject(icon.hbmMask);
        }
        if (IsTextField(row.Id)) {
            EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0),
                      row.MaxLength == NoLimit ? 0x7FFFFFFE : static_cast<LRESULT>(row.MaxLength));
        }
    }
    ExpectScreenShowsForm();
}

// The window as it first shows: its frame, icons and place, its tabs, where
// the focus is, the link's underline and its pointer. The end-to-end test
// finds the window by its caption.
TEST_F(Win32Window, WindowFacts)
{
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(389L, 527L));
    constexpr DWORD Frame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
    EXPECT_EQ(GetWindowLongPtrW(Main(), GWL_STYLE) & Frame, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_NE(SendMessageW(Main(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0), 0);

    RECT frame;
    GetWindowRect(Main(), &frame);
    MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
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
    EXPECT_EQ(std::pair(SelectedTab(), Focus()), std::pair(0, std::string("SSTab1")));
    EXPECT_EQ((std::pair<bool, bool>(FontOf(Hwnd("Label8")).lfUnderline, FontOf(Hwnd("lblLink")).lfUnderline)),
              std::pair(false, true));

    // The link shows the hand, pointing with its fingertip.
    SendMessageW(Hwnd("lblLink"), WM_SETCURSOR, reinterpret_cast<WPARAM>(Hwnd("lblLink")), HTCLIENT);
    ICONINFO hand{};
    ASSERT_TRUE(GetIconInfo(GetCursor(), &hand));
    EXPECT_EQ(std::tie(hand.fIcon, hand.xHotspot, hand.yHotspot), std::make_tuple(FALSE, 12ul, 4ul));
    DeleteObject(hand.hbmColor);
    DeleteObject(hand.hbmMask);
}

// The walks and keys of the front-end behaviour tables, by keys alone.
class TabWalks : public Win32Window, public ::testing::WithParamInterface<vellumet::testing::TabWalk> {};

INSTANTIATE_TEST_SUITE_P(Behaviour, TabWalks, ::testing::ValuesIn(vellumet::testing::TabWalks()),
                         [](const auto& info) { return info.param.Name; });

// The walk goes backwards first, so that it also enters each option group
// from behind before any of its options has had the focus. After each key the
// screen shows frmMain's state: the option with the focus is the selected one
// and its group's one tab stop.
TEST_P(TabWalks, GoRoundInOrder)
{
    const vellumet::testing::TabWalk& walk = GetParam();
    for (const std::string& step : walk.Steps)
        Perform(step);
    FocusOn(walk.Tab, "SSTab1");
    const auto visit = [this](const std::string& key, std::size_t steps) {
        Names visited;
        for (std::size_t step = 0; step < steps; ++step) {
            Press(key);
            visited.push_back(Focus());
            ExpectScreenShowsForm();
        }
        return visited;
    };
    Names round = walk.Stops;
    round.push_back("SSTab1");
    // Shift+Tab goes round the other way, and reaches the strip last as well.
    Names backwards = visit("Shift+Tab", round.size());
    std::ranges::reverse(backwards);
    std::ranges::rotate(backwards, backwards.begin() + 1);
    EXPECT_EQ(backwards, round);
    EXPECT_EQ(visit("Tab", round.size()), round);
}

class ArrowKeys : public Win32Window, public ::testing::WithParamInterface<vellumet::testing::ControlNames> {};

INSTANTIATE_TEST_SUITE_P(Behaviour, ArrowKeys, ::testing::ValuesIn(vellumet::testing::OptionGroupMembers()),
                         [](const auto& info) { return info.param.front(); });

// The arrow keys select the neighbour in the group, wrapping round, and never
// stop at a label between the options; Space on the selected option leaves
// everything as it was.
TEST_P(ArrowKeys, SelectWithinGroup)
{
    const Names& group = GetParam();
    const auto expectSelected = [&](const std::string& chosen) {
        EXPECT_EQ(Focus(), chosen);
        for (const std::string& member : group)
            EXPECT_EQ(State(member).Value == 1, member == chosen) << member;
        ExpectScreenShowsForm();
    };
    Click(group.front());
    std::size_t at = 0;
    for (const auto& [key, step] : vellumet::testing::ArrowMoves()) {
        Press(key);
        at = static_cast<std::size_t>(static_cast<int>(at + group.size()) + step) % group.size();
        expectSelected(group[at]);
    }
    for (std::size_t step = 1; step <= group.size(); ++step)
        Press("Down");
    expectSelected(group[at]);
    Press("Space");
    expectSelected(group[at]);
}

class CommandKeys : public Win32Window, public ::testing::WithParamInterface<vellumet::testing::FocusPlace> {};

INSTANTIATE_TEST_SUITE_P(Behaviour, CommandKeys, ::testing::ValuesIn(vellumet::testing::KeyFocusPlaces()),
                         [](const auto& info) { return info.param.Control + "_" + std::to_string(info.param.Tab); });

// Each key presses its command button wherever the focus rests: it asks the
// platform and changes the choices just as a click on the button does. The
// tab keys show the neighbouring tab, with the focus on the tab strip, and
// type nothing. Esc leaves the focus on the tab strip of the first tab, and
// whatever is pressed next keeps it on controls that show: a focus left on a
// hidden page made the dialog manager's search for a letter go round for
// ever. Each Esc after the first shows the window still answering.
TEST_P(CommandKeys, WorkWhereverTheFocusRests)
{
    const auto& [tab, control] = GetParam();
    for (const vellumet::testing::CommandKey& key : vellumet::testing::CommandKeys()) {
        SCOPED_TRACE(key.Key);
        ExpectPresses(key.Presses, {"type:txtBody:Body"}, tab, control, key.Key);
    }
    Perform("type:txtBody:Body");
    for (const auto& [key, step] : vellumet::testing::TabKeys()) {
        FocusOn(tab, control);
        Press(key);
        EXPECT_EQ(std::pair(SelectedTab(), Focus()), std::pair((tab + step + 4) % 4, std::string("SSTab1"))) << key;
    }
    EXPECT_EQ(State("txtBody").Text, "Body");
    vellumet::testing::WithinTimeLimit(60s, [&] {
        for (const auto& keys : vellumet::testing::KeysAfterReset()) {
            FocusOn(tab, control);
            Press("Esc");
            EXPECT_EQ(std::pair(SelectedTab(), Focus()), std::pair(0, std::string("SSTab1")));
            for (const std::string& key : keys)
                Press(key);
            EXPECT_TRUE(IsWindowVisible(GetFocus())) << keys.back();
        }
    });
}

class EnterKey : public Win32Window, public ::testing::WithParamInterface<vellumet::testing::EnterCase> {};

INSTANTIATE_TEST_SUITE_P(Behaviour, EnterKey, ::testing::ValuesIn(vellumet::testing::EnterCases()),
                         [](const auto& info) { return info.param.Button; });

TEST_P(EnterKey, PressesTheFocusedButton)
{
    ExpectPresses(GetParam().Button, GetParam().Steps, GetParam().Tab, GetParam().Button, "Enter");
}

// The list offers the languages' captions, a pick by keys reaches frmMain and
// the check box fits each folder it names (the screen shows frmMain's state).
// Alt+D reaches the list from another tab; Esc closes the open list and does
// nothing more.
TEST_F(Win32Window, LanguageListPicksAndTakesItsLetter)
{
    Press("Alt+D");
    EXPECT_EQ(std::pair(SelectedTab(), Focus()), std::pair(1, std::string("cboLanguage")));
    for (const LanguageRow& language : Languages) {
        EXPECT_EQ(TextOf(Hwnd("cboLanguage")), Wide(language.Caption));
        ExpectScreenShowsForm();
        RECT box;
        GetClientRect(Hwnd("chkAppPathHelpFile"), &box);
        EXPECT_LE(CaptionSize(Hwnd("chkAppPathHelpFile")).cx + GetSystemMetrics(SM_CXMENUCHECK) + 4, box.right);
        Press("Down");
    }
    SendMessageW(Hwnd("cboLanguage"), CB_SHOWDROPDOWN, TRUE, 0);
    Press("Esc");
    EXPECT_EQ(std::pair(SendMessageW(Hwnd("cboLanguage"), CB_GETDROPPEDSTATE, 0, 0), SelectedTab()),
              std::pair(LRESULT{FALSE}, 1));
}
// What is typed and pasted reaches frmMain as UTF-8. Enter breaks a line in
// the body and Tab leaves it; a pasted line break stays in the body as it is.
// A one-line field reads the clipboard through the platform, as Ctrl+Shift+V
// does, and takes its line breaks as spaces. The screen shows the texts frmMain
// keeps.
TEST_F(Win32Window, TypingAndPastingReachTheSnapshot)
{
    Click("optYesNo1");
    Perform("type:txtVariable:Antw\xc3\xb6rt");
    EXPECT_EQ(window->Form().Snapshot().VariableText, "Antw\xc3\xb6rt");

    Perform("type:txtBody:one");
    Press("Enter");
    Type(L"two");
    ASSERT_TRUE(desktop.SetClipboardText("a\nb"));
    SendMessageW(Hwnd("txtBody"), WM_PASTE, 0, 0);
    Press("Tab");
    EXPECT_EQ(Focus(), "chkSystemModal");
    EXPECT_EQ(window->Form().Snapshot().BodyText, "one\r\ntwoa\nb");

    Perform("type:txtTitle:abcd");
    SendMessageW(Hwnd("txtTitle"), EM_SETSEL, 2, 2);
    platform.clipboard = "x\r\ny\rz\n";
    SendMessageW(Hwnd("txtTitle"), WM_PASTE, 0, 0);
    EXPECT_EQ(window->Form().Snapshot().TitleText, "abx y z cd");
    EXPECT_EQ(SelectionOf(Hwnd("txtTitle")), (std::pair<DWORD, DWORD>{8, 8}));
    ExpectScreenShowsForm();
}

// Ctrl+Shift+V reads the call on the clipboard, even from inside a text field,
// and pastes nothing there; Ctrl+Z there takes the read back, and after that
// the field's Ctrl+Z takes back its typing. Text dropped beside the fields is
// read as a call; a field takes no dropped text. What a call sets is frmMain's
// to decide; the screen shows it.
TEST_F(Win32Window, ReadsCallByKeyAndDrop)
{
    Perform("type:txtBody:typed");
    platform.clipboard = "MsgBox \"From the clipboard\", vbYesNo";
    Press("Ctrl+Shift+V");
    EXPECT_EQ(TextOf(Hwnd("txtBody")), L"From the clipboard");
    ExpectScreenShowsForm();
    for (const wchar_t* typed : {L"", L"ab"}) {
        Type(typed);
        Press("Ctrl+Z");
        EXPECT_EQ(TextOf(Hwnd("txtBody")), L"typed");
    }

    const auto dragOnto = [this](const std::string& name) {
        ASSERT_TRUE(desktop.SetClipboardText("MsgBox \"Dropped\", vbCritical"));
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
    EXPECT_EQ(TextOf(Hwnd("txtBody")), L"typed");
    dragOnto("Label2");
    EXPECT_EQ(TextOf(Hwnd("txtBody")), L"Dropped");
    ExpectScreenShowsForm();
    EXPECT_TRUE(platform.messageBoxes.empty());
}

// A row of win32-focus-fields.tsv, and how the focus arrives.
class FocusSelectsWholeText : public Win32Window,
                              public ::testing::WithParamInterface<std::tuple<std::vector<std::string>, std::string>> {
};

INSTANTIATE_TEST_SUITE_P(
    Fields, FocusSelectsWholeText,
    ::testing::Combine(::testing::ValuesIn(vellumet::testing::ReadCaseTable("win32-focus-fields.tsv")),
                       ::testing::Values("Tab", "click")),
    [](const auto& info) { return std::get<0>(info.param)[0] + "_" + std::get<1>(info.param); });

// However the focus arrives, the field selects its whole text, in the edit
// control's UTF-16 units, and what is typed replaces it.
TEST_P(FocusSelectsWholeText, AndTypingReplacesIt)
{
    const auto& [row, arrival] = GetParam();
    const std::string& field = row[1];
    Click("chkMsgBoxHelpButton");
    Click(field);
    // Pasted over the whole text, wherever the field reads the clipboard from.
    SendMessageW(Hwnd(field), EM_SETSEL, 0, -1);
    ASSERT_TRUE(desktop.SetClipboardText(row[2]));
    platform.clipboard = row[2];
    SendMessageW(Hwnd(field), WM_PASTE, 0, 0);
    ASSERT_EQ(State(field).Text, row[2]);
    SetFocus(Hwnd("cmdTry"));

    if (arrival == "Tab") {
        SetFocus(GetNextDlgTabItem(Main(), Hwnd(field), TRUE));
        Press("Tab");
    } else {
        Click(field);
    }
    EXPECT_EQ(Focus(), field);
    EXPECT_EQ(SelectionOf(Hwnd(field)), (std::pair<DWORD, DWORD>{0, std::stoul(row[3])}));
    Type(L"x");
    EXPECT_EQ(State(field).Text, "x");
}

// Coming back to the window from another, the field keeps its caret: only
// the focus arriving from inside the window selects the whole text.
TEST_F(Win32Window, ReturningToTheWindowKeepsTheCaret)
{
    Perform("type:txtBody:abcdef");
    SendMessageW(Hwnd("txtBody"), EM_SETSEL, 4, 4);
    HWND other = CreateWindowExW(0, WC_STATICW, L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    for (HWND active : {other, Main()}) {
        SetForegroundWindow(active);
        // Under Wine the activation goes round the X server, and may arrive some messages later.
        for (int wait = 0; wait < 500 && GetActiveWindow() != active; ++wait) {
            Sleep(10);
            Pump();
        }
        ASSERT_EQ(GetActiveWindow(), active);
    }
    DestroyWindow(other);
    Type(L"X");
    EXPECT_EQ(State("txtBody").Text, "abcdXef");
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
    // Each in the shade that reads well on the window.
    const TextGround window{GetSysColor(COLOR_ACTIVEBORDER), {}};
    EXPECT_EQ(drawnColour(), ShownTextColour(LinkColour, window));
    for (const auto& move : vellumet::testing::ReadCaseTable("win32-link-moves.tsv")) {
        SCOPED_TRACE(move[0]);
        POINT point{std::stoi(move[1]), std::stoi(move[2])};
        ClientToScreen(Hwnd(move[0]), &point);
        HWND under = WindowFromPoint(point);
        ScreenToClient(under, &point);
        SendMessageW(under, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        EXPECT_EQ(drawnColour(), ShownTextColour(move[3] == "red" ? HoverColour : LinkColour, window));
    }

    // A click on the link opens the maker's page, owned by this window.
    Click("lblLink");
    EXPECT_EQ(platform.opened, Names{"https://www.tarnwick.example/"});
    EXPECT_EQ(platform.owners, std::vector<WindowHandle>{reinterpret_cast<WindowHandle>(Main())});
}

// What assistive technology reads of a window's client object, through oleacc.
// Its name, role and state; a question left unanswered reads as empty or 0.
std::tuple<std::string, LONG, LONG> Read(HWND window)
{
    IAccessible* object = nullptr;
    if (FAILED(
            AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
        return {"(no accessible object)", 0, 0};
    VARIANT self{};
    V_VT(&self) = VT_I4;
    V_I4(&self) = CHILDID_SELF;
    BSTR name = nullptr;
    VARIANT role{};
    VARIANT state{};
    object->get_accName(self, &name);
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    object->Release();
    const std::string spoken = Utf8(std::wstring_view(name, SysStringLen(name)));
    SysFreeString(name);
    return {spoken, V_I4(&role), V_I4(&state)};
}

// Every control speaks the layout's name for the caption frmMain shows and
// the role of its kind. It is out of reach while disabled, as the Help-button
// settings are without a Help button, checked while chosen, unseen on a hidden
// tab, and focusable only where it takes the focus. A field stands right after
// its label among its siblings, which is where the system looks for a field's
// name. An option shown as a picture alone keeps its spoken name as its window
// text, never drawn: it shows a picture, blank for "No Icon", in place of that
// text.
TEST_F(Win32Window, EveryControlSpeaksLayoutNameRoleAndState)
{
    for (const char* name : {"optValue", "chkSystemModal", "optQuestion", "optYesNoCancel2"})
        Click(name);
    const auto roles = vellumet::testing::ReadCaseTable("win32-roles.tsv");
    for (const ControlLayout& row : MainWindowLayout) {
        SCOPED_TRACE(row.Name);
        const auto [name, role, flags] = Read(window->Window(row.Id));
        const ControlState& state = window->Form().State(row.Id);
        EXPECT_EQ(name, AccessibleNameOf(row.Id, state.Text));
        EXPECT_EQ(role, std::stol(roles.at(static_cast<std::size_t>(RoleOf(row.Id)))[2], nullptr, 0));
        EXPECT_EQ((flags & STATE_SYSTEM_UNAVAILABLE) != 0, !state.Enabled);
        EXPECT_EQ((flags & STATE_SYSTEM_CHECKED) != 0, HasCheck(row.Id) && state.Value == 1);
        EXPECT_EQ((flags & STATE_SYSTEM_INVISIBLE) != 0,
                  TabOf(row.Id) != NoTab && TabOf(row.Id) != window->Form().SelectedTab());
        if (row.Kind != ControlKind::Window) {
            EXPECT_EQ((flags & STATE_SYSTEM_FOCUSABLE) != 0, TakesFocus(row.Kind) && state.Enabled);
        }
        if (const auto field = FieldLabelledBy(row.Id)) {
            EXPECT_EQ(GetWindow(window->Window(*field), GW_HWNDPREV), window->Window(row.Id));
        }
        if (ShowsPictureOnly(row.Id)) {
            EXPECT_EQ(Utf8(TextOf(window->Window(row.Id))), row.AccessibleName);
            EXPECT_NE(SendMessageW(window->Window(row.Id), BM_GETIMAGE, IMAGE_ICON, 0), 0) << "its text would show";
        }
    }
}

// The splash window shows the logo above every window, bare of a frame, while
// the main window waits hidden and disabled. Its title and the hand-over to
// the main window are the end-to-end test's, which finds both by their titles.
TEST(Win32Splash, ShowsAboveTheHiddenMainWindow)
{
    Win32Platform platform;
    // The timer never fires here: the main window is made from the message loop and must stay hidden.
    Win32SplashWindow splash(platform, 1h);
    HWND logo = splash.Window();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    HWND main = splash.MainWindow().Window(Control::frmMain);
    ASSERT_NE(main, nullptr);
    RECT client;
    GetClientRect(logo, &client);
    EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(225L, 44L));
    EXPECT_EQ(GetWindowLongPtrW(logo, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), WS_POPUP);
    EXPECT_NE(GetWindowLongPtrW(logo, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ((std::tuple<bool, bool, bool>(IsWindowVisible(logo), IsWindowVisible(main), IsWindowEnabled(main))),
              std::tuple(true, false, false));
}

} // namespace
