#include "MessageBoxStyle.h"

#include <array>

namespace vellumet {
namespace {

using enum Answer;

const std::array<ButtonSet, 6> buttonSets = {{
    {0, "vbOKOnly", {OK}},
    {1, "vbOKCancel", {OK, Cancel}},
    {2, "vbAbortRetryIgnore", {Abort, Retry, Ignore}},
    {3, "vbYesNoCancel", {Yes, No, Cancel}},
    {4, "vbYesNo", {Yes, No}},
    {5, "vbRetryCancel", {Retry, Cancel}},
}};

struct ChoiceRow {
    ButtonChoice Choice;
    int SetValue;
    int DefaultPosition;
};

// In the order of the ButtonChoice enumeration.
constexpr std::array<ChoiceRow, 13> choiceRows = {{
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
    std::string_view Constant;
};

constexpr std::array<IconRow, 4> iconRows = {{
    {IconChoice::Critical, 16, "vbCritical"},
    {IconChoice::Question, 32, "vbQuestion"},
    {IconChoice::Exclamation, 48, "vbExclamation"},
    {IconChoice::Information, 64, "vbInformation"},
}};

constexpr int buttonSetMask = 0x7;
constexpr int iconMask = 0x70;
constexpr int defaultButtonMask = 0x300;

const ChoiceRow& RowOf(ButtonChoice choice) { return choiceRows.at(static_cast<std::size_t>(choice)); }

} // namespace

std::string_view AnswerCaption(Answer answer)
{
    static constexpr std::array<std::string_view, 8> captions = {
        "", "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
    return captions.at(static_cast<std::size_t>(answer));
}

const ButtonSet& ButtonSetOf(ButtonChoice choice) { return buttonSets.at(RowOf(choice).SetValue); }

int DefaultPositionOf(ButtonChoice choice) { return RowOf(choice).DefaultPosition; }

std::optional<ButtonChoice> ButtonChoiceFor(int setValue, int defaultPosition)
{
    for (const ChoiceRow& row : choiceRows)
        if (row.SetValue == setValue && row.DefaultPosition == defaultPosition)
            return row.Choice;
    return std::nullopt;
}

ResolvedStyle ResolveStyle(const MessageBoxOptions& options)
{
    const ButtonSet& set = ButtonSetOf(options.ButtonOption);
    // The Help button stands after the set, so "Help is default" means button n + 1.
    const int defaultPosition = options.HelpButtonIsDefault ? static_cast<int>(set.Buttons.size()) + 1
                                                            : DefaultPositionOf(options.ButtonOption);

    int value = set.Value;
    std::string expression(set.Constant);
    auto add = [&](int termValue, std::string_view term) {
        value += termValue;
        expression += " + ";
        expression += term;
    };

    if (defaultPosition > 1)
        add((defaultPosition - 1) * style_flag::DefaultButtonStep,
            "vbDefaultButton" + std::to_string(defaultPosition));
    if (options.IncludeHelpButton)
        add(style_flag::HelpButton, "vbMsgBoxHelpButton");
    if (options.SystemModal)
        add(style_flag::SystemModal, "vbSystemModal");
    for (const IconRow& icon : iconRows)
        if (icon.Icon == options.Icon)
            add(icon.Value, icon.Constant);

    return {static_cast<std::int16_t>(value), std::move(expression)};
}

BoxLayout LayoutOfStyle(int style)
{
    BoxLayout layout;
    const int setValue = style & buttonSetMask;
    // Values 6 and 7 name no set; such a box falls back to a single OK button.
    layout.Buttons = setValue < static_cast<int>(buttonSets.size()) ? buttonSets.at(setValue).Buttons
                                                                    : buttonSets.front().Buttons;
    layout.HelpButton = (style & style_flag::HelpButton) != 0;
    layout.SystemModal = (style & style_flag::SystemModal) != 0;

    const int buttonCount = static_cast<int>(layout.Buttons.size()) + (layout.HelpButton ? 1 : 0);
    const int defaultIndex = (style & defaultButtonMask) / style_flag::DefaultButtonStep;
    layout.DefaultIndex = defaultIndex < buttonCount ? defaultIndex : 0;

    for (const IconRow& icon : iconRows)
        if (icon.Value == (style & iconMask))
            layout.Icon = icon.Icon;
    return layout;
}

} // namespace vellumet
