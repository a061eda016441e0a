// The message box that Try It asks the platform to show.
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

} // namespace vellumet
