// The Win32 splash window, frmSplash's front end.
#pragma once

#include "MainWindow.h"
#include "ui/FrontEnd.h"
#include "ui/frmSplash.h"

#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <type_traits>

namespace vellumet {

// frmSplash on Win32: a window with no border and no title bar that shows the
// maker's logo, and its timer.
class Win32SplashWindow : public SplashFrontEnd {
public:
    // Loads the window, which runs the start-up sequence at once.
    explicit Win32SplashWindow(Platform& platform, std::chrono::milliseconds showTime = frmSplash::ShowTime);
    ~Win32SplashWindow() override;
    Win32SplashWindow(const Win32SplashWindow&) = delete;
    Win32SplashWindow& operator=(const Win32SplashWindow&) = delete;

    // The main window the start-up sequence loaded.
    Win32MainWindow& MainWindow() { return *mainWindow; }
    // Null once the splash window has unloaded.
    HWND Window() const { return window; }

    void LoadMainWindow() override;
    void EnableMainWindow(bool enabled) override;
    void ShowMainWindow() override;
    void ShowSplash() override;
    void StartTimer(std::chrono::milliseconds interval) override;
    WindowHandle SplashHandle() override;
    void UnloadSplash() override;

private:
    struct BitmapDeleter {
        void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Platform& platform;
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter> logo;
    HWND window = nullptr;
    std::unique_ptr<Win32MainWindow> mainWindow;
    std::optional<frmSplash> form;
};

} // namespace vellumet
