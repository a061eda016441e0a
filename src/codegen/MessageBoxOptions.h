// The choices of the main window, as the code generator reads them.
#pragma once

#include "Languages.h"

#include <algorithm>
#include <array>
#include <string>
#include <type_traits>

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
    // The language the code is written for. It describes the user's project rather than the box.
    Language CodeLanguage = Language::VB6;

    bool operator==(const MessageBoxOptions&) const = default;
};

// The help file, whether App.Path leads it, the topic and whether Help is the default button are the Help button's
// details: only a box with a Help button uses them, and without one the window holds each at its default. So a
// detail given without the Help button is refused, and dropped where choices are compared.
inline constexpr std::array<bool MessageBoxOptions::*, 2> HelpDetailFlags = {&MessageBoxOptions::HelpButtonIsDefault,
                                                                             &MessageBoxOptions::UseAppPath};
inline constexpr std::array<std::string MessageBoxOptions::*, 2> HelpDetailTexts = {&MessageBoxOptions::HelpFileText,
                                                                                    &MessageBoxOptions::TopicIDText};

template <class Member>
constexpr bool IsHelpDetail(Member MessageBoxOptions::*member)
{
    if constexpr (std::is_same_v<Member, bool>)
        return std::ranges::find(HelpDetailFlags, member) != HelpDetailFlags.end();
    else
        return std::ranges::find(HelpDetailTexts, member) != HelpDetailTexts.end();
}

// Whether a detail of the Help button is set while the box has none to use it.
bool HelpDetailsLackHelpButton(const MessageBoxOptions& options);

// The options with each detail of an absent Help button back at its default, as the window holds them.
MessageBoxOptions WithoutUnusedHelpDetails(MessageBoxOptions options);

} // namespace vellumet
