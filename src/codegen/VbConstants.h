// The published Visual Basic constants that generated code writes and read code may name: the text constants, the
// message-box style constants and the answers, in one table.
#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace vellumet {

// The answer codes a message box returns, one per kind of button.
enum class Answer { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// The kinds of choice a style word holds, in the order expressions name them.
enum class StyleKind { Buttons, DefaultButton, HelpButton, Modality, Icon, Foreground, RightAligned, RightToLeft };

enum class ConstantGroup { Text, Style, Answer };

struct VbConstant {
    std::string_view Name; // As published, such as "vbYesNo".
    ConstantGroup Group;
    std::string_view Text;               // A text constant's characters.
    int Value = 0;                       // A style constant's bits, or an answer's code.
    StyleKind Kind = StyleKind::Buttons; // Which choice a style constant makes.
};

namespace vb_constant_rows {

constexpr VbConstant TextRow(std::string_view name, std::string_view text) { return {name, ConstantGroup::Text, text}; }
constexpr VbConstant StyleRow(std::string_view name, int value, StyleKind kind)
{
    return {name, ConstantGroup::Style, {}, value, kind};
}
constexpr VbConstant AnswerRow(std::string_view name, Answer answer)
{
    return {name, ConstantGroup::Answer, {}, static_cast<int>(answer)};
}

using enum StyleKind;

// Grouped, and within a group in the order generated code prefers: where two text constants hold the same text,
// the first is the one written; the style constants stand in expression order.
inline constexpr std::array<VbConstant, 34> Table = {{
    TextRow("vbCrLf", "\r\n"),
    TextRow("vbNewLine", "\r\n"),
    TextRow("vbCr", "\r"),
    TextRow("vbLf", "\n"),
    TextRow("vbTab", "\t"),
    TextRow("vbNullString", ""),
    TextRow("vbNullChar", std::string_view("\0", 1)),
    StyleRow("vbOKOnly", 0, Buttons),
    StyleRow("vbOKCancel", 1, Buttons),
    StyleRow("vbAbortRetryIgnore", 2, Buttons),
    StyleRow("vbYesNoCancel", 3, Buttons),
    StyleRow("vbYesNo", 4, Buttons),
    StyleRow("vbRetryCancel", 5, Buttons),
    StyleRow("vbDefaultButton1", 0, DefaultButton),
    StyleRow("vbDefaultButton2", 256, DefaultButton),
    StyleRow("vbDefaultButton3", 512, DefaultButton),
    StyleRow("vbDefaultButton4", 768, DefaultButton),
    StyleRow("vbMsgBoxHelpButton", 16384, HelpButton),
    StyleRow("vbApplicationModal", 0, Modality),
    StyleRow("vbSystemModal", 4096, Modality),
    StyleRow("vbCritical", 16, Icon),
    StyleRow("vbQuestion", 32, Icon),
    StyleRow("vbExclamation", 48, Icon),
    StyleRow("vbInformation", 64, Icon),
    StyleRow("vbMsgBoxSetForeground", 0x10000, Foreground),
    StyleRow("vbMsgBoxRight", 0x80000, RightAligned),
    StyleRow("vbMsgBoxRtlReading", 0x100000, RightToLeft),
    AnswerRow("vbOK", Answer::OK),
    AnswerRow("vbCancel", Answer::Cancel),
    AnswerRow("vbAbort", Answer::Abort),
    AnswerRow("vbRetry", Answer::Retry),
    AnswerRow("vbIgnore", Answer::Ignore),
    AnswerRow("vbYes", Answer::Yes),
    AnswerRow("vbNo", Answer::No),
}};

constexpr std::span<const VbConstant> GroupOf(ConstantGroup group)
{
    const auto first = std::ranges::find(Table, group, &VbConstant::Group);
    const auto end = std::find_if(first, Table.end(), [&](const VbConstant& row) { return row.Group != group; });
    return {first, end};
}

// Found once, when compiling.
inline constexpr std::array<std::span<const VbConstant>, 3> Groups = {
    GroupOf(ConstantGroup::Text), GroupOf(ConstantGroup::Style), GroupOf(ConstantGroup::Answer)};

} // namespace vb_constant_rows

constexpr std::span<const VbConstant> ConstantsOf(ConstantGroup group)
{
    return vb_constant_rows::Groups.at(static_cast<std::size_t>(group));
}
constexpr std::span<const VbConstant> TextConstants() { return ConstantsOf(ConstantGroup::Text); }
constexpr std::span<const VbConstant> StyleConstants() { return ConstantsOf(ConstantGroup::Style); }
constexpr std::span<const VbConstant> AnswerConstants() { return ConstantsOf(ConstantGroup::Answer); }

// The name generated code writes for these characters, or an empty view when no constant holds them.
constexpr std::string_view TextConstantName(std::string_view text)
{
    for (const VbConstant& constant : TextConstants())
        if (constant.Text == text)
            return constant.Name;
    return {};
}

// The constant of a group with this name in any letter case, as Visual Basic reads names; null when there is none.
const VbConstant* FindConstant(ConstantGroup group, std::string_view name);

// The caption of an answer's button: the name of its constant without "vb".
std::string_view AnswerCaption(Answer answer);

} // namespace vellumet
