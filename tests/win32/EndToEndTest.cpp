// Starts Vellumet.exe as a user does and works it from outside, as a person
// at the keyboard and mouse would: the splash, then the main window; each
// worked example entered with clicks and keys; Copy Code read back from the
// clipboard byte for byte; and Exit answered Yes.
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"
#include "support/CaseTable.h"
#include "support/WindowDriver.h"
#include "ui/win32/MainWindow.h"

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
    if (HWND found = GetDlgItem(parent, Win32MainWindow::IdOf(control)))
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
        const std::wstring path = Wide(JoinPath(Win32Platform().ApplicationPath(), "Vellumet.exe"));
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

    // Does a step of window-examples.tsv: "click:NAME" clicks the control, and
    // "type:NAME:KEYS" clicks into the field, which selects its text, and types
    // the keys over it; CR LF is Enter.
    void Perform(const std::string& step)
    {
        const std::size_t nameStart = step.find(':') + 1;
        const std::size_t nameEnd = step.find(':', nameStart);
        const Control control = ControlNamed(step.substr(nameStart, nameEnd - nameStart));
        ShowTabOf(control);
        HWND window = ControlWindow(main, control);
        if (step.starts_with("click:")) {
            SendMessageW(window, BM_CLICK, 0, 0);
            return;
        }
        RECT client{};
        GetClientRect(window, &client);
        const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        SendMessageW(window, WM_LBUTTONUP, 0, middle);
        std::wstring wide = Wide(step.substr(nameEnd + 1));
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
        Perform("click:cmdReset");
        for (std::size_t step = 6; step < row.size(); ++step)
            Perform(row[step]);
        Perform("click:cmdCopy");
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
