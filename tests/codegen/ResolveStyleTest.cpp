#include "codegen/MessageBoxStyle.h"
#include "support/Split.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vellumet {
namespace {

using enum Answer;

// The published values, written out here rather than taken from the library.
const std::map<std::string, int> publishedConstants = {
    {"vbOKOnly", 0},          {"vbOKCancel", 1},        {"vbAbortRetryIgnore", 2}, {"vbYesNoCancel", 3},
    {"vbYesNo", 4},           {"vbRetryCancel", 5},     {"vbDefaultButton2", 256}, {"vbDefaultButton3", 512},
    {"vbDefaultButton4", 768}, {"vbMsgBoxHelpButton", 16384}, {"vbSystemModal", 4096}, {"vbCritical", 16},
    {"vbQuestion", 32},       {"vbExclamation", 48},    {"vbInformation", 64},
};

struct ChoiceRow {
    ButtonChoice Choice;
    std::string SetConstant;
    std::vector<Answer> Buttons;
    int DefaultPlace;
};

const std::vector<ChoiceRow> choiceRows = {
    {ButtonChoice::OKOnly, "vbOKOnly", {OK}, 1},
    {ButtonChoice::OKCancel1, "vbOKCancel", {OK, Cancel}, 1},
    {ButtonChoice::OKCancel2, "vbOKCancel", {OK, Cancel}, 2},
    {ButtonChoice::AbortRetryIgnore1, "vbAbortRetryIgnore", {Abort, Retry, Ignore}, 1},
    {ButtonChoice::AbortRetryIgnore2, "vbAbortRetryIgnore", {Abort, Retry, Ignore}, 2},
    {ButtonChoice::AbortRetryIgnore3, "vbAbortRetryIgnore", {Abort, Retry, Ignore}, 3},
    {ButtonChoice::YesNoCancel1, "vbYesNoCancel", {Yes, No, Cancel}, 1},
    {ButtonChoice::YesNoCancel2, "vbYesNoCancel", {Yes, No, Cancel}, 2},
    {ButtonChoice::YesNoCancel3, "vbYesNoCancel", {Yes, No, Cancel}, 3},
    {ButtonChoice::YesNo1, "vbYesNo", {Yes, No}, 1},
    {ButtonChoice::YesNo2, "vbYesNo", {Yes, No}, 2},
    {ButtonChoice::RetryCancel1, "vbRetryCancel", {Retry, Cancel}, 1},
    {ButtonChoice::RetryCancel2, "vbRetryCancel", {Retry, Cancel}, 2},
};

const std::map<IconChoice, std::string> iconConstants = {
    {IconChoice::Critical, "vbCritical"},
    {IconChoice::Question, "vbQuestion"},
    {IconChoice::Exclamation, "vbExclamation"},
    {IconChoice::Information, "vbInformation"},
};

struct Combination {
    const ChoiceRow* Row;
    MessageBoxOptions Options;
    int DefaultPlace; // the place (from 1) of the default button, Help standing after the set
};

std::vector<Combination> AllCombinations()
{
    std::vector<Combination> all;
    for (const ChoiceRow& row : choiceRows)
        for (bool helpDefault : {false, true})
            for (bool includeHelp : {false, true})
                for (bool systemModal : {false, true})
                    for (IconChoice icon : {IconChoice::NoIcon, IconChoice::Critical, IconChoice::Question,
                                            IconChoice::Exclamation, IconChoice::Information}) {
                        MessageBoxOptions options;
                        options.ButtonOption = row.Choice;
                        options.HelpButtonIsDefault = helpDefault;
                        options.IncludeHelpButton = includeHelp;
                        options.SystemModal = systemModal;
                        options.Icon = icon;
                        const int place = helpDefault ? static_cast<int>(row.Buttons.size()) + 1 : row.DefaultPlace;
                        all.push_back({&row, options, place});
                    }
    return all;
}

std::string Describe(const Combination& c)
{
    return c.Row->SetConstant + " place " + std::to_string(c.Row->DefaultPlace) +
           (c.Options.HelpButtonIsDefault ? " help-default" : "") +
           (c.Options.IncludeHelpButton ? " help" : "") + (c.Options.SystemModal ? " modal" : "") + " icon " +
           std::to_string(static_cast<int>(c.Options.Icon));
}

TEST(ResolveStyle, EveryCombinationSumsPublishedConstantsInOrder)
{
    const auto all = AllCombinations();
    ASSERT_EQ(all.size(), 520u);
    for (const Combination& c : all) {
        SCOPED_TRACE(Describe(c));
        const ResolvedStyle style = ResolveStyle(c.Options);

        int sum = 0;
        const std::vector<std::string> terms = testing::Split(style.StyleExpression, " + ");
        for (const std::string& term : terms) {
            const auto constant = publishedConstants.find(term);
            ASSERT_NE(constant, publishedConstants.end()) << "unknown term '" << term << "'";
            sum += constant->second;
        }
        EXPECT_EQ(sum, style.StyleValue);

        // Built in the order: button set, default button, Help button, system-modal, icon.
        std::vector<std::string> expected = {c.Row->SetConstant};
        if (c.DefaultPlace > 1)
            expected.push_back("vbDefaultButton" + std::to_string(c.DefaultPlace));
        if (c.Options.IncludeHelpButton)
            expected.push_back("vbMsgBoxHelpButton");
        if (c.Options.SystemModal)
            expected.push_back("vbSystemModal");
        if (c.Options.Icon != IconChoice::NoIcon)
            expected.push_back(iconConstants.at(c.Options.Icon));
        EXPECT_EQ(terms, expected);
    }
}

TEST(ResolveStyle, DocumentedExamples)
{
    struct Example {
        ButtonChoice Choice;
        bool HelpDefault, IncludeHelp, SystemModal;
        IconChoice Icon;
        int Value;
        std::string Expression;
    };
    const Example examples[] = {
        {ButtonChoice::OKOnly, false, false, false, IconChoice::NoIcon, 0, "vbOKOnly"},
        {ButtonChoice::YesNoCancel2, false, false, false, IconChoice::Question, 291,
         "vbYesNoCancel + vbDefaultButton2 + vbQuestion"},
        {ButtonChoice::OKCancel1, true, true, true, IconChoice::NoIcon, 20993,
         "vbOKCancel + vbDefaultButton3 + vbMsgBoxHelpButton + vbSystemModal"},
        {ButtonChoice::YesNoCancel1, true, false, false, IconChoice::NoIcon, 771, "vbYesNoCancel + vbDefaultButton4"},
        {ButtonChoice::YesNoCancel2, true, false, false, IconChoice::NoIcon, 771, "vbYesNoCancel + vbDefaultButton4"},
        {ButtonChoice::YesNoCancel3, true, false, false, IconChoice::NoIcon, 771, "vbYesNoCancel + vbDefaultButton4"},
        {ButtonChoice::YesNoCancel3, true, true, true, IconChoice::Information, 21315,
         "vbYesNoCancel + vbDefaultButton4 + vbMsgBoxHelpButton + vbSystemModal + vbInformation"},
        {ButtonChoice::OKOnly, true, false, false, IconChoice::NoIcon, 256, "vbOKOnly + vbDefaultButton2"},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.Expression);
        MessageBoxOptions options;
        options.ButtonOption = e.Choice;
        options.HelpButtonIsDefault = e.HelpDefault;
        options.IncludeHelpButton = e.IncludeHelp;
        options.SystemModal = e.SystemModal;
        options.Icon = e.Icon;
        const ResolvedStyle style = ResolveStyle(options);
        EXPECT_EQ(style.StyleValue, e.Value);
        EXPECT_EQ(style.StyleExpression, e.Expression);
    }
}

TEST(LayoutOfStyle, ShowsWhatEveryResolvedStyleAsks)
{
    for (const Combination& c : AllCombinations()) {
        SCOPED_TRACE(Describe(c));
        const BoxLayout layout = LayoutOfStyle(ResolveStyle(c.Options).StyleValue);
        EXPECT_EQ(layout.Buttons, c.Row->Buttons);
        EXPECT_EQ(layout.HelpButton, c.Options.IncludeHelpButton);
        EXPECT_EQ(layout.SystemModal, c.Options.SystemModal);
        EXPECT_EQ(layout.Icon, c.Options.Icon);
        // A default place beyond the buttons shown (Help default but not included) falls back to the first.
        const int shown = static_cast<int>(c.Row->Buttons.size()) + (c.Options.IncludeHelpButton ? 1 : 0);
        EXPECT_EQ(layout.DefaultIndex, c.DefaultPlace <= shown ? c.DefaultPlace - 1 : 0);
    }
}

} // namespace
} // namespace vellumet
