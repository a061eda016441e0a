// The rule of the Help button's details.
#include "MessageBoxOptions.h"

namespace vellumet {

bool HelpDetailsLackHelpButton(const MessageBoxOptions& options)
{
    const MessageBoxOptions defaults;
    return !options.IncludeHelpButton &&
           (std::ranges::any_of(HelpDetailFlags, [&](auto member) { return options.*member != defaults.*member; }) ||
            std::ranges::any_of(HelpDetailTexts, [&](auto member) { return options.*member != defaults.*member; }));
}

MessageBoxOptions WithoutUnusedHelpDetails(MessageBoxOptions options)
{
    if (options.IncludeHelpButton)
        return options;
    const MessageBoxOptions defaults;
    for (auto member : HelpDetailFlags)
        options.*member = defaults.*member;
    for (auto member : HelpDetailTexts)
        options.*member = defaults.*member;
    return options;
}

} // namespace vellumet
