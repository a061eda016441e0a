// The checks of Try It and Copy Code, and the box Try It shows. The copied text is checked through vellumet-gen's
// tables, which run the same code.
#include "codegen/BuildCode.h"
#include "platform/CodePage.h"
#include "support/CaseTable.h"
#include "support/CodeMeasure.h"
#include "support/VbStringEvaluator.h"

#include <gtest/gtest.h>

namespace vellumet {
namespace {

const CodePageWidth Western = *CodePageWidthOf(1252);

// What Try or Copy did, as try-and-copy.tsv writes it.
std::string Outcome(const GenerateResult& result)
{
    if (const auto* failure = std::get_if<GenerateFailure>(&result)) {
        const std::string message = FailureMessage(*failure);
        return message.substr(0, message.find('\r'));
    }
    const auto* box = std::get_if<MessageBoxRequest>(&result);
    if (!box)
        return "copied";
    const std::string style = "box " + std::to_string(box->Style);
    return box->Help ? style + " " + box->Help->File + " " + std::to_string(box->Help->Context) : style;
}

// Try refuses what Copy refuses, but for the variable name it does not write, so that the box it shows is always
// one that Copy can write; the box shows the texts as typed. The help file and topic are read only with the Help
// button, and the help path follows the application path directly. Only then is the application path asked for: not
// by a refusal, which comes before any output, nor by Copy, whose code names App.Path itself.
TEST(GenerateCode, TryRefusesWhatCopyRefusesAndShowsTheBoxAsTyped)
{
    const auto cases = testing::ReadCaseTable("try-and-copy.tsv");
    ASSERT_GT(cases.size(), 8u);
    for (const auto& c : cases) {
        const MessageBoxOptions options{.ButtonOption = ButtonChoice(std::stoi(c.at(1))),
                                        .IncludeHelpButton = c.at(2) == "1",
                                        .Icon = IconChoice::Information,
                                        .TitleText = c.at(3),
                                        .BodyText = c.at(4),
                                        .VariableText = c.at(5),
                                        .HelpFileText = c.at(6),
                                        .UseAppPath = c.at(7) == "1",
                                        .TopicIDText = c.at(8)};
        for (const auto& [mode, expected] : {std::pair{GenerateMode::Copy, c.at(9)}, {GenerateMode::Try, c.at(10)}}) {
            SCOPED_TRACE(c.at(0) + (mode == GenerateMode::Copy ? ", copied" : ", tried"));
            // The application path as the platform gives it, counting how often it was asked for.
            int asked = 0;
            const auto applicationPath = [&asked] {
                ++asked;
                return std::string(R"(C:\Apps\Orders)");
            };
            const GenerateResult result = GenerateCode(mode, options, applicationPath, Western);
            EXPECT_EQ(Outcome(result), expected);
            const auto* box = std::get_if<MessageBoxRequest>(&result);
            if (box) {
                EXPECT_EQ(std::pair(box->Prompt, box->Title), std::pair(options.BodyText, options.TitleText));
            }
            EXPECT_EQ(asked, box && box->Help && options.UseAppPath ? 1 : 0);
        }
    }
}

// The value of each argument of a call, where a String variable built before it stands for its text.
std::vector<std::string> ArgumentValues(std::string_view arguments, const testing::VbVariables& texts)
{
    std::vector<std::string> values;
    bool inLiteral = false;
    for (std::size_t at = 0, start = 0; at <= arguments.size(); ++at) {
        inLiteral = at < arguments.size() && arguments[at] == '"' ? !inLiteral : inLiteral;
        if (at == arguments.size() || (!inLiteral && arguments.substr(at, 2) == ", ")) {
            values.push_back(testing::EvaluateVbString(arguments.substr(start, at - start), texts).value_or("?"));
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
    for (const LanguageRow& language : Languages)
        for (const CodePageWidth& width : {*CodePageWidthOf(1252), *CodePageWidthOf(932)})
            for (const auto& kind : kinds)
                for (const std::string& title :
                     {std::string(), std::string("Orders"), text({"a", "\"", "\t", "日", "Ω", "😀", "\x02", " "})}) {
                    const MessageBoxOptions options{.ButtonOption = ButtonChoice::YesNo2,
                                                    .IncludeHelpButton = true,
                                                    .Icon = IconChoice::Information,
                                                    .TitleText = title,
                                                    .BodyText = text(kind),
                                                    .HelpFileText = R"( \Orders.chm )",
                                                    .UseAppPath = true,
                                                    .TopicIDText = "25",
                                                    .CodeLanguage = language.Id};
                    const auto checked = CheckOptions(GenerateMode::Copy, options, width);
                    const auto measure = testing::Measure(BuildCopyText(std::get<CheckedOptions>(checked)), width);
                    EXPECT_TRUE(measure.Within(language)) << language.Key << " " << kind.at(0);
                    testing::VbVariables texts;
                    for (const std::string& statement : measure.Statements) {
                        const std::size_t equals = statement.find(" = "), call = statement.find("MsgBox(");
                        if (call != std::string::npos) {
                            const auto values = ArgumentValues(
                                std::string_view(statement).substr(call + 7, statement.size() - call - 8), texts);
                            EXPECT_TRUE(values.at(0) == options.BodyText) << language.Key << " " << kind.at(0);
                            EXPECT_TRUE(title.empty() || values.at(2) == title) << language.Key << " " << kind.at(0);
                        } else if (equals != std::string::npos) {
                            texts[statement.substr(1, equals - 1)] =
                                testing::EvaluateVbString(std::string_view(statement).substr(equals + 3), texts)
                                    .value_or("?");
                        }
                    }
                }
}

} // namespace
} // namespace vellumet
