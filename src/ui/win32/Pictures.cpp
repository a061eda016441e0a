// Loading the program's icons and bitmaps at the size for a screen's resolution.
#include "Pictures.h"

#include "Resources.h"
#include "WindowSupport.h"
#include "platform/win32/SystemFunction.h"

#include <commctrl.h>

#include <climits>
#include <vector>

namespace vellumet {

namespace {

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

HBITMAP LoadBitmapResource(int resource)
{
    return static_cast<HBITMAP>(
        LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

constexpr int DrawnScale = 2;

} // namespace

int PixelsAt(int pixels, UINT dpi) { return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

HICON LoadIconPicture(PictureKind picture, int side)
{
    const int resource = IconResourceOf(picture);
    if (!resource)
        return nullptr;
    // Where the icon holds no picture of the very size, scaling down from the
    // next larger one keeps it sharp. The common controls of version 6 do
    // that; they are loaded once the controls are made, after the window's
    // icons, which come in sizes the icon holds, and are not loaded for them.
    HICON icon = nullptr;
    if (HMODULE commonControls = GetModuleHandleW(L"comctl32.dll"))
        if (auto* loadScaledDown = reinterpret_cast<decltype(LoadIconWithScaleDown)*>(
                reinterpret_cast<void (*)()>(GetProcAddress(commonControls, "LoadIconWithScaleDown"))))
            if (SUCCEEDED(loadScaledDown(ProgramInstance(), MAKEINTRESOURCEW(resource), side, side, &icon)))
                return icon;
    return static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(resource), IMAGE_ICON, side, side, 0));
}

HICON BlankIcon(int side)
{
    const std::vector<BYTE> seeThrough(static_cast<std::size_t>(side * side / CHAR_BIT), 0xFF);
    const std::vector<BYTE> noColour(seeThrough.size(), 0);
    return CreateIcon(ProgramInstance(), side, side, 1, 1, seeThrough.data(), noColour.data());
}

HBITMAP LoadScaledBitmap(int resource, int largeResource, UINT dpi)
{
    if (dpi <= USER_DEFAULT_SCREEN_DPI)
        return LoadBitmapResource(resource);
    HBITMAP large = LoadBitmapResource(largeResource);
    if (!large || dpi == DrawnScale * USER_DEFAULT_SCREEN_DPI)
        return large;
    BITMAP drawn{};
    GetObjectW(large, sizeof drawn, &drawn);
    const int width = PixelsAt(drawn.bmWidth / DrawnScale, dpi);
    const int height = PixelsAt(drawn.bmHeight / DrawnScale, dpi);
    // Halftone stretching averages the pixels it leaves out, so the picture
    // stays smooth at sizes between 1x and 2x, and above.
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ oldFrom = SelectObject(from, large);
    const HGDIOBJ oldTo = SelectObject(to, scaled);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, drawn.bmWidth, drawn.bmHeight, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    DeleteObject(large);
    return scaled;
}

UINT DpiOf(HWND window)
{
    static const auto getDpiForWindow = SystemFunction<decltype(GetDpiForWindow)>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow)
        return getDpiForWindow(window);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

} // namespace vellumet
