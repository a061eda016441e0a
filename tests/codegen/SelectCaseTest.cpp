#include "codegen/Functions.h"
#include "support/Split.h"

#include <gtest/gtest.h>

namespace vellumet {
namespace {

std::vector<std::string> Lines(const std::string& text) { return testing::Split(text, "\r\n"); }

// The branches follow the buttons on the box, whichever of them is default.
TEST(BuildSelectCase, BranchesOfEverySet)
{
    const std::vector<std::pair<ButtonChoice, std::string>> table = {
        {ButtonChoice::OKCancel1, "1 OK,2 Cancel"},
        {ButtonChoice::OKCancel2, "1 OK,2 Cancel"},
        {ButtonChoice::AbortRetryIgnore1, "3 Abort,4 Retry,5 Ignore"},
        {ButtonChoice::AbortRetryIgnore2, "3 Abort,4 Retry,5 Ignore"},
        {ButtonChoice::AbortRetryIgnore3, "3 Abort,4 Retry,5 Ignore"},
        {ButtonChoice::YesNoCancel1, "6 Yes,7 No,2 Cancel"},
        {ButtonChoice::YesNoCancel2, "6 Yes,7 No,2 Cancel"},
        {ButtonChoice::YesNoCancel3, "6 Yes,7 No,2 Cancel"},
        {ButtonChoice::YesNo1, "6 Yes,7 No"},
        {ButtonChoice::YesNo2, "6 Yes,7 No"},
        {ButtonChoice::RetryCancel1, "4 Retry,2 Cancel"},
        {ButtonChoice::RetryCancel2, "4 Retry,2 Cancel"},
    };
    for (const auto& [choice, branches] : table) {
        std::string expected = "\tSelect Case Answer";
        for (const std::string& branch : testing::Split(branches, ",")) {
            const auto answer = testing::Split(branch, " ");
            expected += "\r\n\t\tCase " + answer.at(0) + "  'User has clicked " + answer.at(1) +
                        "\r\n\t\t\t'*** Your Code Here ***";
        }
        expected += "\r\n\tEnd Select\r\n'*** End Vellumet Code ***";
        EXPECT_EQ(BuildSelectCase(choice, "Answer"), expected) << branches;
    }
}

TEST(BuildSelectCase, LineCountsAndEnd)
{
    EXPECT_EQ(Lines(BuildSelectCase(ButtonChoice::YesNo2, "R")).size(), 7u);
    EXPECT_EQ(Lines(BuildSelectCase(ButtonChoice::AbortRetryIgnore2, "R")).size(), 9u);
    EXPECT_EQ(Lines(BuildSelectCase(ButtonChoice::RetryCancel1, "R")).back(), "'*** End Vellumet Code ***");
}

TEST(BuildSelectCase, OKOnlyHasNoBlock) { EXPECT_EQ(BuildSelectCase(ButtonChoice::OKOnly, "Response"), ""); }

TEST(BuildSelectCase, EmptyVariableKeepsTheHeadSpace)
{
    EXPECT_EQ(Lines(BuildSelectCase(ButtonChoice::OKCancel1, "")).front(), "\tSelect Case ");
}

} // namespace
} // namespace vellumet
