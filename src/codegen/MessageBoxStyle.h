#pragma once

#include "MessageBoxOptions.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vellumet {

// The answer codes a message box returns, one per kind of button.
enum class Answer { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

std::string_view AnswerCaption(Answer answer);

// Published values of the style flags that are not a button set or an icon.
namespace style_flag {
inline constexpr int DefaultButtonStep = 256; // The value of vbDefaultButton2; vbDefaultButtonN is N - 1 steps.
inline constexpr int SystemModal = 4096;      // The value of vbSystemModal.
inline constexpr int HelpButton = 16384;      // The value of vbMsgBoxHelpButton.
} // namespace style_flag

struct ButtonSet {
    int Value;                   // From vbOKOnly, 0, to vbRetryCancel, 5.
    std::vector<Answer> Buttons; // In the order they stand on the box.
};

const ButtonSet& ButtonSetOf(ButtonChoice choice);
// The place (from 1) in its set of the button that the choice makes default.
int DefaultPositionOf(ButtonChoice choice);
// The choice for a set's value and a default place, if that place exists in the set.
std::optional<ButtonChoice> ButtonChoiceFor(int setValue, int defaultPosition);

// The kinds of choice a style word holds, in the order expressions name them.
enum class StyleKind { Buttons, DefaultButton, HelpButton, Modality, Icon, Foreground, RightAligned, RightToLeft };

struct StyleConstant {
    std::string_view Name; // As published, such as "vbYesNo".
    int Value;
    StyleKind Kind;
};

// Every published message-box style constant, grouped by kind in expression order.
std::span<const StyleConstant> StyleConstants();

// The bits of a style word that hold a kind's choice.
int StyleMask(StyleKind kind);

// A style word as an expression of the constants: the button set always, then
// each other kind whose choice is not zero. Bits no constant names are left out.
std::string ExpressionOf(int style);

struct ResolvedStyle {
    std::int16_t StyleValue;
    std::string StyleExpression;
};

// The style as a number and as an expression of the published constants,
// with its terms in the order: button set, default button, Help button,
// system-modal, icon.
ResolvedStyle ResolveStyle(const MessageBoxOptions& options);

// What a style word asks of a message box, for showing one.
struct BoxLayout {
    std::vector<Answer> Buttons; // The Help button is not among them.
    bool HelpButton = false;
    int DefaultIndex = 0; // Counted from 0 over Buttons and then Help; a place out of range falls back to 0.
    IconChoice Icon = IconChoice::NoIcon;
    bool SystemModal = false;
};

BoxLayout LayoutOfStyle(int style);

} // namespace vellumet
