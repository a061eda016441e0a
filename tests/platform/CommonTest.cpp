// What both desktops share: joining a file to its folder, the kind of help file
// a name makes, and the notice a message box's Help button gives when its file
// does not open.
#include "platform/Notices.h"
#include "support/CaseTable.h"

#include <gtest/gtest.h>

#include <map>

using namespace vellumet;
using vellumet::testing::ReadCaseTable;

TEST(JoinPath, AddsOneSeparatorAfterAFolder)
{
    for (const auto& row : ReadCaseTable("portable-joined-paths.tsv"))
        EXPECT_EQ(JoinPath(row.at(0), "VellHelp.chm", row.at(1).at(0)), row.at(2)) << row.at(0);
}

TEST(HelpButtonNotice, SaysWhichFileIsMissingThatNoneIsNamedOrThatItIsNoHelpFile)
{
    const std::map<std::string, OpenResult> results{{"NotFound", OpenResult::NotFound},
                                                    {"NotHelpFile", OpenResult::NotHelpFile}};
    for (const auto& row : ReadCaseTable("portable-help-button-notices.tsv"))
        EXPECT_EQ(HelpButtonNotice(results.at(row.at(0)), row.at(1)),
                  (MessageBoxRequest{row.at(2), 64, "Vellumet", {}}));
}

TEST(HelpFileKindOf, ReadsTheEndingOnly)
{
    const std::map<std::string, HelpFileKind> kinds{{"Compiled", HelpFileKind::Compiled},
                                                    {"WindowsHelp", HelpFileKind::WindowsHelp},
                                                    {"NotHelp", HelpFileKind::NotHelp}};
    for (const auto& row : ReadCaseTable("portable-help-file-kinds.tsv"))
        EXPECT_EQ(HelpFileKindOf(row.at(0)), kinds.at(row.at(1))) << row.at(0);
}
