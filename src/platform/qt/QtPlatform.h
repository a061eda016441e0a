// QtPlatform, the desktop services on Qt, with its path and file-type rules.
#pragma once

#include "platform/Platform.h"

#include <QString>

namespace vellumet {

// The desktop services on Qt.
class QtPlatform : public Platform {
public:
    int ShowMessageBox(const MessageBoxRequest& request) override;
    void ClearClipboard() override;
    bool SetClipboardText(const std::string& text) override;
    std::string ClipboardText() override;
    std::string ApplicationPath() override;
    unsigned AnsiCodePage() override;
    void MakeTopmost(WindowHandle window) override;
    std::optional<std::string> ChooseFileToOpen(WindowHandle owner, const FileOpenRequest& request) override;
    OpenResult ShellOpen(WindowHandle owner, const std::string& target) override;
    void EndProcess() override;

    // Opens a help file at a topic, as a message box's Help button does. Where
    // the desktop's viewer cannot be given the topic, the file opens at its start.
    OpenResult OpenHelp(const HelpReference& help);

    // Where a path typed in the Windows manner lies here: backslashes are
    // read as separators.
    static QString LocalPath(const std::string& path);

    // The dialog's filter text of a file type. "*.*" becomes "*", which
    // matches every file, names without a dot too.
    static QString DialogFilter(const FileFilter& filter);

private:
    void ShowHelp(const HelpReference& help);
};

} // namespace vellumet
