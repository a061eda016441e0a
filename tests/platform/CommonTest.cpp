// What both desktops share: joining a file to its folder, and the notice a
// message box's Help button gives when its file does not open.
#include "platform/Notices.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vellumet;

TEST(JoinPath, AddsOneSeparatorAfterAFolder)
{
    const std::tuple<const char*, char, const char*> joins[] = {
        {R"(C:\Program Files\Vellumet)", '\\', R"(C:\Program Files\Vellumet\VellHelp.chm)"},
        {R"(C:\)", '\\', R"(C:\VellHelp.chm)"},
        {"C:/Tools/", '\\', "C:/Tools/VellHelp.chm"},
        {"/usr/local/bin", '/', "/usr/local/bin/VellHelp.chm"},
        {"/", '/', "/VellHelp.chm"},
    };
    for (const auto& [folder, separator, joined] : joins)
        EXPECT_EQ(JoinPath(folder, "VellHelp.chm", separator), joined) << folder;
}

// The one failure whose words differ from the window's own Help command.
TEST(HelpButtonNotice, SaysWhichFileIsMissingOrThatNoneIsNamed)
{
    const std::pair<const char*, const char*> cases[] = {
        {R"(C:\Help\Orders.chm)", "There is no help file at\r\n\r\nC:\\Help\\Orders.chm\r\n\r\n"
                                  "Please check the name and folder of the help file on the \"Help Button\" tab."},
        {"", "This message box has no help file.\r\n\r\n"
             "Please enter the name of its help file on the \"Help Button\" tab."},
    };
    for (const auto& [file, prompt] : cases)
        EXPECT_EQ(HelpButtonNotice(OpenResult::NotFound, file), (MessageBoxRequest{prompt, 64, "Vellumet", {}}));
}
