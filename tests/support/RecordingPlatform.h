#pragma once

#include "platform/Platform.h"

#include <string>
#include <vector>

namespace vellumet::testing {

// Records every platform call in order and answers as told.
struct RecordingPlatform : Platform {
    int ShowMessageBox(const MessageBoxRequest& request) override
    {
        calls.push_back("ShowMessageBox");
        messageBoxes.push_back(request);
        return 1;
    }
    void ClearClipboard() override
    {
        calls.push_back("ClearClipboard");
        clipboard.clear();
    }
    bool SetClipboardText(const std::string& text) override
    {
        calls.push_back("SetClipboardText");
        clipboard = clipboardRefuses ? clipboard : text;
        return !clipboardRefuses;
    }
    std::string ApplicationPath() override
    {
        calls.push_back("ApplicationPath");
        return applicationPath;
    }

    void MakeTopmost(WindowHandle window) override
    {
        calls.push_back("MakeTopmost");
        topmostWindows.push_back(window);
    }

    bool clipboardRefuses = false;
    std::string applicationPath = "C:\\Program Files\\Vellumet";
    std::vector<std::string> calls;
    std::vector<MessageBoxRequest> messageBoxes;
    std::vector<WindowHandle> topmostWindows;
    std::string clipboard = "what was there before";
};

} // namespace vellumet::testing
