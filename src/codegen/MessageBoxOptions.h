#pragma once

#include <string>

namespace vellumet {

// The thirteen button options of the main window. Each names a button set
// and the button of that set that is default unless Help is.
enum class ButtonChoice {
    OKOnly,
    OKCancel1,
    OKCancel2,
    AbortRetryIgnore1,
    AbortRetryIgnore2,
    AbortRetryIgnore3,
    YesNoCancel1,
    YesNoCancel2,
    YesNoCancel3,
    YesNo1,
    YesNo2,
    RetryCancel1,
    RetryCancel2,
};

enum class IconChoice { NoIcon, Critical, Question, Exclamation, Information };

// A snapshot of the choices in the main window. Texts are kept exactly as
// typed (UTF-8); every conversion belongs to the code generator.
struct MessageBoxOptions {
    ButtonChoice ButtonOption = ButtonChoice::OKOnly;
    bool HelpButtonIsDefault = false;
    bool IncludeHelpButton = false;
    bool SystemModal = false;
    IconChoice Icon = IconChoice::NoIcon;
    bool CopyAsValue = false;
    std::string TitleText{};
    std::string BodyText{};
    std::string VariableText = "Response";
    std::string HelpFileText{};
    bool UseAppPath = false;
    std::string TopicIDText = "0";

    bool operator==(const MessageBoxOptions&) const = default;
};

} // namespace vellumet
