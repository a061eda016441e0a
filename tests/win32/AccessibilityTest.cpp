#include "platform/win32/WideText.h"
#include "support/RecordingPlatform.h"
#include "ui/DefaultButton.h"
#include "ui/win32/MainWindow.h"

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace vellumet;

namespace {

using enum Control;

// clang-format off
const std::map<AccessibleRole, LONG> MsaaRoles{
    {AccessibleRole::Window, ROLE_SYSTEM_CLIENT}, {AccessibleRole::PageTabList, ROLE_SYSTEM_PAGETABLIST},
    {AccessibleRole::Graphic, ROLE_SYSTEM_GRAPHIC}, {AccessibleRole::StaticText, ROLE_SYSTEM_STATICTEXT},
    {AccessibleRole::Text, ROLE_SYSTEM_TEXT}, {AccessibleRole::CheckBox, ROLE_SYSTEM_CHECKBUTTON},
    {AccessibleRole::RadioButton, ROLE_SYSTEM_RADIOBUTTON}, {AccessibleRole::Grouping, ROLE_SYSTEM_GROUPING},
    {AccessibleRole::PushButton, ROLE_SYSTEM_PUSHBUTTON}, {AccessibleRole::Link, ROLE_SYSTEM_LINK}};
// clang-format on

std::string TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

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

// The main window shown and active on a recording desktop, in a thread where
// COM runs, as in the program; clicks and keys go through the thread's queue
// and the window's keyboard interface.
class Accessibility : public ::testing::Test {
protected:
    void SetUp() override
    {
        comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        DefaultButtonCaption.clear();
        window = std::make_unique<Win32MainWindow>(platform);
        ShowWindow(Hwnd(frmMain), SW_SHOW);
        SetForegroundWindow(Hwnd(frmMain));
        Pump();
    }
    void TearDown() override
    {
        window.reset();
        if (comStarted)
            CoUninitialize();
    }

    HWND Hwnd(Control control) const { return window->Window(control); }
    std::optional<Control> Focus() const { return Win32MainWindow::ControlOf(GetFocus()); }

    void Pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            if (!window->TranslateKeys(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
    }

    // Clicks a control in its middle, after its tab.
    void Click(Control control)
    {
        const auto clickAt = [this](HWND target, RECT area) {
            const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
            PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageW(target, WM_LBUTTONUP, 0, at);
            Pump();
        };
        RECT area;
        if (TabOf(control) != NoTab && TabCtrl_GetItemRect(Hwnd(SSTab1), TabOf(control), &area))
            clickAt(Hwnd(SSTab1), area);
        GetClientRect(Hwnd(control), &area);
        clickAt(Hwnd(control), area);
    }

    void Press(UINT key)
    {
        const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1 | scanCode);
        PostMessageW(GetFocus(), WM_KEYUP, key, 1 | scanCode | 0xC0000000);
        Pump();
    }

    vellumet::testing::RecordingPlatform platform;
    std::unique_ptr<Win32MainWindow> window;
    bool comStarted = false;
};

struct Scenario {
    const char* Name;
    std::vector<Control> Clicks;
    bool HelpButton;
    const char* DefaultSpoken;
};

class EveryControl : public Accessibility, public ::testing::WithParamInterface<Scenario> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(States, EveryControl, ::testing::Values(
    Scenario{"AsLoaded", {}, false, "Default Button: OK"},
    Scenario{"ChoicesMade", {optValue, chkSystemModal, optQuestion, optYesNoCancel2, chkMsgBoxHelpButton, chkAppPathHelpFile},
             true, "Default Button: No"},
    Scenario{"HelpIsDefault", {optAbortRetryIgnore3, chkMsgBoxHelpButton, chkHelpButtonDefault}, true, "Default Button: Help"},
    Scenario{"HelpTurnedOffAgain", {optRetryCancel1, chkMsgBoxHelpButton, chkMsgBoxHelpButton}, false, "Default Button: Retry"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

// Every control speaks the layout's name for the caption frmMain shows and
// the role of its kind. It is out of reach while disabled, as the Help-button
// settings are without a Help button, checked while chosen, unseen on a
// hidden tab, and focusable only where it takes the focus. No two controls that take the focus sound
// alike, and the default button's label speaks the button it names.
TEST_P(EveryControl, SpeaksLayoutNameRoleAndState)
{
    for (Control control : GetParam().Clicks)
        Click(control);
    std::set<std::string> focusNames;
    for (const ControlLayout& row : MainWindowLayout) {
        SCOPED_TRACE(row.Name);
        const Spoken spoken = Read(Hwnd(row.Id));
        const ControlState& state = window->Form().State(row.Id);
        const bool checkable = row.Kind == ControlKind::CheckBox || row.Kind == ControlKind::OptionButton ||
                               row.Kind == ControlKind::PushOption;
        EXPECT_EQ(spoken.Name, AccessibleNameOf(row.Id, state.Text));
        EXPECT_EQ(spoken.Role, MsaaRoles.at(RoleOf(row.Id)));
        EXPECT_EQ((spoken.State & STATE_SYSTEM_UNAVAILABLE) != 0,
                  row.Container == fraHelp ? !GetParam().HelpButton : !state.Enabled);
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
    EXPECT_EQ(Read(Hwnd(lblDefault)).Name, GetParam().DefaultSpoken);
}

// A field stands right after its label among its siblings, which is where
// the system looks for a field's name. The icon options stand together, so
// that the arrow keys go from one to the next; each speaks its label's caption
// and shows a picture, blank for "No Icon", in place of that text.
TEST_F(Accessibility, LabelsNameTheirControls)
{
    for (const auto& [label, field] : {std::pair{Label1, txtTitle},
                                       {Label2, txtBody},
                                       {lblVariable, txtVariable},
                                       {lblHelpFile, txtHelpFile},
                                       {lblTopicID, txtTopicID}}) {
        EXPECT_EQ(GetWindow(Hwnd(field), GW_HWNDPREV), Hwnd(label)) << LayoutOf(field).Name;
        EXPECT_EQ(Read(Hwnd(field)).Name + ":", TextOf(Hwnd(label)));
    }
    for (const auto& [label, option] : {std::pair{Label3, optNoIcon},
                                        {Label4, optCritical},
                                        {Label5, optQuestion},
                                        {Label6, optExclamation},
                                        {Label7, optInformation}}) {
        EXPECT_EQ(Read(Hwnd(option)).Name, TextOf(Hwnd(label)));
        EXPECT_EQ(TextOf(Hwnd(option)), TextOf(Hwnd(label)));
        EXPECT_NE(SendMessageW(Hwnd(option), BM_GETIMAGE, IMAGE_ICON, 0), 0) << "its text would show";
    }
}

// Every window of the tree answers, pages and the tab control's own parts
// included. The test prints the tree as assistive technology reads it.
TEST_F(Accessibility, WholeTreeAnswers)
{
    Click(chkMsgBoxHelpButton);
    std::ostringstream tree;
    Describe(Hwnd(frmMain), 0, tree);
    std::cout << tree.str();
    EXPECT_EQ(tree.str().find(Spoken().Name), std::string::npos);
}

// From the tab strip, the arrow keys show each tab, Tab walks its controls
// and the commands, and the arrow keys walk round each option group. Space on
// "Include help button" and a set of several buttons open the fields behind
// them. Every control that takes the focus is reached; Esc then brings back
// the start.
TEST_F(Accessibility, KeyboardReachesEveryControl)
{
    std::set<std::optional<Control>> reached{Focus()};
    for (int tab = 0; tab < static_cast<int>(TabCaptions.size()); ++tab) {
        if (tab > 0)
            Press(VK_RIGHT);
        ASSERT_EQ(TabCtrl_GetCurSel(Hwnd(SSTab1)), tab);
        ASSERT_EQ(Focus(), SSTab1);
        for (int step = 0; step < 40; ++step) {
            Press(VK_TAB);
            const auto at = Focus();
            reached.insert(at);
            if (!at || *at == SSTab1)
                break;
            const ControlKind kind = LayoutOf(*at).Kind;
            if (kind == ControlKind::OptionButton || kind == ControlKind::PushOption) {
                // Round the group, then one back: its last option stays chosen.
                for (int move = 0; move < 20 && (move == 0 || Focus() != at); ++move) {
                    Press(VK_DOWN);
                    reached.insert(Focus());
                }
                Press(VK_UP);
            }
            if (*at == chkMsgBoxHelpButton)
                Press(VK_SPACE);
        }
    }
    for (const ControlLayout& row : MainWindowLayout)
        if (TakesFocus(row.Kind)) {
            EXPECT_TRUE(reached.contains(row.Id)) << row.Name << " is never reached";
        }

    Press(VK_ESCAPE);
    EXPECT_EQ(window->Form().Snapshot(), MessageBoxOptions());
    EXPECT_EQ(Focus(), txtTitle);
}

} // namespace
