// The message-box style: the button sets and the choices of the window, and the style word made of them.
#pragma once

#include "MessageBoxOptions.h"
#include "VbConstants.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vellumet {

// The value of the style constant with this name.
constexpr int ConstantValue(std::string_view name)
{
    for (const VbConstant& constant : StyleConstants())
        if (constant.Name == name)
            return constant.Value;
    throw std::invalid_argument("no such style constant");
}

// Flags of the style word that are not a button set or an icon.
namespace style_flag {
inline constexpr int DefaultButtonStep = ConstantValue("vbDefaultButton2"); // vbDefaultButtonN is N - 1 steps.
inline constexpr int SystemModal = ConstantValue("vbSystemModal");
inline constexpr int HelpButton = ConstantValue("vbMsgBoxHelpButton");
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

// The bits of a style word that hold a kind's choice.
int StyleMask(StyleKind kind);

// A style word as an expression of the constants: the button set always, then
// each other kind whose choice is not zero. Bits no constant names are left out.
std::string ExpressionOf(int style);
void AppendExpressionOf(int style, std::string& out);

// The style word the choices make.
std::int16_t StyleOf(const MessageBoxOptions& options);

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
