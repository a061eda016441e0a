// The desktop services on Windows: the system's message box and its Help button,
// the clipboard, the file dialog, the shell and the help viewers.
#include "Win32Platform.h"

#include "SystemFunction.h"
#include "WideText.h"
#include "platform/CodePage.h"
#include "platform/Notices.h"

#include <windows.h>

#include <commdlg.h>
#include <htmlhelp.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace vellumet {
namespace {

HWND HwndOf(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle HandleOf(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// Clipboard viewers and managers hold the clipboard for a moment after each
// change; a few short waits let them finish.
constexpr int ClipboardAttempts = 10;
constexpr DWORD ClipboardRetryMilliseconds = 25;

// The longest path the system has, so that a chosen file always fits.
constexpr std::size_t LongestPath = 32768;

// The compiled help viewer, loaded on first use. It stays loaded, since its
// windows outlive the call that opens them.
decltype(HtmlHelpW)* loadedHtmlHelp = nullptr;

decltype(HtmlHelpW)* HtmlHelpViewer()
{
    if (!loadedHtmlHelp)
        loadedHtmlHelp = SystemFunction<decltype(HtmlHelpW)>(L"hhctrl.ocx", "HtmlHelpW");
    return loadedHtmlHelp;
}

// The attributes of what a path names, or nothing when nothing is there. A
// path holding a NUL names nothing: the system would read only the part before it.
std::optional<DWORD> AttributesOf(const std::string& path)
{
    if (path.find('\0') != std::string::npos)
        return std::nullopt;
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

bool HasExtension(std::wstring_view path, std::wstring_view extension)
{
    if (path.size() < extension.size())
        return false;
    const int length = static_cast<int>(extension.size());
    return CompareStringOrdinal(path.data() + path.size() - extension.size(), length, extension.data(), length, TRUE) ==
           CSTR_EQUAL;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The file dialog's list of types: "Name (Pattern)", NUL, the pattern, NUL,
// for each, and one more NUL at the end.
std::wstring DialogFilter(const std::vector<FileFilter>& filters)
{
    std::wstring text;
    for (const FileFilter& filter : filters) {
        text.append(Wide(filter.Name + " (" + filter.Pattern + ")")).push_back(L'\0');
        text.append(Wide(filter.Pattern)).push_back(L'\0');
    }
    if (!text.empty())
        text.push_back(L'\0');
    return text;
}

// The answer of a box the system could not show is the one that commits to
// nothing: Cancel or No where the box has it, else its first button. A
// question whether to quit, above all, must not read as Yes.
int UnansweredCode(int style)
{
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL: return IDCANCEL;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDOK;
    }
}

// What the Help button of the box this thread shows does, given the topic the
// box hands back and the box itself.
using HelpAction = std::function<void(std::int16_t context, HWND box)>;

// A notice over a box is a box of its own, so each box keeps the action of
// the one around it and puts it back when it closes.
thread_local const HelpAction* currentHelpAction = nullptr;

class HelpActionScope {
public:
    explicit HelpActionScope(const HelpAction* action)
        : outer(std::exchange(currentHelpAction, action))
    {}
    ~HelpActionScope() { currentHelpAction = outer; }
    HelpActionScope(const HelpActionScope&) = delete;
    HelpActionScope& operator=(const HelpActionScope&) = delete;

private:
    const HelpAction* outer;
};

// The box calls this for its Help button and for F1. The request comes from
// the box or from one of its buttons; either way the box is the top window.
void CALLBACK HelpRequested(HELPINFO* info)
{
    if (currentHelpAction)
        (*currentHelpAction)(static_cast<std::int16_t>(static_cast<DWORD>(info->dwContextId)),
                             GetAncestor(static_cast<HWND>(info->hItemHandle), GA_ROOT));
}

} // namespace

// The clipboard's window and COM are made when first needed, so that the
// program's first window is not kept waiting for them.
Win32Platform::Win32Platform(HelpOpener opener)
    : helpOpener(opener ? std::move(opener)
                        : [this](const HelpReference& help, WindowHandle owner) { return OpenHelp(help, owner); })
{}

// Help windows still open when the program ends are closed first, as the
// viewer asks, so that none is left behind by a library that is gone.
Win32Platform::~Win32Platform()
{
    if (loadedHtmlHelp)
        loadedHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    if (clipboardOwner)
        DestroyWindow(HwndOf(clipboardOwner));
    if (comStarted)
        SystemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize")();
}

// The shell, the file dialog and the help viewer may run parts of themselves
// as COM objects, which need COM started on the thread that calls them. A
// start that succeeds, also one over a start made elsewhere in the program,
// is undone when the platform goes.
void Win32Platform::StartCom()
{
    if (comStarted)
        return;
    static const auto coInitializeEx = SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    comStarted =
        coInitializeEx && SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

int Win32Platform::ShowMessageBox(const MessageBoxRequest& request)
{
    return ShowMessageBoxOver(request, HandleOf(GetActiveWindow()));
}

int Win32Platform::ShowMessageBoxOver(const MessageBoxRequest& request, WindowHandle owner)
{
    const std::wstring prompt = Wide(request.Prompt);
    const std::wstring title = Wide(request.Title);
    HelpAction help;
    if (request.Help)
        help = [this, file = request.Help->File, owner](std::int16_t context, HWND box) {
            ShowHelp({file, context}, owner, HandleOf(box));
        };
    const HelpActionScope scope(request.Help ? &help : nullptr);

    MSGBOXPARAMSW params{};
    params.cbSize = sizeof params;
    params.hwndOwner = HwndOf(owner);
    params.lpszText = prompt.c_str();
    params.lpszCaption = title.c_str();
    params.dwStyle = static_cast<DWORD>(request.Style);
    // A negative topic travels as its 32-bit pattern, which the box hands back unchanged.
    params.dwContextHelpId = request.Help ? static_cast<DWORD>(request.Help->Context) : 0;
    // Without a callback the box sends its help request to its owner. For a
    // notice over a box, that would open the box's own help once more.
    params.lpfnMsgBoxCallback = HelpRequested;
    const int answer = MessageBoxIndirectW(&params);
    return answer != 0 ? answer : UnansweredCode(request.Style);
}

// A Help button that cannot show its help says why, over the box it belongs to.
void Win32Platform::ShowHelp(const HelpReference& help, WindowHandle owner, WindowHandle box)
{
    if (const auto notice = HelpButtonNotice(helpOpener(help, owner), help.File))
        ShowMessageBoxOver(*notice, box);
}

bool Win32Platform::OpenClipboardPatiently()
{
    // The clipboard takes data only from a window that owns it; a window that
    // only receives messages does, without ever showing.
    if (!clipboardOwner)
        clipboardOwner =
            HandleOf(CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(HwndOf(clipboardOwner)))
            return true;
        if (attempt == ClipboardAttempts)
            return false;
        Sleep(ClipboardRetryMilliseconds);
    }
}

void Win32Platform::ClearClipboard()
{
    if (OpenClipboardPatiently()) {
        EmptyClipboard();
        CloseClipboard();
    }
}

bool Win32Platform::SetClipboardText(const std::string& text)
{
    // Clipboard text ends at its first NUL, so text holding one could not be taken whole.
    if (text.find('\0') != std::string::npos)
        return false;
    const std::wstring wide = Wide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return false;
    void* data = GlobalLock(memory);
    if (!data) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(data, wide.c_str(), bytes);
    GlobalUnlock(memory);

    // Emptying the clipboard makes this program its owner and leaves nothing
    // of another program's beside the text.
    bool taken = false;
    if (OpenClipboardPatiently()) {
        taken = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    // Memory the clipboard took is the system's to free.
    if (!taken)
        GlobalFree(memory);
    return taken;
}

std::string Win32Platform::ClipboardText()
{
    if (!OpenClipboardPatiently())
        return {};
    HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    std::string text = memory ? Utf8TextIn(memory) : std::string();
    CloseClipboard();
    return text;
}

unsigned Win32Platform::AnsiCodePage() { return SystemAnsiCodePage(); }

std::string Win32Platform::ApplicationPath()
{
    // A path that fills the whole buffer may have been cut short.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return FolderOf(std::wstring_view(path).substr(0, length));
        path.resize(path.size() * 2);
    }
}

std::string Win32Platform::FolderOf(std::wstring_view path)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring_view::npos)
        return {};
    const bool root = separator == 0 || path[separator - 1] == L':';
    return Utf8(path.substr(0, root ? separator + 1 : separator));
}

void Win32Platform::MakeTopmost(WindowHandle window)
{
    SetWindowPos(HwndOf(window), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

std::optional<std::string> Win32Platform::ChooseFileToOpen(WindowHandle owner, const FileOpenRequest& request)
{
    const std::wstring title = Wide(request.Title);
    const std::wstring filter = DialogFilter(request.Filters);
    std::wstring file(LongestPath, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = HwndOf(owner);
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    // The current folder stays where it was, so that a relative help file
    // name means the same file before and after browsing.
    dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    StartCom();
    static const auto getOpenFileName = SystemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    if (!getOpenFileName || !getOpenFileName(&dialog))
        return std::nullopt;
    file.resize(file.find(L'\0'));
    return Utf8(file);
}

bool Win32Platform::IsWebAddress(std::string_view target)
{
    const std::size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2 || !IsAsciiLetter(target.front()))
        return false;
    return std::all_of(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    });
}

// The shell's answer for a file that is there but fails to open says no more
// than that, so every failure but a missing program reads as a missing file.
// An address has no file to miss: any failure means no program could open it.
OpenResult Win32Platform::ShellOpen(WindowHandle owner, const std::string& target)
{
    const bool address = IsWebAddress(target) && target.find('\0') == std::string::npos;
    if (!address && !AttributesOf(target))
        return OpenResult::NotFound;
    StartCom();
    static const auto shellExecute = SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute)
        return OpenResult::NoViewer;
    const auto result = reinterpret_cast<INT_PTR>(
        shellExecute(HwndOf(owner), nullptr, Wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32)
        return OpenResult::Opened;
    if (address || result == SE_ERR_NOASSOC || result == SE_ERR_ASSOCINCOMPLETE)
        return OpenResult::NoViewer;
    return OpenResult::NotFound;
}

OpenResult Win32Platform::OpenHelp(const HelpReference& help, WindowHandle owner)
{
    const auto attributes = AttributesOf(help.File);
    if (!attributes || (*attributes & FILE_ATTRIBUTE_DIRECTORY))
        return OpenResult::NotFound;
    const std::wstring file = Wide(help.File);
    const auto topic = static_cast<DWORD>(help.Context);
    if (HasExtension(file, L".chm")) {
        StartCom();
        const auto viewer = HtmlHelpViewer();
        const bool opened = viewer && (viewer(HwndOf(owner), file.c_str(), HH_HELP_CONTEXT, topic) ||
                                       viewer(HwndOf(owner), file.c_str(), HH_DISPLAY_TOPIC, 0));
        return opened ? OpenResult::Opened : OpenResult::NoViewer;
    }
    if (HasExtension(file, L".hlp")) {
        static const auto winHelp = SystemFunction<decltype(WinHelpW)>(L"user32.dll", "WinHelpW");
        return winHelp && winHelp(HwndOf(owner), file.c_str(), HELP_CONTEXT, topic) ? OpenResult::Opened
                                                                                    : OpenResult::NoViewer;
    }
    return ShellOpen(owner, help.File);
}

// The program ends when its message loop does, so every window and object is
// taken down in order; the loop sees the request before any further input.
void Win32Platform::EndProcess() { PostQuitMessage(0); }

} // namespace vellumet
