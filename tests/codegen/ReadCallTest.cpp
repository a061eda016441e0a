// Reading a call back: every choice round trips through the generated code, and the hand-written forms and refusals.
#include "codegen/ReadCall.h"
#include "codegen/BuildCode.h"
#include "support/CaseTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace vellumet {
namespace {

std::string Describe(const MessageBoxOptions& o)
{
    return "button option " + std::to_string(static_cast<int>(o.ButtonOption)) + ", help " +
           std::to_string(o.IncludeHelpButton) + std::to_string(o.HelpButtonIsDefault) + ", modal " +
           std::to_string(o.SystemModal) + ", icon " + std::to_string(static_cast<int>(o.Icon)) + ", value " +
           std::to_string(o.CopyAsValue) + ", title [" + o.TitleText + "], variable [" + o.VariableText +
           "], help file [" + o.HelpFileText + "] app path " + std::to_string(o.UseAppPath) + ", topic [" +
           o.TopicIDText + "], body [" + o.BodyText + "], language " + std::string(RowOf(o.CodeLanguage).Key);
}

const LanguageRow& RowKeyed(std::string_view key) { return *std::ranges::find(Languages, key, &LanguageRow::Key); }

std::string CodeOf(const MessageBoxOptions& options, const CodePageWidth& codePage = Utf8Width)
{
    const auto checked = CheckOptions(GenerateMode::Copy, options, codePage);
    const auto* failure = std::get_if<GenerateFailure>(&checked);
    EXPECT_FALSE(failure) << FailureMessage(*failure) << "\n" << Describe(options);
    return failure ? std::string() : BuildCopyText(std::get<CheckedOptions>(checked));
}

// The call line of generated code, without its leading tab.
std::string CallLine(const std::string& code)
{
    const std::size_t call = code.find("MsgBox");
    const std::size_t start = code.rfind('\t', call) + 1;
    return code.substr(start, code.find("\r\n", call) - start);
}

std::string Repeated(std::string_view piece, int times)
{
    std::string text;
    for (; times > 0; --times)
        text += piece;
    return text;
}

// The texts the round trip goes through: every kind of line break, tabs, quotes, UTF-8 and control characters, and
// bodies long enough to be continued over lines and built in a variable over statements.
const std::array<std::string, 7> Bodies = {"Hello",
                                           "Line one\r\nLine two\n\rthree\rfour\tfive \"quoted\"",
                                           "\r\n\t\"\"\r\n",
                                           "Grüße \"€\"\r\n\r\n日本 😀" + std::string("\0\a\x7f", 3),
                                           " \t x & \" & vbCrLf y ",
                                           Repeated("Line of the report.\r\n", 40),
                                           Repeated("日本😀Ω\t", 200)};
const std::array<std::string, 4> Titles = {"", "Disk \"error\"", "   ", " Größe\t"};
const std::array<std::string, 3> HelpFiles = {"", " C:\\Help\\Orders.chm ", "\\My \"Help\".chm"};

// Every choice the window can make: the 520 style combinations, in both ways of writing the style,
// with texts of every kind where the window lets them be chosen, in every language, for a code page
// that keeps every character and one that keeps only ASCII. Generated code reads back to the same
// choices, and the choices read generate the same code again.
TEST(ReadCall, RoundTripsEveryChoice)
{
    for (int n = 0; n < 13 * 2 * 2 * 2 * 5 * 2 && !HasFailure(); ++n) {
        const MessageBoxOptions options{.ButtonOption = ButtonChoice(n % 13),
                                        // The window clears "Help button is default" with the Help button.
                                        .HelpButtonIsDefault = (n / 13 % 2) != 0 && (n / 26 % 2) != 0,
                                        .IncludeHelpButton = (n / 26 % 2) != 0,
                                        .SystemModal = (n / 52 % 2) != 0,
                                        .Icon = IconChoice(n / 104 % 5),
                                        .CopyAsValue = (n / 520) != 0,
                                        .TitleText = Titles.at(n % Titles.size()),
                                        .BodyText = Bodies.at(n % Bodies.size()),
                                        .VariableText = n % 2 ? "Q&A" : "Answer",
                                        .HelpFileText = HelpFiles.at(n % HelpFiles.size()),
                                        .UseAppPath = (n % 7) < 3,
                                        .TopicIDText = n % 3 ? " -32768" : "25",
                                        .CodeLanguage = Languages.at(n % Languages.size()).Id};
        const CodePageWidth codePage = n / 5 % 2 ? CodePageWidth(AsciiWidth) : CodePageWidth(Utf8Width);
        SCOPED_TRACE(Describe(options));
        const std::string code = CodeOf(options, codePage);
        const auto read = ReadCall(code, options.CodeLanguage);
        ASSERT_TRUE(std::holds_alternative<MessageBoxOptions>(read)) << std::get<std::string>(read) << "\n" << code;
        const MessageBoxOptions& choices = std::get<MessageBoxOptions>(read);
        EXPECT_EQ(CanonicalChoices(choices), CanonicalChoices(options)) << Describe(CanonicalChoices(choices));

        EXPECT_EQ(CodeOf(choices, codePage), code);
    }
}

// Each case row: name, the source (or @FILE in golden/), the call line generated from the choices read (or "= " and a
// source that reads to the same choices, where the call line depends on the code page), and optionally
// the language the reader is given (Visual Basic 6 without one) and the one it reads (the one given without one).
TEST(ReadCall, ReadsEveryHandWrittenForm)
{
    const auto cases = testing::ReadCaseTable("read-calls.tsv");
    ASSERT_GT(cases.size(), 40u);
    for (const auto& c : cases) {
        const std::string source =
            c.at(1).starts_with('@') ? testing::ReadDataFile("golden/" + c.at(1).substr(1)) : c.at(1);
        const std::string given = c.size() > 3 ? c.at(3) : "vb6";
        const auto read = ReadCall(source, RowKeyed(given).Id);
        if (const auto* reason = std::get_if<std::string>(&read)) {
            ADD_FAILURE() << c.at(0) << ": " << *reason;
            continue;
        }
        EXPECT_EQ(RowOf(std::get<MessageBoxOptions>(read).CodeLanguage).Key, c.size() > 4 ? c.at(4) : given) << c.at(0);
        const std::string code = CodeOf(std::get<MessageBoxOptions>(read));
        if (c.at(2).starts_with("= ")) {
            const auto same = ReadCall(c.at(2).substr(2), RowKeyed(given).Id);
            ASSERT_TRUE(std::holds_alternative<MessageBoxOptions>(same)) << c.at(0);
            EXPECT_EQ(CanonicalChoices(std::get<MessageBoxOptions>(read)),
                      CanonicalChoices(std::get<MessageBoxOptions>(same)))
                << c.at(0);
        } else {
            EXPECT_EQ(CallLine(code), c.at(2)) << c.at(0);
        }
        if (c.at(1).starts_with('@')) {
            EXPECT_EQ(code, source) << c.at(0);
        }
    }
}

// Each case row: name, the source, and the reason it is refused.
TEST(ReadCall, RefusesWhatTheWindowCannotWrite)
{
    const auto cases = testing::ReadCaseTable("read-refusals.tsv");
    ASSERT_GT(cases.size(), 40u);
    for (const auto& c : cases) {
        const auto read = ReadCall(c.at(1), Language::VB6);
        const auto* reason = std::get_if<std::string>(&read);
        EXPECT_EQ(reason ? *reason : "read as " + Describe(std::get<MessageBoxOptions>(read)), c.at(2)) << c.at(0);
    }
}

// The window keeps an assigned variable, though OK only writes none.
TEST(ReadCall, KeepsTheAssignedVariable)
{
    const auto okOnly = ReadCall("Result = MsgBox(\"Done\")", Language::VB6);
    ASSERT_TRUE(std::holds_alternative<MessageBoxOptions>(okOnly));
    EXPECT_EQ(std::get<MessageBoxOptions>(okOnly).VariableText, "Result");
}

} // namespace
} // namespace vellumet
