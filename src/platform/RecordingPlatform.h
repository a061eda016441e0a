// A Platform that no desktop stands behind, for the tests and fuzz targets
// that drive the windows: it records each call and answers as told.
#pragma once

#include "platform/Platform.h"

#include <optional>
#include <string>
#include <vector>

namespace vellumet::testing {

// Records every platform call in order and answers as told.
struct RecordingPlatform : Platform {
    int ShowMessageBox(const MessageBoxRequest& request) override
    {
        calls.push_back("ShowMessageBox");
        messageBoxes.push_back(request);
        return answer;
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
    std::string ClipboardText() override
    {
        calls.push_back("ClipboardText");
        return clipboard;
    }
    std::string ApplicationPath() override
    {
        calls.push_back("ApplicationPath");
        return applicationPath;
    }

    unsigned AnsiCodePage() override { return codePage; }

    void MakeTopmost(WindowHandle window) override
    {
        calls.push_back("MakeTopmost");
        topmostWindows.push_back(window);
    }

    std::optional<std::string> ChooseFileToOpen(WindowHandle owner, const FileOpenRequest& request) override
    {
        calls.push_back("ChooseFileToOpen");
        owners.push_back(owner);
        fileRequests.push_back(request);
        return chosenFile;
    }

    OpenResult ShellOpen(WindowHandle owner, const std::string& target) override
    {
        calls.push_back("ShellOpen");
        owners.push_back(owner);
        opened.push_back(target);
        return openResult;
    }

    void EndProcess() override { calls.push_back("EndProcess"); }

    int answer = 1; // what every message box answers
    std::optional<std::string> chosenFile;
    OpenResult openResult = OpenResult::Opened;
    bool clipboardRefuses = false;
    std::string applicationPath = "C:\\Program Files\\Vellumet";
    unsigned codePage = 1252; // the code page of a Western system
    std::vector<std::string> calls;
    std::vector<MessageBoxRequest> messageBoxes;
    std::vector<WindowHandle> topmostWindows;
    std::vector<WindowHandle> owners;
    std::vector<FileOpenRequest> fileRequests;
    std::vector<std::string> opened;
    std::string clipboard = "what was there before";
};

} // namespace vellumet::testing
