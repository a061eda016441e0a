#include "codegen/MessageBoxStyle.h"
#include "codegen/StyleDecode.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace vellumet {
namespace {

// The published values, written out here rather than taken from the library.
// clang-format off
const std::map<std::string, int> Published = {
    {"vbOKOnly", 0}, {"vbOKCancel", 1}, {"vbAbortRetryIgnore", 2}, {"vbYesNoCancel", 3}, {"vbYesNo", 4},
    {"vbRetryCancel", 5}, {"vbDefaultButton2", 256}, {"vbDefaultButton3", 512}, {"vbDefaultButton4", 768},
    {"vbMsgBoxHelpButton", 16384}, {"vbSystemModal", 4096}, {"vbCritical", 16}, {"vbQuestion", 32},
    {"vbExclamation", 48}, {"vbInformation", 64}};
// clang-format on

struct Row {
    ButtonChoice choice;
    std::string set;
    int size;  // buttons in the set
    int place; // the place of the button the choice makes default
};

// clang-format off
const Row Rows[] = {
    {ButtonChoice::OKOnly, "vbOKOnly", 1, 1},           {ButtonChoice::OKCancel1, "vbOKCancel", 2, 1},
    {ButtonChoice::OKCancel2, "vbOKCancel", 2, 2},      {ButtonChoice::AbortRetryIgnore1, "vbAbortRetryIgnore", 3, 1},
    {ButtonChoice::AbortRetryIgnore2, "vbAbortRetryIgnore", 3, 2},
    {ButtonChoice::AbortRetryIgnore3, "vbAbortRetryIgnore", 3, 3},
    {ButtonChoice::YesNoCancel1, "vbYesNoCancel", 3, 1}, {ButtonChoice::YesNoCancel2, "vbYesNoCancel", 3, 2},
    {ButtonChoice::YesNoCancel3, "vbYesNoCancel", 3, 3}, {ButtonChoice::YesNo1, "vbYesNo", 2, 1},
    {ButtonChoice::YesNo2, "vbYesNo", 2, 2},            {ButtonChoice::RetryCancel1, "vbRetryCancel", 2, 1},
    {ButtonChoice::RetryCancel2, "vbRetryCancel", 2, 2}};
// clang-format on

const char* const IconTerms[] = {"", "vbCritical", "vbQuestion", "vbExclamation", "vbInformation"};

// Every combination of choices: the expression names the published constants in the order
// set, default button, Help button, system-modal, icon; the value is their sum; and the box
// shown for that value has what was chosen.
TEST(ResolveStyle, EveryCombination)
{
    for (int n = 0; n < 13 * 2 * 2 * 2 * 5; ++n) {
        const Row& row = Rows[n / 40];
        const bool helpDefault = n & 1, help = n & 2, modal = n & 4;
        const int icon = n / 8 % 5;
        const MessageBoxOptions options{.ButtonOption = row.choice,
                                        .HelpButtonIsDefault = helpDefault,
                                        .IncludeHelpButton = help,
                                        .SystemModal = modal,
                                        .Icon = IconChoice(icon)};
        // Help stands after the set, so its place is one past the set's last button.
        const int place = helpDefault ? row.size + 1 : row.place;
        std::vector<std::string> terms = {row.set};
        if (place > 1)
            terms.push_back("vbDefaultButton" + std::to_string(place));
        if (help)
            terms.push_back("vbMsgBoxHelpButton");
        if (modal)
            terms.push_back("vbSystemModal");
        if (icon)
            terms.push_back(IconTerms[icon]);
        std::string expression;
        int value = 0;
        for (const std::string& term : terms) {
            expression += (expression.empty() ? "" : " + ") + term;
            value += Published.at(term);
        }

        const ResolvedStyle style = ResolveStyle(options);
        ASSERT_EQ(style.StyleExpression, expression);
        ASSERT_EQ(style.StyleValue, value) << expression;

        // Read back: the value decodes to the same expression, which evaluates to the same value.
        const auto decoded = DecodeStyle(std::to_string(value));
        ASSERT_TRUE(std::holds_alternative<DecodedStyle>(decoded)) << std::get<std::string>(decoded);
        EXPECT_EQ(std::get<DecodedStyle>(decoded).Translation, expression);
        EXPECT_EQ(EvaluateStyle(expression), (std::variant<int, std::string>(value)));

        const BoxLayout box = LayoutOfStyle(value);
        EXPECT_EQ(int(box.Buttons.size()), row.size) << expression;
        EXPECT_EQ(std::tuple(box.HelpButton, box.SystemModal, box.Icon), std::tuple(help, modal, IconChoice(icon)))
            << expression;
        // A default past the buttons shown (Help default, but no Help) falls back to the first.
        EXPECT_EQ(box.DefaultIndex, place <= row.size + help ? place - 1 : 0) << expression;
    }
}

} // namespace
} // namespace vellumet
