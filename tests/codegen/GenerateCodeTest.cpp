#include "codegen/BuildCode.h"
#include "support/CaseTable.h"

#include <gtest/gtest.h>

namespace vellumet {
namespace {

const MessageBoxOptions SaveQuestion{.ButtonOption = ButtonChoice::YesNoCancel2,
                                     .Icon = IconChoice::Question,
                                     .TitleText = "Save",
                                     .BodyText = "Save changes?"};

const MessageBoxOptions ExportFinished{.IncludeHelpButton = true,
                                       .Icon = IconChoice::Information,
                                       .BodyText = R"(Export finished. See "Report" for details.)",
                                       .HelpFileText = R"( \Orders.chm )",
                                       .UseAppPath = true,
                                       .TopicIDText = "25"};

MessageBoxOptions With(MessageBoxOptions options, void (*change)(MessageBoxOptions&))
{
    change(options);
    return options;
}

// The application path as the platform gives it, counting how often it was asked for.
std::function<std::string()> ApplicationPath(int& asked)
{
    return [&asked] {
        ++asked;
        return std::string(R"(C:\Apps\Orders)");
    };
}

// Copy hands over the code text and never needs the application path: the code names App.Path itself.
TEST(GenerateCode, CopyHandsOverTheCodeText)
{
    int asked = 0;
    for (const auto& [options, golden] :
         {std::pair{SaveQuestion, "save-question.vb"}, {ExportFinished, "export-finished.vb"}}) {
        const GenerateResult result = GenerateCode(GenerateMode::Copy, options, ApplicationPath(asked));
        ASSERT_TRUE(std::holds_alternative<CopyRequest>(result)) << golden;
        EXPECT_EQ(std::get<CopyRequest>(result).Text, testing::ReadDataFile(std::string("golden/") + golden));
    }
    EXPECT_EQ(asked, 0);
}

// The first refusal in the order body, title, variable, help file, topic; nothing is built after one.
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
    const MessageBoxOptions unnamed = With(SaveQuestion, [](auto& o) { o.VariableText = R"( " " )"; });
    const MessageBoxOptions badTopic = With(ExportFinished, [](auto& o) { o.TopicIDText = "40000"; });
    const MessageBoxOptions brokenTitle = With(SaveQuestion, [](auto& o) { o.TitleText = "Save\r\nnow"; });
    const MessageBoxOptions brokenHelpFile = With(ExportFinished, [](auto& o) { o.HelpFileText = "Orders\r.chm"; });
    const Case cases[] = {
        {"empty body, copy", With(SaveQuestion, [](auto& o) { o.BodyText = ""; }), Copy, BlankBody},
        {"spaces-only body, try", With(SaveQuestion, [](auto& o) { o.BodyText = "   "; }), Try, BlankBody},
        {"tab-only body", With(SaveQuestion, [](auto& o) { o.BodyText = " \t "; }), Copy, std::nullopt},
        {"break-only body", With(SaveQuestion, [](auto& o) { o.BodyText = "\r\n"; }), Try, std::nullopt},
        {"blank body before bad topic", With(badTopic, [](auto& o) { o.BodyText = " "; }), Copy, BlankBody},
        {"bad topic, copy", badTopic, Copy, TopicNotConvertible},
        {"bad topic, try", badTopic, Try, TopicNotConvertible},
        {"unnamed variable, copy", unnamed, Copy, MissingVariableName},
        {"unnamed variable, try", unnamed, Try, std::nullopt},
        {"unnamed variable, OK only", With(unnamed, [](auto& o) { o.ButtonOption = ButtonChoice::OKOnly; }), Copy,
         std::nullopt},
        {"CR LF in title, copy", brokenTitle, Copy, LineBreakInTitle},
        {"CR LF in title, try", brokenTitle, Try, LineBreakInTitle},
        {"lone LF in title", With(SaveQuestion, [](auto& o) { o.TitleText = "\n"; }), Copy, LineBreakInTitle},
        {"lone CR in help file, copy", brokenHelpFile, Copy, LineBreakInHelpFile},
        {"lone CR in help file, try", brokenHelpFile, Try, LineBreakInHelpFile},
        {"help file unused without Help button", With(SaveQuestion, [](auto& o) { o.HelpFileText = "Orders\n.chm"; }),
         Copy, std::nullopt},
        {"blank body before broken title", With(brokenTitle, [](auto& o) { o.BodyText = ""; }), Copy, BlankBody},
        {"broken title before unnamed variable", With(unnamed, [](auto& o) { o.TitleText = "\r"; }), Copy,
         LineBreakInTitle},
        {"unnamed variable before broken help file",
         With(brokenHelpFile,
              [](auto& o) {
                  o.ButtonOption = ButtonChoice::YesNo1;
                  o.VariableText = "";
              }),
         Copy, MissingVariableName},
        {"broken help file before bad topic", With(brokenHelpFile, [](auto& o) { o.TopicIDText = "x"; }), Try,
         LineBreakInHelpFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int asked = 0;
        const GenerateResult result = GenerateCode(c.mode, c.options, ApplicationPath(asked));
        const auto* failure = std::get_if<GenerateFailure>(&result);
        EXPECT_EQ(failure ? std::optional(*failure) : std::nullopt, c.failure);
        if (c.failure) {
            EXPECT_EQ(asked, 0);
        } else {
            EXPECT_EQ(std::holds_alternative<CopyRequest>(result), c.mode == Copy);
        }
    }
}

// The topic and the variable name are read once, by the check, and handed on as values.
TEST(GenerateCode, CheckHandsOnTheParsedValues)
{
    const MessageBoxOptions questionOptions = With(SaveQuestion, [](auto& o) {
        o.VariableText = R"( "Q&A" )";
        o.TopicIDText = "7";
    });
    const auto question = CheckOptions(GenerateMode::Copy, questionOptions);
    ASSERT_TRUE(std::holds_alternative<CheckedOptions>(question));
    EXPECT_EQ(std::get<CheckedOptions>(question).VariableName, "QandA");
    EXPECT_EQ(std::get<CheckedOptions>(question).TopicID, 0) << "a topic without the Help button is not read";

    const MessageBoxOptions helpOptions = With(ExportFinished, [](auto& o) { o.TopicIDText = " -007 "; });
    const auto help = CheckOptions(GenerateMode::Try, helpOptions);
    ASSERT_TRUE(std::holds_alternative<CheckedOptions>(help));
    EXPECT_EQ(std::get<CheckedOptions>(help).TopicID, -7);
}

// Try shows the texts as typed; the help path follows the application path directly, which is
// asked for only when the help file follows it.
TEST(GenerateCode, TryShowsTheBoxAsTyped)
{
    struct Case {
        const char* name;
        void (*change)(MessageBoxOptions&);
        std::optional<HelpReference> help;
        int asked;
    };
    const Case cases[] = {
        {"help beside the program", [](MessageBoxOptions&) {}, HelpReference{R"(C:\Apps\Orders\Orders.chm)", 25}, 1},
        {"help file as typed, trimmed", [](auto& o) { o.UseAppPath = false; }, HelpReference{R"(\Orders.chm)", 25}, 0},
        {"no Help button", [](auto& o) { o.IncludeHelpButton = false; }, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageBoxOptions options = With(ExportFinished, c.change);
        options.TitleText = "  ";
        int asked = 0;
        const GenerateResult result = GenerateCode(GenerateMode::Try, options, ApplicationPath(asked));
        ASSERT_TRUE(std::holds_alternative<MessageBoxRequest>(result));
        const MessageBoxRequest& box = std::get<MessageBoxRequest>(result);
        EXPECT_EQ(box, (MessageBoxRequest{options.BodyText, box.Style, "  ", c.help}));
        EXPECT_EQ(box.Style, options.IncludeHelpButton ? 16448 : 64);
        EXPECT_EQ(asked, c.asked);
    }
}

// The accepted language: spaces around, one optional sign, decimal digits, -32768 to 32767.
TEST(ConvertTopicID, ReadsOnlyA16BitDecimalNumber)
{
    const std::pair<const char*, std::optional<std::int16_t>> cases[] = {
        {"0", 0},
        {"007", 7},
        {" -1 ", -1},
        {"+12", 12},
        {"  +0", 0},
        {"-0", 0},
        {"-32768", -32768},
        {"32767", 32767},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"32768", std::nullopt},
        {"-32769", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"+-5", std::nullopt},
        {"-+5", std::nullopt},
        {"++5", std::nullopt},
        {"- 5", std::nullopt},
        {"+ 5", std::nullopt},
        {"\t5", std::nullopt},
        {"5\r\n", std::nullopt},
        {"5 5", std::nullopt},
        {"2.5", std::nullopt},
        {"1e3", std::nullopt},
        {"0x10", std::nullopt},
        {"seven", std::nullopt},
    };
    for (const auto& [text, topic] : cases)
        EXPECT_EQ(ConvertTopicID(text), topic) << '[' << text << ']';
}

} // namespace
} // namespace vellumet
