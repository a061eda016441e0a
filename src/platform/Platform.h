// The Platform interface of desktop services, and the records its calls pass.
#pragma once

#include "codegen/MessageBoxRequest.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumet {

// One entry of a file dialog's list of file types, as "Name (Pattern)".
struct FileFilter {
    std::string Name;
    std::string Pattern; // "*.*" stands for every file, as on Windows

    bool operator==(const FileFilter&) const = default;
};

// A file-open dialog: its title and its file types, the first one selected.
// The dialog never offers to open the file read-only.
struct FileOpenRequest {
    std::string Title;
    std::vector<FileFilter> Filters;

    bool operator==(const FileOpenRequest&) const = default;
};

// How an attempt to open a file or web page in its viewer ended.
enum class OpenResult {
    Opened,
    NotFound, // there is no file at that path
    NoViewer, // the file is there, but no program on this computer could open it
};

// A window as the desktop system knows it.
using WindowHandle = std::uintptr_t;

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// A file in a directory, joined by the system's separator; a directory that
// already ends in a separator (a drive or the root) gets no second one.
inline std::string JoinPath(std::string_view directory, std::string_view name, char separator = PathSeparator)
{
    std::string path(directory);
    if (!path.empty() && path.back() != separator && path.back() != '/')
        path += separator;
    return path.append(name);
}

// The desktop services the program uses. One implementation talks to the
// real desktop; the tests use a double that records each call and answers it.
class Platform {
public:
    virtual ~Platform() = default;

    // Shows a modal message box and returns the answer code, 1 (OK) to 7 (No).
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;

    virtual void ClearClipboard() = 0;
    // Puts plain text on the clipboard; false when the clipboard did not take it.
    virtual bool SetClipboardText(const std::string& text) = 0;
    // The plain text on the clipboard; empty when it holds none.
    virtual std::string ClipboardText() = 0;

    // The directory of the executable, as the system writes it.
    virtual std::string ApplicationPath() = 0;

    // The ANSI code page that code pasted into a Visual Basic editor on this system is saved in.
    virtual unsigned AnsiCodePage() = 0;

    // Raises the window above every window that is not topmost itself and keeps
    // it there; its place and size stay as they are.
    virtual void MakeTopmost(WindowHandle window) = 0;

    // Asks for one existing file in a modal dialog owned by the window. Empty
    // when the user cancelled or the dialog failed.
    virtual std::optional<std::string> ChooseFileToOpen(WindowHandle owner, const FileOpenRequest& request) = 0;

    // Opens a file, or a web address, in the viewer the desktop has for it, as
    // if the user had opened it there.
    virtual OpenResult ShellOpen(WindowHandle owner, const std::string& target) = 0;

    // Ends the program: no further events are handled.
    virtual void EndProcess() = 0;
};

} // namespace vellumet
