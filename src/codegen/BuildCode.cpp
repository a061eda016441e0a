// Checking the choices, and building the copied code and the tried box from them.
#include "BuildCode.h"

#include "BodyExpression.h"
#include "Functions.h"
#include "LineBreaks.h"
#include "MessageBoxStyle.h"
#include "StatementLayout.h"
#include "VariableName.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <vector>

namespace vellumet {
namespace {

constexpr std::string_view StartLine = "'*** Start Vellumet Code ***\r\n";
constexpr std::string_view SelectCaseEnd = "\r\n\tEnd Select\r\n'*** End Vellumet Code ***";

// The two lines of a Select Case branch for each answer, each line after a line break, indexed by the answer.
const std::array<std::string, 8>& CaseBranches()
{
    static const std::array<std::string, 8> branches = [] {
        std::array<std::string, 8> texts;
        for (const VbConstant& answer : AnswerConstants())
            texts.at(static_cast<std::size_t>(answer.Value))
                .append(Crlf)
                .append("\t\tCase ")
                .append(std::to_string(answer.Value))
                .append("  'User has clicked ")
                .append(AnswerCaption(Answer(answer.Value)))
                .append(Crlf)
                .append("\t\t\t'*** Your Code Here ***");
        return texts;
    }();
    return branches;
}

// Appends the Select Case block over the answers of the chosen set, ending with the closing banner.
void AppendSelectCase(ButtonChoice buttonOption, std::string_view variable, std::string& code)
{
    code.append("\tSelect Case ").append(variable);
    for (Answer answer : ButtonSetOf(buttonOption).Buttons)
        code.append(CaseBranches().at(static_cast<std::size_t>(answer)));
    code.append(SelectCaseEnd);
}

// An argument of the generated call as its expression, what follows it in the call, and the String variable that
// holds it when the call cannot.
struct CallArgument {
    Expression Value;
    std::string_view Joiner;
    std::string_view Variable; // empty for the style and the topic, which are short
};

// The arguments of the call: the body, the style, then the title when it is not blank, then the help file and topic
// (with an empty title place when there is no title).
std::vector<CallArgument> CallArguments(const CheckedOptions& checked)
{
    const MessageBoxOptions& options = checked.Options;
    const CodePageWidth& codePage = checked.CodePage;
    std::vector<CallArgument> arguments;
    arguments.reserve(5);
    arguments.push_back({Expression(options.BodyText, TextKind::Body, codePage), ", ", "Prompt"});
    std::string style;
    if (options.CopyAsValue)
        style = std::to_string(StyleOf(options));
    else
        AppendExpressionOf(StyleOf(options), style);
    arguments.push_back({Expression::Fixed(std::move(style)), ", ", {}});
    if (!TrimSpaces(options.TitleText).empty())
        arguments.push_back({Expression(options.TitleText, TextKind::OneLine, codePage), ", ", "Title"});
    else if (options.IncludeHelpButton)
        arguments.back().Joiner = ", , ";
    if (options.IncludeHelpButton) {
        Expression help(TrimSpaces(options.HelpFileText), TextKind::OneLine, codePage);
        if (options.UseAppPath)
            help.Lead(std::string(RowOf(options.CodeLanguage).FolderExpression));
        arguments.push_back({std::move(help), ", ", "HelpFile"});
        arguments.push_back({Expression::Fixed(std::to_string(checked.TopicID)), ", ", {}});
    }
    return arguments;
}

// The name of an argument's variable: its own, unless the answer's variable has it already.
std::string VariableFor(const CallArgument& argument, std::string_view answerVariable)
{
    std::string name(argument.Variable);
    return EqualIgnoringCase(name, answerVariable) ? name + "Text" : name;
}

// Appends the statements that build an argument's text in a String variable: its Dim, and as many assignments as
// the language's limits need, each adding to what the one before built.
void AppendVariable(const CallArgument& argument, const std::string& name, const CheckedOptions& checked,
                    std::string& code)
{
    const LanguageRow& language = RowOf(checked.Options.CodeLanguage);
    code.append("\tDim ").append(name).append(language.DeclaresTypes ? " As String" : "").append(Crlf);
    std::optional<StatementLayout> statement;
    const auto start = [&](const std::string& assignment) {
        statement.emplace(language, checked.CodePage, code);
        statement->Add({{assignment, WidthIn(assignment, checked.CodePage), false, false}, ""});
    };
    start("\t" + name + " = ");
    argument.Value.ForEachTerm([&](const ExpressionTerm& term, bool lastTerm) {
        ForEachPiece(term, language.MaxLineLength / 2, checked.CodePage, [&](const ExpressionTerm& piece, bool last) {
            const StatementPart part{piece, lastTerm && last ? "" : " & "};
            if (statement->Add(part))
                return;
            statement->DropJoiner(" & ");
            statement.reset();
            code.append(Crlf);
            start("\t" + name + " = " + name + " & ");
            // A statement of its own always has room for a term.
            statement->Add(part);
        });
        return true;
    });
    statement.reset();
    code.append(Crlf);
}

// Hands take(term, joiner) each term of the arguments in turn with what follows it: " & " within an argument, the
// argument's joiner after it, and `end` after the last.
template <class Take>
void ForEachCallPart(const std::vector<CallArgument>& arguments, std::string_view end, Take&& take)
{
    for (std::size_t a = 0; a < arguments.size(); ++a) {
        const std::string_view after = a + 1 < arguments.size() ? arguments[a].Joiner : end;
        arguments[a].Value.ForEachTerm([&](const ExpressionTerm& term, bool last) {
            take(term, last ? after : " & ");
            return true;
        });
    }
}

// Appends the call statement with the arguments as they are, laid out within the language's limits; false, with
// nothing appended, when it does not fit in one statement.
bool AppendCallStatement(const std::string& start, const std::vector<CallArgument>& arguments, std::string_view end,
                         const CheckedOptions& checked, std::string& code)
{
    const LanguageRow& language = RowOf(checked.Options.CodeLanguage);
    const std::size_t statementStart = code.size();
    const ExpressionTerm startTerm{start, WidthIn(start, checked.CodePage), false, false};
    bool fits = true;
    std::size_t width = startTerm.Width;
    std::size_t continuations = 0;
    {
        StatementLayout statement(language, checked.CodePage, code);
        fits = statement.Add({startTerm, ""});
        ForEachCallPart(arguments, end, [&](const ExpressionTerm& term, std::string_view joiner) {
            width += term.Width + joiner.size();
            fits = fits && statement.Add({term, joiner});
        });
        continuations = statement.Continuations();
    }
    // A call that fits on one line stays there, though the layout keeps room on each line for a continuation.
    const bool oneLine = width <= language.MaxLineLength;
    if (fits && (continuations == 0 || !oneLine))
        return true;
    code.resize(statementStart);
    if (!oneLine)
        return false;
    StringAppender line(code);
    line.append(start);
    ForEachCallPart(arguments, end, [&](const ExpressionTerm& term, std::string_view joiner) {
        AppendTerm(line, term);
        line.append(joiner);
    });
    return true;
}

// Appends the call and the String variables it needs: the longest text goes into a variable, then the next longest,
// until the call fits in one statement.
void AppendCall(const CheckedOptions& checked, const std::string& start, std::string_view end, std::string& code)
{
    std::vector<CallArgument> arguments = CallArguments(checked);
    while (!AppendCallStatement(start, arguments, end, checked, code)) {
        // Each text alone in a variable leaves the call a few short words, which always fit. A width is a walk over
        // the text, so each is measured once.
        std::vector<std::size_t> widths;
        for (const CallArgument& a : arguments)
            widths.push_back(a.Variable.empty() ? 0 : a.Value.Width() + 1);
        CallArgument& argument =
            arguments.at(static_cast<std::size_t>(std::ranges::max_element(widths) - widths.begin()));
        const std::string name = VariableFor(argument, checked.VariableName);
        AppendVariable(argument, name, checked, code);
        argument.Value = Expression::Fixed(name);
        argument.Variable = {};
    }
}

} // namespace

std::string FailureMessage(GenerateFailure failure)
{
    const auto pleaseEnter = [](std::string_view field, std::string_view commands) {
        return "Please enter a " + std::string(field) + " before\r\nattempting to " + std::string(commands) +
               " Vellumet code.";
    };
    const auto onOneLine = [](std::string_view field) {
        return "The " + std::string(field) + " must be on one line;\r\nonly the Body Message may hold line breaks.";
    };
    switch (failure) {
    case GenerateFailure::BlankBody: return pleaseEnter("Body Message", "try or copy");
    case GenerateFailure::LineBreakInTitle: return onOneLine("Title");
    case GenerateFailure::MissingVariableName: return pleaseEnter("Variable Name", "copy");
    case GenerateFailure::LineBreakInHelpFile: return onOneLine("Help File");
    case GenerateFailure::TopicNotConvertible: return "The Topic ID must be " + TopicIDRange() + ".";
    case GenerateFailure::ClipboardRefused: return "The code could not be copied to the clipboard.";
    case GenerateFailure::TextNotUtf8: return "The texts must be UTF-8.";
    case GenerateFailure::VariableNameNotStartingWithLetter: return "The Variable Name must start with a letter.";
    case GenerateFailure::VariableNameCharacter:
        return "The Variable Name may hold only letters, digits and _;\r\nsigns such as % ! # @ $ ^ are not allowed.";
    case GenerateFailure::VariableNameTooLong: return "The Variable Name must be at most 255 characters long.";
    case GenerateFailure::VariableNameOutsideCodePage:
        return "The Variable Name holds a letter that the code page\r\nof the code does not have.";
    case GenerateFailure::VariableNameReserved:
        return "The Variable Name is a word the language reserves\r\nor a name the code itself uses.";
    }
    return {};
}

std::string TopicIDRange()
{
    using Limits = std::numeric_limits<std::int16_t>;
    return "a whole number from " + std::to_string(Limits::min()) + " to " + std::to_string(Limits::max());
}

std::optional<std::int16_t> ConvertTopicID(std::string_view text)
{
    std::string_view number = TrimSpaces(text);
    // from_chars reads a minus sign but not a plus sign, which a typed number may carry; a sign after it
    // would then be a second sign.
    if (number.starts_with('+')) {
        number.remove_prefix(1);
        if (number.starts_with('-'))
            return std::nullopt;
    }
    std::int16_t topic = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, topic);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return topic;
}

std::string CleanVariableName(std::string_view variable)
{
    std::string cleaned;
    for (char c : variable) {
        // A line break would end the Dim statement in the middle of the name.
        if (c == ' ' || c == '"' || c == '\r' || c == '\n')
            continue;
        if (c == '&')
            cleaned += "and";
        else
            cleaned += c;
    }
    return cleaned;
}

std::variant<CheckedOptions, GenerateFailure> CheckOptions(GenerateMode mode, const MessageBoxOptions& options,
                                                           const CodePageWidth& codePage)
{
    if (TrimSpaces(options.BodyText).empty())
        return GenerateFailure::BlankBody;
    for (const std::string* text :
         {&options.BodyText, &options.TitleText, &options.VariableText, &options.HelpFileText, &options.TopicIDText})
        if (FirstInvalidUtf8(*text))
            return GenerateFailure::TextNotUtf8;
    // A string literal of the generated code cannot hold a line break; only the body is written as an expression
    // that can. Try refuses these too, so that the box it shows is always one that Copy can write.
    if (HoldsLineBreak(options.TitleText))
        return GenerateFailure::LineBreakInTitle;
    std::string variable = CleanVariableName(options.VariableText);
    // "Dim  As Long" would not compile; Try declares nothing.
    if (mode == GenerateMode::Copy && options.ButtonOption != ButtonChoice::OKOnly) {
        if (variable.empty())
            return GenerateFailure::MissingVariableName;
        if (const auto fault = VariableNameFault(variable, options.CodeLanguage, codePage))
            return *fault;
    }

    std::int16_t topic = 0;
    if (options.IncludeHelpButton) {
        if (HoldsLineBreak(options.HelpFileText))
            return GenerateFailure::LineBreakInHelpFile;
        const auto converted = ConvertTopicID(options.TopicIDText);
        if (!converted)
            return GenerateFailure::TopicNotConvertible;
        topic = *converted;
    }
    return CheckedOptions{options, std::move(variable), topic, codePage};
}

std::string BuildCopyText(const CheckedOptions& checked)
{
    const MessageBoxOptions& options = checked.Options;
    const std::string& variable = checked.VariableName;
    const bool okOnly = options.ButtonOption == ButtonChoice::OKOnly;

    // Texts of line breaks alone take under five times their bytes in code, and most texts much less; the string grows
    // for the few that take more.
    std::string code;
    code.reserve(5 * (options.BodyText.size() + options.TitleText.size() + options.HelpFileText.size()) + 1024);
    code.append(StartLine);
    if (okOnly) {
        AppendCall(checked, "\tMsgBox ", "", code);
        return code.append(Crlf).append(EndBanner);
    }
    code.append("\tDim ")
        .append(variable)
        .append(RowOf(options.CodeLanguage).DeclaresTypes ? " As Long" : "")
        .append(Crlf);
    AppendCall(checked, "\t" + variable + (options.CopyAsValue ? " = MsgBox (" : " = MsgBox("), ")", code);
    AppendSelectCase(options.ButtonOption, variable, code.append(Crlf));
    return code;
}

MessageBoxRequest BuildTryRequest(const CheckedOptions& checked, const std::function<std::string()>& applicationPath)
{
    const MessageBoxOptions& options = checked.Options;
    MessageBoxRequest request{options.BodyText, StyleOf(options), options.TitleText, std::nullopt};
    if (options.IncludeHelpButton) {
        // The typed path follows the application path directly, as the generated App.Path & "..." does.
        std::string file = options.UseAppPath ? applicationPath() : std::string();
        request.Help = HelpReference{file.append(TrimSpaces(options.HelpFileText)), checked.TopicID};
    }
    return request;
}

GenerateResult GenerateCode(GenerateMode mode, const MessageBoxOptions& options,
                            const std::function<std::string()>& applicationPath, const CodePageWidth& codePage)
{
    const auto checked = CheckOptions(mode, options, codePage);
    if (const auto* failure = std::get_if<GenerateFailure>(&checked))
        return *failure;
    if (mode == GenerateMode::Copy)
        return CopyRequest{BuildCopyText(std::get<CheckedOptions>(checked))};
    return BuildTryRequest(std::get<CheckedOptions>(checked), applicationPath);
}

} // namespace vellumet
