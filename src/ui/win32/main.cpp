// The Windows program: the common controls, the splash window, and the
// message loop that gives the main window's keys the first look.
#include "SplashWindow.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    vellumet::Win32Platform platform;
    vellumet::Win32SplashWindow splash(platform);
    // The common controls are needed first by the main window's controls,
    // which are built from the message loop, once the splash window shows.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    // The main window ends the loop when it closes.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!splash.MainWindow().TranslateKeys(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
