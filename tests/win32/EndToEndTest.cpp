// Starts Vellumet.exe as a user does and works it from outside, as a person
// at the keyboard and mouse would: the splash, then the main window; each
// worked example entered with clicks and keys; Copy Code read back from the
// clipboard byte for byte; and Exit answered Yes.
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"
#include "support/CaseTable.h"
#include "support/WindowDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <functional>
#include <thread>

using namespace vellumet;
using namespace vellumet::testing;
using namespace std::chrono_literals;

namespace {

constexpr int ControlIdBase = 1000;

// Polls until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 20s)
{
    for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        if (condition())
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return condition();
}

HWND ShownWindow(const wchar_t* title)
{
    HWND window = FindWindowW(nullptr, title);
    return window && IsWindowVisible(window) ? window : nullptr;
}

// The control's window, looked for among the window's children and theirs.
HWND ControlWindow(HWND parent, Control control)
{
    if (HWND found = GetDlgItem(parent, ControlIdBase + static_cast<int>(control)))
        return found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (HWND found = ControlWindow(child, control))
            return found;
    return nullptr;
}

class Program : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
        path = path.substr(0, path.find_last_of(L'\\') + 1) + L"Vellumet.exe";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(
            CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        CloseHandle(process.hThread);
    }

    void TearDown() override
    {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
    }

    // Shows the control's tab as a person can from the keyboard, with the
    // arrow keys on the tab strip.
    void ShowTabOf(Control control)
    {
        const int tab = TabOf(control);
        HWND strip = ControlWindow(main, Control::SSTab1);
        if (tab == NoTab)
            return;
        for (int shown; (shown = static_cast<int>(SendMessageW(strip, TCM_GETCURSEL, 0, 0))) != tab;) {
            const WPARAM key = shown < tab ? VK_RIGHT : VK_LEFT;
            SendMessageW(strip, WM_KEYDOWN, key, 0);
            SendMessageW(strip, WM_KEYUP, key, 0);
            ASSERT_NE(SendMessageW(strip, TCM_GETCURSEL, 0, 0), shown) << "the arrow key did not move the tab";
        }
    }

    void Click(Control control)
    {
        ShowTabOf(control);
        SendMessageW(ControlWindow(main, control), BM_CLICK, 0, 0);
    }

    // Clicks into the field, which selects its text, and types the keys over it; CR LF is Enter.
    void Type(Control field, const std::string& keys)
    {
        ShowTabOf(field);
        HWND window = ControlWindow(main, field);
        RECT client{};
        GetClientRect(window, &client);
        const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        SendMessageW(window, WM_LBUTTONUP, 0, middle);
        std::wstring wide = Wide(keys);
        // Enter types the pair.
        for (std::size_t pair = 0; (pair = wide.find(L"\r\n", pair)) != std::wstring::npos;)
            wide.erase(++pair, 1);
        for (const wchar_t key : wide)
            SendMessageW(window, WM_CHAR, key, 0);
    }

    PROCESS_INFORMATION process{};
    HWND main = nullptr;
};

TEST_F(Program, CopiesEveryWorkedExampleThroughItsWindow)
{
    ASSERT_TRUE(WaitFor([] { return ShownWindow(L"Form1") != nullptr; })) << "no splash window";
    ASSERT_TRUE(WaitFor([this] {
        main = ShownWindow(L"Vellumet - Tarnwick Solutions");
        return main && IsWindowEnabled(main);
    })) << "no main window after the splash";
    EXPECT_TRUE(WaitFor([] { return ShownWindow(L"Form1") == nullptr; })) << "the splash stayed";

    for (const auto& row : ReadCaseTable("window-examples.tsv")) {
        SCOPED_TRACE(row[0]);
        Click(Control::cmdReset);
        for (std::size_t step = 6; step < row.size(); ++step) {
            const std::string& text = row[step];
            const std::size_t nameStart = text.find(':') + 1;
            const std::size_t nameEnd = text.find(':', nameStart);
            const Control control = ControlNamed(text.substr(nameStart, nameEnd - nameStart));
            if (text.starts_with("click:"))
                Click(control);
            else
                Type(control, text.substr(nameEnd + 1));
        }
        Click(Control::cmdCopy);
        EXPECT_EQ(Win32Platform().ClipboardText(), ReadDataFile("golden/" + row[1]));
    }

    // Exit asks first; Yes ends the program.
    PostMessageW(ControlWindow(main, Control::cmdExit), BM_CLICK, 0, 0);
    HWND question = nullptr;
    ASSERT_TRUE(WaitFor([&question] { return (question = ShownWindow(L"Vellumet")) != nullptr; }));
    PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
}

} // namespace
