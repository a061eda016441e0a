#include "codegen/BuildCode.h"
#include "support/RecordingPlatform.h"
#include "support/Split.h"

#include <gtest/gtest.h>

namespace vellumet {
namespace {

using testing::RecordingPlatform;

MessageBoxOptions SaveQuestion()
{
    MessageBoxOptions o;
    o.ButtonOption = ButtonChoice::YesNoCancel2;
    o.Icon = IconChoice::Question;
    o.TitleText = "Save";
    o.BodyText = "Save changes?";
    return o;
}

MessageBoxOptions DiskError()
{
    MessageBoxOptions o;
    o.CopyAsValue = true;
    o.ButtonOption = ButtonChoice::RetryCancel2;
    o.IncludeHelpButton = true;
    o.HelpButtonIsDefault = true;
    o.SystemModal = true;
    o.Icon = IconChoice::Critical;
    o.HelpFileText = R"(C:\Help\Orders.chm)";
    o.TopicIDText = "7";
    o.TitleText = "Disk error";
    o.VariableText = "Answer";
    o.BodyText = "The disk is not ready.\r\nInsert the disk and retry.";
    return o;
}

MessageBoxOptions ExportFinished()
{
    MessageBoxOptions o;
    o.Icon = IconChoice::Information;
    o.IncludeHelpButton = true;
    o.UseAppPath = true;
    o.HelpFileText = R"(\Orders.chm)";
    o.TopicIDText = "25";
    o.BodyText = R"(Export finished. See "Report" for details.)";
    return o;
}

const std::string saveQuestionCode =
    "'*** Start Vellumet Code ***\r\n"
    "\tDim Response As Long\r\n"
    "\tResponse = MsgBox(\"Save changes?\", vbYesNoCancel + vbDefaultButton2 + vbQuestion, \"Save\")\r\n"
    "\tSelect Case Response\r\n"
    "\t\tCase 6  'User has clicked Yes\r\n"
    "\t\t\t'*** Your Code Here ***\r\n"
    "\t\tCase 7  'User has clicked No\r\n"
    "\t\t\t'*** Your Code Here ***\r\n"
    "\t\tCase 2  'User has clicked Cancel\r\n"
    "\t\t\t'*** Your Code Here ***\r\n"
    "\tEnd Select\r\n"
    "'*** End Vellumet Code ***";

TEST(CopyText, WorkedExamples)
{
    EXPECT_EQ(BuildCopyText(SaveQuestion()).Code, saveQuestionCode);

    EXPECT_EQ(BuildCopyText(DiskError()).Code,
              "'*** Start Vellumet Code ***\r\n"
              "\tDim Answer As Long\r\n"
              "\tAnswer = MsgBox (\"The disk is not ready.\" & vbCrLf & \"Insert the disk and retry.\", 21013, "
              "\"Disk error\", \"C:\\Help\\Orders.chm\", 7)\r\n"
              "\tSelect Case Answer\r\n"
              "\t\tCase 4  'User has clicked Retry\r\n"
              "\t\t\t'*** Your Code Here ***\r\n"
              "\t\tCase 2  'User has clicked Cancel\r\n"
              "\t\t\t'*** Your Code Here ***\r\n"
              "\tEnd Select\r\n"
              "'*** End Vellumet Code ***");

    const std::string exportCall = "\tMsgBox \"Export finished. See \"\"Report\"\" for details.\", %s, , "
                                   "App.Path & \"\\Orders.chm\", 25\r\n";
    auto exportCode = [&](const std::string& style) {
        std::string call = exportCall;
        call.replace(call.find("%s"), 2, style);
        return "'*** Start Vellumet Code ***\r\n" + call + "'*** End Vellumet Code ***";
    };
    MessageBoxOptions exported = ExportFinished();
    EXPECT_EQ(BuildCopyText(exported).Code, exportCode("vbOKOnly + vbMsgBoxHelpButton + vbInformation"));
    exported.CopyAsValue = true;
    EXPECT_EQ(BuildCopyText(exported).Code, exportCode("16448"));
}

// One line of the generated text: 0 the start banner, 1 the call or the declaration, 2 the assignment.
std::string Line(const MessageBoxOptions& options, std::size_t index)
{
    return testing::Split(BuildCopyText(options).Code, "\r\n").at(index);
}

struct LineCase {
    const char* name;
    void (*change)(MessageBoxOptions&);
    std::size_t line;
    std::string expected;
};

class GeneratedLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(GeneratedLine, IsWrittenExactly)
{
    MessageBoxOptions options;
    options.BodyText = "Hi";
    GetParam().change(options);
    EXPECT_EQ(Line(options, GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, GeneratedLine,
    ::testing::Values(
        LineCase{"None", [](MessageBoxOptions&) {}, 1, "\tMsgBox \"Hi\", vbOKOnly"},
        LineCase{"SpacesOnlyCountAsNone", [](MessageBoxOptions& o) { o.TitleText = "   "; }, 1, "\tMsgBox \"Hi\", vbOKOnly"},
        LineCase{"KeptUntrimmed", [](MessageBoxOptions& o) { o.TitleText = " T "; }, 1, "\tMsgBox \"Hi\", vbOKOnly, \" T \""},
        LineCase{"QuotesDoubled", [](MessageBoxOptions& o) { o.TitleText = R"(A "B")"; }, 1,
                 R"(	MsgBox "Hi", vbOKOnly, "A ""B""")"},
        LineCase{"OKOnlyValueModeIsStillAStatement", [](MessageBoxOptions& o) { o.CopyAsValue = true; }, 1,
                 "\tMsgBox \"Hi\", 0"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Variables, GeneratedLine,
    ::testing::Values(
        LineCase{"SpacesRemoved", [](MessageBoxOptions& o) { o.ButtonOption = ButtonChoice::YesNo1; o.VariableText = "My Answer"; },
                 1, "\tDim MyAnswer As Long"},
        LineCase{"AmpersandBecomesAnd", [](MessageBoxOptions& o) { o.ButtonOption = ButtonChoice::YesNo1; o.VariableText = "Q&A"; },
                 1, "\tDim QandA As Long"},
        LineCase{"QuotesRemoved", [](MessageBoxOptions& o) { o.ButtonOption = ButtonChoice::YesNo1; o.VariableText = "\"R\" 2"; },
                 1, "\tDim R2 As Long"},
        LineCase{"EmptyDeclaration", [](MessageBoxOptions& o) { o.ButtonOption = ButtonChoice::YesNo1; o.VariableText = " "; },
                 1, "\tDim  As Long"},
        LineCase{"EmptyAssignment", [](MessageBoxOptions& o) { o.ButtonOption = ButtonChoice::YesNo1; o.VariableText = ""; },
                 2, "\t = MsgBox(\"Hi\", vbYesNo)"},
        LineCase{"ValueModeSpacesTheCall", [](MessageBoxOptions& o) { o.ButtonOption = ButtonChoice::YesNo2; o.CopyAsValue = true; },
                 2, "\tResponse = MsgBox (\"Hi\", 260)"}),
    [](const auto& info) { return info.param.name; });

void WithHelp(MessageBoxOptions& o) { o.IncludeHelpButton = true; }

INSTANTIATE_TEST_SUITE_P(
    HelpArguments, GeneratedLine,
    ::testing::Values(
        LineCase{"EmptyFile", [](MessageBoxOptions& o) { WithHelp(o); }, 1,
                 "\tMsgBox \"Hi\", vbOKOnly + vbMsgBoxHelpButton, , \"\", 0"},
        LineCase{"EmptyFileBesideApp", [](MessageBoxOptions& o) { WithHelp(o); o.UseAppPath = true; }, 1,
                 "\tMsgBox \"Hi\", vbOKOnly + vbMsgBoxHelpButton, , App.Path & \"\", 0"},
        LineCase{"FileTrimmedInnerSpacesKept", [](MessageBoxOptions& o) { WithHelp(o); o.HelpFileText = "  My Help.chm "; }, 1,
                 "\tMsgBox \"Hi\", vbOKOnly + vbMsgBoxHelpButton, , \"My Help.chm\", 0"},
        LineCase{"FileQuotesDoubled", [](MessageBoxOptions& o) { WithHelp(o); o.HelpFileText = R"(a"b.chm)"; }, 1,
                 R"(	MsgBox "Hi", vbOKOnly + vbMsgBoxHelpButton, , "a""b.chm", 0)"},
        LineCase{"WithTitle", [](MessageBoxOptions& o) { WithHelp(o); o.TitleText = "T"; o.HelpFileText = "h.chm"; }, 1,
                 "\tMsgBox \"Hi\", vbOKOnly + vbMsgBoxHelpButton, \"T\", \"h.chm\", 0"},
        LineCase{"TopicLeadingZeros", [](MessageBoxOptions& o) { WithHelp(o); o.TopicIDText = "007"; }, 1,
                 "\tMsgBox \"Hi\", vbOKOnly + vbMsgBoxHelpButton, , \"\", 7"},
        LineCase{"TopicNegative", [](MessageBoxOptions& o) { WithHelp(o); o.TopicIDText = " -1 "; }, 1,
                 "\tMsgBox \"Hi\", vbOKOnly + vbMsgBoxHelpButton, , \"\", -1"},
        LineCase{"HelpOffIgnoresFileAndTopic",
                 [](MessageBoxOptions& o) { o.HelpFileText = "h.chm"; o.TopicIDText = "junk"; }, 1,
                 "\tMsgBox \"Hi\", vbOKOnly"}),
    [](const auto& info) { return info.param.name; });

TEST(ConvertTopicID, AcceptsSignedWholeNumbersInRange)
{
    const std::vector<std::pair<std::string, int>> accepted = {
        {"0", 0}, {"007", 7}, {"+12", 12}, {"  -1  ", -1}, {"32767", 32767}, {"-32768", -32768}, {"-0", 0},
        {"000000000000000000025", 25}};
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(ConvertTopicID(text), std::optional<std::int16_t>(value)) << text;

    for (const char* text : {"", "   ", "abc", "1.5", "1,000", "32768", "-32769", "99999999999999999999", "1e3", "- 5",
                             "+-1", "0x10", "12 34", "\t5", "5\r\n", "٣"})
        EXPECT_EQ(ConvertTopicID(text), std::nullopt) << text;
}

TEST(GenerateCode, CopyClearsThenSetsTheClipboard)
{
    RecordingPlatform platform;
    EXPECT_EQ(GenerateCode(GenerateMode::Copy, SaveQuestion(), platform), std::nullopt);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"ClearClipboard", "SetClipboardText"}));
    EXPECT_EQ(platform.clipboard, saveQuestionCode);
}

TEST(GenerateCode, ClipboardRefusalIsReported)
{
    RecordingPlatform platform;
    platform.clipboardRefuses = true;
    EXPECT_EQ(GenerateCode(GenerateMode::Copy, SaveQuestion(), platform), GenerateFailure::ClipboardRefused);
    EXPECT_EQ(platform.clipboard, "");
}

TEST(GenerateCode, BadTopicStopsBeforeAnyOutput)
{
    for (GenerateMode mode : {GenerateMode::Copy, GenerateMode::Try}) {
        RecordingPlatform platform;
        MessageBoxOptions options = ExportFinished();
        options.TopicIDText = "40000";
        EXPECT_EQ(GenerateCode(mode, options, platform), GenerateFailure::TopicNotConvertible);
        EXPECT_EQ(platform.calls, std::vector<std::string>{});
        EXPECT_EQ(platform.clipboard, "what was there before");
    }
}

TEST(GenerateCode, TryShowsTheBoxAsTyped)
{
    RecordingPlatform platform;
    platform.applicationPath = R"(C:\Apps\Orders)";
    MessageBoxOptions options = ExportFinished();
    options.HelpFileText = R"( \Orders.chm )";
    options.TitleText = "  ";
    EXPECT_EQ(GenerateCode(GenerateMode::Try, options, platform), std::nullopt);

    const MessageBoxRequest expected{R"(Export finished. See "Report" for details.)", 16448, "  ",
                                     HelpReference{R"(C:\Apps\Orders\Orders.chm)", 25}};
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.front(), expected);
    EXPECT_EQ(platform.clipboard, "what was there before");
}

TEST(GenerateCode, TryWithoutHelpPassesNoHelpAndNoPath)
{
    RecordingPlatform platform;
    MessageBoxOptions options = DiskError();
    options.IncludeHelpButton = false;
    options.UseAppPath = true;
    GenerateCode(GenerateMode::Try, options, platform);
    EXPECT_EQ(platform.calls, std::vector<std::string>{"ShowMessageBox"});
    EXPECT_EQ(platform.messageBoxes.at(0),
              (MessageBoxRequest{options.BodyText, 517 + 4096 + 16, "Disk error", std::nullopt}));
}

} // namespace
} // namespace vellumet
