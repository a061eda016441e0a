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
    std::string ApplicationPath() override;
    void MakeTopmost(WindowHandle window) override;

    // Where a help path typed in the Windows manner lies on this system: on a
    // system whose separator is "/", backslashes are read as separators.
    static QString LocalHelpPath(const std::string& helpFile);
};

} // namespace vellumet
