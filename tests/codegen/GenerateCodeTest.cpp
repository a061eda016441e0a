#include "codegen/BuildCode.h"
#include "support/CaseTable.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace vellumet {
namespace {

using testing::RecordingPlatform;
using Calls = std::vector<std::string>;

const MessageBoxOptions saveQuestion{.ButtonOption = ButtonChoice::YesNoCancel2, .Icon = IconChoice::Question,
                                     .TitleText = "Save", .BodyText = "Save changes?"};

const MessageBoxOptions exportFinished{.IncludeHelpButton = true, .Icon = IconChoice::Information,
                                       .BodyText = R"(Export finished. See "Report" for details.)",
                                       .HelpFileText = R"( \Orders.chm )", .UseAppPath = true, .TopicIDText = "25"};

// Copy clears the clipboard, then sets the text; a clipboard that refuses it is reported.
TEST(GenerateCode, CopyClearsThenSetsTheClipboard)
{
    RecordingPlatform platform;
    EXPECT_EQ(GenerateCode(GenerateMode::Copy, saveQuestion, platform), std::nullopt);
    EXPECT_EQ(platform.calls, (Calls{"ClearClipboard", "SetClipboardText"}));
    EXPECT_EQ(platform.clipboard, testing::ReadDataFile("golden/save-question.vb"));

    platform.clipboardRefuses = true;
    EXPECT_EQ(GenerateCode(GenerateMode::Copy, saveQuestion, platform), GenerateFailure::ClipboardRefused);
    EXPECT_EQ(platform.clipboard, "");
}

TEST(GenerateCode, BadTopicStopsBeforeAnyOutput)
{
    for (GenerateMode mode : {GenerateMode::Copy, GenerateMode::Try}) {
        RecordingPlatform platform;
        MessageBoxOptions options = exportFinished;
        options.TopicIDText = "40000";
        EXPECT_EQ(GenerateCode(mode, options, platform), GenerateFailure::TopicNotConvertible);
        EXPECT_EQ(platform.calls, Calls{});
        EXPECT_EQ(platform.clipboard, "what was there before");
    }
}

// Try shows the texts as typed; the help path follows the application path directly.
TEST(GenerateCode, TryShowsTheBoxAsTyped)
{
    RecordingPlatform platform;
    platform.applicationPath = R"(C:\Apps\Orders)";
    MessageBoxOptions options = exportFinished;
    options.TitleText = "  ";
    EXPECT_EQ(GenerateCode(GenerateMode::Try, options, platform), std::nullopt);
    EXPECT_EQ(platform.messageBoxes, (std::vector<MessageBoxRequest>{{options.BodyText, 16448, "  ",
                                                                      HelpReference{R"(C:\Apps\Orders\Orders.chm)", 25}}}));
    EXPECT_EQ(platform.clipboard, "what was there before");

    options.IncludeHelpButton = false;
    platform.calls.clear();
    GenerateCode(GenerateMode::Try, options, platform);
    EXPECT_EQ(platform.calls, Calls{"ShowMessageBox"});
    EXPECT_EQ(platform.messageBoxes.back().Help, std::nullopt);
}

} // namespace
} // namespace vellumet
