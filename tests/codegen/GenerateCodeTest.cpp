#include "codegen/BuildCode.h"
#include "support/CaseTable.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace vellumet {
namespace {

using testing::RecordingPlatform;
using Calls = std::vector<std::string>;

const MessageBoxOptions saveQuestion{.ButtonOption = ButtonChoice::YesNoCancel2,
                                     .Icon = IconChoice::Question,
                                     .TitleText = "Save",
                                     .BodyText = "Save changes?"};

const MessageBoxOptions exportFinished{.IncludeHelpButton = true,
                                       .Icon = IconChoice::Information,
                                       .BodyText = R"(Export finished. See "Report" for details.)",
                                       .HelpFileText = R"( \Orders.chm )",
                                       .UseAppPath = true,
                                       .TopicIDText = "25"};

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

MessageBoxOptions With(MessageBoxOptions options, void (*change)(MessageBoxOptions&))
{
    change(options);
    return options;
}

// A refusal comes before any output: no box is shown and the clipboard keeps what it held.
TEST(GenerateCode, RefusesBeforeAnyOutput)
{
    using enum GenerateMode;
    using enum GenerateFailure;
    struct Case {
        const char* name;
        MessageBoxOptions options;
        GenerateMode mode;
        std::optional<GenerateFailure> failure;
    };
    const MessageBoxOptions unnamed = With(saveQuestion, [](auto& o) { o.VariableText = R"( " " )"; });
    const MessageBoxOptions badTopic = With(exportFinished, [](auto& o) { o.TopicIDText = "40000"; });
    const Case cases[] = {
        {"empty body, copy", With(saveQuestion, [](auto& o) { o.BodyText = ""; }), Copy, BlankBody},
        {"spaces-only body, try", With(saveQuestion, [](auto& o) { o.BodyText = "   "; }), Try, BlankBody},
        {"tab-only body", With(saveQuestion, [](auto& o) { o.BodyText = " \t "; }), Copy, std::nullopt},
        {"break-only body", With(saveQuestion, [](auto& o) { o.BodyText = "\r\n"; }), Try, std::nullopt},
        {"blank body before bad topic", With(badTopic, [](auto& o) { o.BodyText = " "; }), Copy, BlankBody},
        {"bad topic, copy", badTopic, Copy, TopicNotConvertible},
        {"bad topic, try", badTopic, Try, TopicNotConvertible},
        {"unnamed variable, copy", unnamed, Copy, MissingVariableName},
        {"unnamed variable, try", unnamed, Try, std::nullopt},
        {"unnamed variable, OK only", With(unnamed, [](auto& o) { o.ButtonOption = ButtonChoice::OKOnly; }), Copy,
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPlatform platform;
        EXPECT_EQ(GenerateCode(c.mode, c.options, platform), c.failure);
        EXPECT_EQ(platform.calls.empty(), c.failure.has_value());
        if (c.failure) {
            EXPECT_EQ(platform.clipboard, "what was there before");
        }
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
    EXPECT_EQ(platform.messageBoxes,
              (std::vector<MessageBoxRequest>{
                  {options.BodyText, 16448, "  ", HelpReference{R"(C:\Apps\Orders\Orders.chm)", 25}}}));
    EXPECT_EQ(platform.clipboard, "what was there before");

    options.IncludeHelpButton = false;
    platform.calls.clear();
    GenerateCode(GenerateMode::Try, options, platform);
    EXPECT_EQ(platform.calls, Calls{"ShowMessageBox"});
    EXPECT_EQ(platform.messageBoxes.back().Help, std::nullopt);
}

} // namespace
} // namespace vellumet
