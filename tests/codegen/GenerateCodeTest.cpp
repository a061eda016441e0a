// The checks of Try It and Copy Code, and the box Try It shows. The copied text is checked through vellumet-gen's
// tables, which run the same code.
#include "codegen/BuildCode.h"

#include <gtest/gtest.h>

namespace vellumet {
namespace {

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

// Try refuses what Copy refuses, but for the variable name it does not write, so that the box it shows is always
// one that Copy can write. The help file and topic are read only with the Help button. The application path is not
// asked for by a refusal, which comes before any output, nor by Copy, whose code names App.Path itself.
TEST(GenerateCode, TryRefusesWhatCopyRefuses)
{
    using enum GenerateFailure;
    struct Case {
        const char* name;
        void (*change)(MessageBoxOptions&);
        std::optional<GenerateFailure> copy, tried;
    };
    const Case cases[] = {
        {"blank body", [](auto& o) { o.BodyText = " "; }, BlankBody, BlankBody},
        {"title on two lines", [](auto& o) { o.TitleText = "a\nb"; }, LineBreakInTitle, LineBreakInTitle},
        {"help file on two lines", [](auto& o) { o.HelpFileText = "a\rb"; }, LineBreakInHelpFile, LineBreakInHelpFile},
        {"topic out of range", [](auto& o) { o.TopicIDText = "40000"; }, TopicNotConvertible, TopicNotConvertible},
        {"no variable name",
         [](auto& o) {
             o.ButtonOption = ButtonChoice::YesNo1;
             o.VariableText = R"( " )";
         },
         MissingVariableName, std::nullopt},
        {"help file and topic without the Help button",
         [](auto& o) {
             o.IncludeHelpButton = false;
             o.HelpFileText = "a\nb";
             o.TopicIDText = "x";
         },
         std::nullopt, std::nullopt},
    };
    for (const Case& c : cases)
        for (const auto& [mode, failure] : {std::pair{GenerateMode::Copy, c.copy}, {GenerateMode::Try, c.tried}}) {
            SCOPED_TRACE(std::string(c.name) + (mode == GenerateMode::Copy ? ", copied" : ", tried"));
            int asked = 0;
            const GenerateResult result = GenerateCode(mode, With(ExportFinished, c.change), ApplicationPath(asked));
            const auto* refused = std::get_if<GenerateFailure>(&result);
            EXPECT_EQ(refused ? std::optional(*refused) : std::nullopt, failure);
            if (failure || mode == GenerateMode::Copy) {
                EXPECT_EQ(asked, 0);
            }
        }
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
        {"topic with sign and spaces", [](auto& o) { o.TopicIDText = " -007 "; },
         HelpReference{R"(C:\Apps\Orders\Orders.chm)", -7}, 1},
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

} // namespace
} // namespace vellumet
