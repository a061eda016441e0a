// The checks of Try It and Copy Code, and the box Try It shows. The copied text is checked through vellumet-gen's
// tables, which run the same code.
#include "codegen/BuildCode.h"
#include "platform/CodePage.h"
#include "support/CodeMeasure.h"
#include "support/VbStringEvaluator.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>

namespace vellumet {
namespace {

const MessageBoxOptions ExportFinished{.IncludeHelpButton = true,
                                       .Icon = IconChoice::Information,
                                       .TitleText = "  ",
                                       .BodyText = R"(Export finished. See "Report" for details.)",
                                       .HelpFileText = R"( \Orders.chm )",
                                       .UseAppPath = true,
                                       .TopicIDText = "25"};

const CodePageWidth Western = *CodePageWidthOf(1252);

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
// one that Copy can write; the box shows the texts as typed. The help file and topic are read only with the Help
// button, and the help path follows the application path directly. Only then is the application path asked for: not
// by a refusal, which comes before any output, nor by Copy, whose code names App.Path itself.
TEST(GenerateCode, TryRefusesWhatCopyRefusesAndShowsTheBoxAsTyped)
{
    using enum GenerateFailure;
    struct Case {
        const char* name;
        void (*change)(MessageBoxOptions&);
        std::optional<GenerateFailure> copy, tried;
        std::optional<HelpReference> help; // of the box tried, and its style
        int style;
    };
    const HelpReference beside{R"(C:\Apps\Orders\Orders.chm)", 25};
    const Case cases[] = {
        {"help beside the program", [](MessageBoxOptions&) {}, {}, {}, beside, 16448},
        {"help file as typed, trimmed", [](auto& o) { o.UseAppPath = false; }, {}, {}, {{R"(\Orders.chm)", 25}}, 16448},
        {"topic with sign and spaces",
         [](auto& o) { o.TopicIDText = " -007 "; },
         {},
         {},
         HelpReference{beside.File, -7},
         16448},
        {"blank body", [](auto& o) { o.BodyText = " "; }, BlankBody, BlankBody, {}, 0},
        {"title on two lines", [](auto& o) { o.TitleText = "a\nb"; }, LineBreakInTitle, LineBreakInTitle, {}, 0},
        {"help file on two lines",
         [](auto& o) { o.HelpFileText = "a\rb"; },
         LineBreakInHelpFile,
         LineBreakInHelpFile,
         {},
         0},
        {"topic out of range",
         [](auto& o) { o.TopicIDText = "40000"; },
         TopicNotConvertible,
         TopicNotConvertible,
         {},
         0},
        {"no variable name",
         [](auto& o) {
             o.ButtonOption = ButtonChoice::YesNo1;
             o.VariableText = R"( " )";
         },
         MissingVariableName, std::nullopt, beside, 16452},
        {"help file and topic without the Help button",
         [](auto& o) {
             o.IncludeHelpButton = false;
             o.HelpFileText = "a\nb";
             o.TopicIDText = "x";
         },
         std::nullopt, std::nullopt, std::nullopt, 64},
    };
    for (const Case& c : cases)
        for (const auto& [mode, failure] : {std::pair{GenerateMode::Copy, c.copy}, {GenerateMode::Try, c.tried}}) {
            SCOPED_TRACE(std::string(c.name) + (mode == GenerateMode::Copy ? ", copied" : ", tried"));
            const MessageBoxOptions options = With(ExportFinished, c.change);
            int asked = 0;
            const GenerateResult result = GenerateCode(mode, options, ApplicationPath(asked), Western);
            const auto* refused = std::get_if<GenerateFailure>(&result);
            EXPECT_EQ(refused ? std::optional(*refused) : std::nullopt, failure);
            const auto* box = std::get_if<MessageBoxRequest>(&result);
            EXPECT_EQ(box != nullptr, mode == GenerateMode::Try && !failure);
            if (box) {
                EXPECT_EQ(*box, (MessageBoxRequest{options.BodyText, c.style, options.TitleText, c.help}));
            }
            EXPECT_EQ(asked, box && c.help && options.UseAppPath ? 1 : 0);
        }
}

// The value of each argument of a call, where a String variable built before it stands for its text.
std::vector<std::string> ArgumentValues(std::string_view arguments, const std::map<std::string, std::string>& texts)
{
    std::vector<std::string> values;
    bool inLiteral = false;
    for (std::size_t at = 0, start = 0; at <= arguments.size(); ++at) {
        inLiteral = at < arguments.size() && arguments[at] == '"' ? !inLiteral : inLiteral;
        if (at == arguments.size() || (!inLiteral && arguments.substr(at, 2) == ", ")) {
            const std::string argument(arguments.substr(start, at - start));
            values.push_back(texts.contains(argument) ? texts.at(argument)
                                                      : testing::EvaluateVbString(argument).value_or("?"));
            start = at + 2;
        }
    }
    return values;
}

// Bodies of 1024 characters of every kind (and one of 30 times as many letters, with no place to break), with titles
// short and long, in each language and on a single- and a double-byte code page: every physical line and statement is
// within the language's limits, and the prompt and title the code builds are the texts typed.
TEST(GenerateCode, EveryLineWithinTheLanguagesLimits)
{
    const std::vector<std::vector<std::string>> kinds = {
        {"Order ", "late ", "disk "}, {"\r\n"},        {"\""}, {{"\0", 1}, "\x01", "\x1b", "\x7f", "a"},
        {"日", "本", "語"},           {"Ω", "μ", "έ"}, {"😀"},  {"a", "\r\n", "\"", "\t", "日", "Ω", "😀", "\x02", " "},
        {std::string(30, 'a')}};
    const auto text = [](const std::vector<std::string>& characters) {
        std::string typed;
        for (std::size_t i = 0; i < 1024; ++i)
            typed += characters[i % characters.size()];
        return typed;
    };
    for (const LanguageRow& language : Languages) {
        std::size_t longestLine = 0, mostContinuations = 0;
        for (const CodePageWidth& width : {*CodePageWidthOf(1252), *CodePageWidthOf(932)})
            for (const auto& kind : kinds)
                for (const std::string& title :
                     {std::string(), std::string("Orders"), text({"a", "\"", "\t", "日", "Ω", "😀", "\x02", " "})}) {
                    MessageBoxOptions options = ExportFinished;
                    options.ButtonOption = ButtonChoice::YesNo2;
                    options.BodyText = text(kind);
                    options.TitleText = title;
                    options.CodeLanguage = language.Id;
                    const auto checked = CheckOptions(GenerateMode::Copy, options, width);
                    const auto measure = testing::Measure(BuildCopyText(std::get<CheckedOptions>(checked)), width);
                    EXPECT_TRUE(measure.Within(language)) << language.Key << " " << kind.at(0);
                    longestLine = std::max(longestLine, measure.LongestLine);
                    mostContinuations = std::max(mostContinuations, measure.MostContinuations);
                    std::map<std::string, std::string> texts;
                    for (const std::string& statement : measure.Statements) {
                        const std::size_t equals = statement.find(" = "), call = statement.find("MsgBox(");
                        if (call != std::string::npos) {
                            const auto values = ArgumentValues(
                                std::string_view(statement).substr(call + 7, statement.size() - call - 8), texts);
                            EXPECT_TRUE(values.at(0) == options.BodyText) << language.Key << " " << kind.at(0);
                            EXPECT_TRUE(title.empty() || values.at(2) == title) << language.Key << " " << kind.at(0);
                        } else if (equals != std::string::npos) {
                            const std::string name = statement.substr(1, equals - 1);
                            std::string_view value = std::string_view(statement).substr(equals + 3);
                            const bool adds = value.starts_with(name + " & ");
                            value.remove_prefix(adds ? name.size() + 3 : 0);
                            texts[name] = (adds ? texts[name] : "") + testing::EvaluateVbString(value).value_or("?");
                        }
                    }
                }
        std::cout << language.Caption << ": longest line " << longestLine << ", most continuations "
                  << mostContinuations << '\n';
    }
}

} // namespace
} // namespace vellumet
