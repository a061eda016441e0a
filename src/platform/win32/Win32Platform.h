// Win32Platform, the desktop services on Windows.
#pragma once

#include "platform/Platform.h"

#include <functional>
#include <string>
#include <string_view>

namespace vellumet {

// The desktop services on Windows, through the system's own calls. An object
// lives on the thread that runs the windows and is used only there.
class Win32Platform : public Platform {
public:
    // Opens a help file at its topic for the Help button of a message box;
    // the help window belongs to the owner of the box.
    using HelpOpener = std::function<OpenResult(const HelpReference& help, WindowHandle owner)>;

    // Without an opener the Help button opens the file with OpenHelp.
    explicit Win32Platform(HelpOpener opener = {});
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // The box belongs to the window that is active on this thread, as any
    // box the program shows belongs to the window the user is working in.
    int ShowMessageBox(const MessageBoxRequest& request) override;
    void ClearClipboard() override;
    bool SetClipboardText(const std::string& text) override;
    std::string ClipboardText() override;
    std::string ApplicationPath() override;
    unsigned AnsiCodePage() override;
    void MakeTopmost(WindowHandle window) override;
    std::optional<std::string> ChooseFileToOpen(WindowHandle owner, const FileOpenRequest& request) override;
    OpenResult ShellOpen(WindowHandle owner, const std::string& target) override;
    // Ends the thread's message loop once the event being handled returns.
    void EndProcess() override;

    // Opens a help file at a topic: compiled HTML help in the system's viewer,
    // old Windows help where the system still has its viewer, any other file
    // in the program the desktop has for it. When the viewer cannot find the
    // topic, the file opens at its start.
    OpenResult OpenHelp(const HelpReference& help, WindowHandle owner = 0);

    // The folder of a full file path, with no separator at its end except
    // after a drive, where the root needs it ("C:\").
    static std::string FolderOf(std::wstring_view path);

    // Whether a shell target is a web or mail address rather than a path:
    // it starts with a scheme of two or more characters and a colon.
    static bool IsWebAddress(std::string_view target);

private:
    int ShowMessageBoxOver(const MessageBoxRequest& request, WindowHandle owner);
    void ShowHelp(const HelpReference& help, WindowHandle owner, WindowHandle box);
    bool OpenClipboardPatiently();
    void StartCom();

    HelpOpener helpOpener;
    WindowHandle clipboardOwner = 0;
    bool comStarted = false;
};

} // namespace vellumet
