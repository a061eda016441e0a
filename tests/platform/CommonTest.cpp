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

// The notices whose words differ from the window's own Help command.
TEST(HelpButtonNotice, SaysWhichFileIsMissingThatNoneIsNamedOrThatItIsNoHelpFile)
{
    const std::tuple<OpenResult, const char*, const char*> cases[] = {
        {OpenResult::NotFound, R"(C:\Help\Orders.chm)",
         "There is no help file at\r\n\r\nC:\\Help\\Orders.chm\r\n\r\n"
         "Please check the name and folder of the help file on the \"Help Button\" tab."},
        {OpenResult::NotFound, "",
         "This message box has no help file.\r\n\r\n"
         "Please enter the name of its help file on the \"Help Button\" tab."},
        {OpenResult::NotHelpFile, R"(C:\Users\Public\setup.exe)",
         "This is not a help file:\r\n\r\nC:\\Users\\Public\\setup.exe\r\n\r\n"
         "Help opens only help files, whose names end in .chm or .hlp."},
    };
    for (const auto& [result, file, prompt] : cases)
        EXPECT_EQ(HelpButtonNotice(result, file), (MessageBoxRequest{prompt, 64, "Vellumet", {}}));
}

// Only the name's ending, in any case, makes a help file.
TEST(HelpFileKindOf, ReadsTheEndingOnly)
{
    const std::pair<const char*, HelpFileKind> cases[] = {
        {"Orders.chm", HelpFileKind::Compiled},
        {R"(C:\Help\ORDERS.CHM)", HelpFileKind::Compiled},
        {"orders.Hlp", HelpFileKind::WindowsHelp},
        {"setup.exe", HelpFileKind::NotHelp},
        {"orders.chm.lnk", HelpFileKind::NotHelp},
        {"Orders.desktop", HelpFileKind::NotHelp},
        {"chm", HelpFileKind::NotHelp},
        {"", HelpFileKind::NotHelp},
    };
    for (const auto& [file, kind] : cases)
        EXPECT_EQ(HelpFileKindOf(file), kind) << file;
}
