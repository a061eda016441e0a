#include "MessageBoxStyle.h"

#include <array>

namespace vellumet {
namespace {

using enum Answer;

const std::array<ButtonSet, 6> ButtonSets = {{
    {0, {OK}},
    {1, {OK, Cancel}},
    {2, {Abort, Retry, Ignore}},
    {3, {Yes, No, Cancel}},
    {4, {Yes, No}},
    {5, {Retry, Cancel}},
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
    {IconChoice::Critical, 16},
    {IconChoice::Question, 32},
    {IconChoice::Exclamation, 48},
    {IconChoice::Information, 64},
}};

using enum StyleKind;

constexpr std::array<StyleConstant, 20> PublishedConstants = {{
    {"vbOKOnly", 0, Buttons},
    {"vbOKCancel", 1, Buttons},
    {"vbAbortRetryIgnore", 2, Buttons},
    {"vbYesNoCancel", 3, Buttons},
    {"vbYesNo", 4, Buttons},
    {"vbRetryCancel", 5, Buttons},
    {"vbDefaultButton1", 0, DefaultButton},
    {"vbDefaultButton2", 256, DefaultButton},
    {"vbDefaultButton3", 512, DefaultButton},
    {"vbDefaultButton4", 768, DefaultButton},
    {"vbMsgBoxHelpButton", style_flag::HelpButton, HelpButton},
    {"vbApplicationModal", 0, Modality},
    {"vbSystemModal", style_flag::SystemModal, Modality},
    {"vbCritical", 16, Icon},
    {"vbQuestion", 32, Icon},
    {"vbExclamation", 48, Icon},
    {"vbInformation", 64, Icon},
    {"vbMsgBoxSetForeground", 0x10000, Foreground},
    {"vbMsgBoxRight", 0x80000, RightAligned},
    {"vbMsgBoxRtlReading", 0x100000, RightToLeft},
}};

// Indexed by StyleKind. The modality field also holds the task-modal bit,
// which no constant names.
constexpr std::array<int, 8> KindMasks = {0x7, 0x300, 0x4000, 0x3000, 0x70, 0x10000, 0x80000, 0x100000};

constexpr int ButtonSetMask = KindMasks[static_cast<std::size_t>(Buttons)];
constexpr int IconMask = KindMasks[static_cast<std::size_t>(Icon)];
constexpr int DefaultButtonMask = KindMasks[static_cast<std::size_t>(DefaultButton)];

const ChoiceRow& RowOf(ButtonChoice choice) { return ChoiceRows.at(static_cast<std::size_t>(choice)); }

} // namespace

std::string_view AnswerCaption(Answer answer)
{
    static constexpr std::array<std::string_view, 8> Captions = {"",      "OK",     "Cancel", "Abort",
                                                                 "Retry", "Ignore", "Yes",    "No"};
    return Captions.at(static_cast<std::size_t>(answer));
}

const ButtonSet& ButtonSetOf(ButtonChoice choice) { return ButtonSets.at(RowOf(choice).SetValue); }

int DefaultPositionOf(ButtonChoice choice) { return RowOf(choice).DefaultPosition; }

std::optional<ButtonChoice> ButtonChoiceFor(int setValue, int defaultPosition)
{
    for (const ChoiceRow& row : ChoiceRows)
        if (row.SetValue == setValue && row.DefaultPosition == defaultPosition)
            return row.Choice;
    return std::nullopt;
}

std::span<const StyleConstant> StyleConstants() { return PublishedConstants; }

int StyleMask(StyleKind kind) { return KindMasks.at(static_cast<std::size_t>(kind)); }

std::string ExpressionOf(int style)
{
    std::string expression;
    for (const StyleConstant& constant : PublishedConstants) {
        // A zero choice goes unwritten, except that a style always names its buttons.
        const bool written = constant.Value != 0 || constant.Kind == Buttons;
        if (written && (style & StyleMask(constant.Kind)) == constant.Value)
            expression += (expression.empty() ? "" : " + ") + std::string(constant.Name);
    }
    return expression;
}

ResolvedStyle ResolveStyle(const MessageBoxOptions& options)
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
    return {static_cast<std::int16_t>(value), ExpressionOf(value)};
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
