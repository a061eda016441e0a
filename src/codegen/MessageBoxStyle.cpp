// The button sets, the choices of the window as style values, and the expression of a style word.
#include "MessageBoxStyle.h"

#include <array>

namespace vellumet {
namespace {

using enum Answer;

// Indexed by the set's value.
const std::array<ButtonSet, 6> ButtonSets = {{
    {ConstantValue("vbOKOnly"), {OK}},
    {ConstantValue("vbOKCancel"), {OK, Cancel}},
    {ConstantValue("vbAbortRetryIgnore"), {Abort, Retry, Ignore}},
    {ConstantValue("vbYesNoCancel"), {Yes, No, Cancel}},
    {ConstantValue("vbYesNo"), {Yes, No}},
    {ConstantValue("vbRetryCancel"), {Retry, Cancel}},
}};

struct ChoiceRow {
    ButtonChoice Choice;
    int SetValue;
    int DefaultPosition;
};

// In the order of the ButtonChoice enumeration.
constexpr std::array<ChoiceRow, 13> ChoiceRows = {{
    {ButtonChoice::OKOnly, 0, 1},
    {ButtonChoice::OKCancel1, 1, 1},
    {ButtonChoice::OKCancel2, 1, 2},
    {ButtonChoice::AbortRetryIgnore1, 2, 1},
    {ButtonChoice::AbortRetryIgnore2, 2, 2},
    {ButtonChoice::AbortRetryIgnore3, 2, 3},
    {ButtonChoice::YesNoCancel1, 3, 1},
    {ButtonChoice::YesNoCancel2, 3, 2},
    {ButtonChoice::YesNoCancel3, 3, 3},
    {ButtonChoice::YesNo1, 4, 1},
    {ButtonChoice::YesNo2, 4, 2},
    {ButtonChoice::RetryCancel1, 5, 1},
    {ButtonChoice::RetryCancel2, 5, 2},
}};

struct IconRow {
    IconChoice Icon;
    int Value;
};

constexpr std::array<IconRow, 4> IconRows = {{
    {IconChoice::Critical, ConstantValue("vbCritical")},
    {IconChoice::Question, ConstantValue("vbQuestion")},
    {IconChoice::Exclamation, ConstantValue("vbExclamation")},
    {IconChoice::Information, ConstantValue("vbInformation")},
}};

using enum StyleKind;

// Indexed by StyleKind. The modality field also holds the task-modal bit,
// which no constant names.
constexpr std::array<int, 8> KindMasks = {0x7, 0x300, 0x4000, 0x3000, 0x70, 0x10000, 0x80000, 0x100000};

constexpr int ButtonSetMask = KindMasks[static_cast<std::size_t>(Buttons)];
constexpr int IconMask = KindMasks[static_cast<std::size_t>(Icon)];
constexpr int DefaultButtonMask = KindMasks[static_cast<std::size_t>(DefaultButton)];

const ChoiceRow& RowOf(ButtonChoice choice) { return ChoiceRows.at(static_cast<std::size_t>(choice)); }

} // namespace

const ButtonSet& ButtonSetOf(ButtonChoice choice) { return ButtonSets.at(RowOf(choice).SetValue); }

int DefaultPositionOf(ButtonChoice choice) { return RowOf(choice).DefaultPosition; }

std::optional<ButtonChoice> ButtonChoiceFor(int setValue, int defaultPosition)
{
    for (const ChoiceRow& row : ChoiceRows)
        if (row.SetValue == setValue && row.DefaultPosition == defaultPosition)
            return row.Choice;
    return std::nullopt;
}

int StyleMask(StyleKind kind) { return KindMasks.at(static_cast<std::size_t>(kind)); }

std::string ExpressionOf(int style)
{
    std::string expression;
    AppendExpressionOf(style, expression);
    return expression;
}

void AppendExpressionOf(int style, std::string& out)
{
    const char* separator = "";
    for (const VbConstant& constant : StyleConstants()) {
        // A zero choice goes unwritten, except that a style always names its buttons.
        const bool written = constant.Value != 0 || constant.Kind == Buttons;
        if (written && (style & StyleMask(constant.Kind)) == constant.Value) {
            out.append(separator).append(constant.Name);
            separator = " + ";
        }
    }
}

std::int16_t StyleOf(const MessageBoxOptions& options)
{
    const ButtonSet& set = ButtonSetOf(options.ButtonOption);
    // The Help button stands after the set, so "Help is default" means button n + 1.
    const int defaultPosition = options.HelpButtonIsDefault ? static_cast<int>(set.Buttons.size()) + 1
                                                            : DefaultPositionOf(options.ButtonOption);

    int value = set.Value + (defaultPosition - 1) * style_flag::DefaultButtonStep;
    if (options.IncludeHelpButton)
        value += style_flag::HelpButton;
    if (options.SystemModal)
        value += style_flag::SystemModal;
    for (const IconRow& icon : IconRows)
        if (icon.Icon == options.Icon)
            value += icon.Value;
    return static_cast<std::int16_t>(value);
}

ResolvedStyle ResolveStyle(const MessageBoxOptions& options)
{
    const std::int16_t value = StyleOf(options);
    return {value, ExpressionOf(value)};
}

BoxLayout LayoutOfStyle(int style)
{
    BoxLayout layout;
    const int setValue = style & ButtonSetMask;
    // Values 6 and 7 name no set; such a box falls back to a single OK button.
    layout.Buttons =
        setValue < static_cast<int>(ButtonSets.size()) ? ButtonSets.at(setValue).Buttons : ButtonSets.front().Buttons;
    layout.HelpButton = (style & style_flag::HelpButton) != 0;
    layout.SystemModal = (style & style_flag::SystemModal) != 0;

    const int buttonCount = static_cast<int>(layout.Buttons.size()) + (layout.HelpButton ? 1 : 0);
    const int defaultIndex = (style & DefaultButtonMask) / style_flag::DefaultButtonStep;
    layout.DefaultIndex = defaultIndex < buttonCount ? defaultIndex : 0;

    for (const IconRow& icon : IconRows)
        if (icon.Value == (style & IconMask))
            layout.Icon = icon.Icon;
    return layout;
}

} // namespace vellumet
