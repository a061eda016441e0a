#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vellumet {

struct HelpReference {
    std::string File;
    std::int16_t Context = 0;

    bool operator==(const HelpReference&) const = default;
};

// A message box as the published MsgBox call describes it. Texts are UTF-8.
struct MessageBoxRequest {
    std::string Prompt;
    int Style = 0;
    std::string Title;
    std::optional<HelpReference> Help;

    bool operator==(const MessageBoxRequest&) const = default;
};

// A window as the desktop system knows it.
using WindowHandle = std::uintptr_t;

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

    // The directory of the executable, as the system writes it.
    virtual std::string ApplicationPath() = 0;

    // Raises the window above every window that is not topmost itself and keeps
    // it there; its place and size stay as they are.
    virtual void MakeTopmost(WindowHandle window) = 0;
};

} // namespace vellumet
