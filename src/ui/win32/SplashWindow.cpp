// The Win32 splash window: the logo in a window of its own, its timer, and
// the main window it loads, enables and shows.
#include "SplashWindow.h"

#include "Pictures.h"
#include "Resources.h"
#include "WindowSupport.h"

namespace vellumet {

namespace {

constexpr wchar_t SplashClass[] = L"frmSplash";
constexpr wchar_t LogoClass[] = L"SplashLogo";
constexpr int Image1Id = 1;
constexpr UINT_PTR Timer1Id = 1;
// Asks the splash window to have the main window made, once the logo shows.
constexpr UINT BuildMainWindowMessage = WM_APP + 1;
// The logo's own size at 96 dpi, but for its bottom row; like the rest of the
// layout, the window grows with the screen's resolution.
constexpr SIZE ClientSize{225, 44};
constexpr SIZE LogoSize{225, 45};

// The logo's window paints the bitmap it holds. The system's static control
// would do the same, but with the common controls' manifest it first loads
// their library, which would hold the splash window back.
LRESULT CALLBACK LogoProc(HWND image, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(image, message, wParam, lParam);
    const auto logo = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(image, GWLP_USERDATA));
    BITMAP size{};
    GetObjectW(logo, sizeof size, &size);
    PAINTSTRUCT paint;
    HDC context = BeginPaint(image, &paint);
    HDC source = CreateCompatibleDC(context);
    const HGDIOBJ previous = SelectObject(source, logo);
    BitBlt(context, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    EndPaint(image, &paint);
    return 0;
}

} // namespace

Win32SplashWindow::Win32SplashWindow(Platform& platform, std::chrono::milliseconds showTime)
    : platform(platform)
{
    [[maybe_unused]] static const bool registered = [] {
        RegisterWindowClass(SplashClass, WindowProc);
        RegisterWindowClass(LogoClass, LogoProc);
        return true;
    }();
    // A tool window, so that the taskbar shows no "Form1" for the three seconds.
    window = CreateWindowExW(WS_EX_TOOLWINDOW, SplashClass, L"Form1", WS_POPUP, 0, 0, ClientSize.cx, ClientSize.cy,
                             nullptr, nullptr, ProgramInstance(), nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const UINT dpi = DpiOf(window);
    SetWindowPos(window, nullptr, 0, 0, PixelsAt(ClientSize.cx, dpi), PixelsAt(ClientSize.cy, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOnScreen(window);
    logo.reset(LoadScaledBitmap(VELLUMET_BITMAP_SPLASH_LOGO, VELLUMET_BITMAP_SPLASH_LOGO_LARGE, dpi));
    HWND Image1 = CreateWindowExW(0, LogoClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, PixelsAt(LogoSize.cx, dpi),
                                  PixelsAt(LogoSize.cy, dpi), window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(Image1Id)), ProgramInstance(), nullptr);
    SetWindowLongPtrW(Image1, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(logo.get()));

    form.emplace(platform, *this, showTime);
}

Win32SplashWindow::~Win32SplashWindow()
{
    if (window)
        DestroyWindow(window);
}

// The main window is loaded at once, its Form_Load run; its window and its
// many controls are made as soon as the splash window is on the screen, well
// before the main window shows.
void Win32SplashWindow::LoadMainWindow()
{
    mainWindow = std::make_unique<Win32MainWindow>(platform, Win32MainWindow::ControlsBuilt::Later);
}

void Win32SplashWindow::EnableMainWindow(bool enabled) { mainWindow->Enable(enabled); }

void Win32SplashWindow::ShowMainWindow()
{
    mainWindow->Build();
    ShowWindow(mainWindow->Window(Control::frmMain), SW_SHOW);
}

void Win32SplashWindow::ShowSplash()
{
    ShowWindow(window, SW_SHOW);
    // The logo shows at once, before the event loop starts, which then makes the main window.
    UpdateWindow(window);
    PostMessageW(window, BuildMainWindowMessage, 0, 0);
}

void Win32SplashWindow::StartTimer(std::chrono::milliseconds interval)
{
    SetTimer(window, Timer1Id, static_cast<UINT>(interval.count()), nullptr);
}

WindowHandle Win32SplashWindow::SplashHandle() { return reinterpret_cast<WindowHandle>(window); }

// The timer goes with the window.
void Win32SplashWindow::UnloadSplash() { DestroyWindow(window); }

LRESULT CALLBACK Win32SplashWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32SplashWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case BuildMainWindowMessage:
        if (self)
            self->mainWindow->Build();
        return 0;
    case WM_TIMER:
        if (self && wParam == Timer1Id)
            self->form->Timer1_Timer();
        return 0;
    // Closed before its time, the splash window would leave the main window
    // hidden and disabled for good: it goes only when the main window takes over.
    case WM_CLOSE: return 0;
    case WM_NCDESTROY:
        if (self)
            self->window = nullptr;
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace vellumet
