// Checking the choices, and building the copied code and the tried box from them.
#include "BuildCode.h"

#include "BodyExpression.h"
#include "Functions.h"
#include "LineBreaks.h"
#include "MessageBoxStyle.h"

#include <array>
#include <charconv>
#include <limits>

namespace vellumet {
namespace {

constexpr std::string_view StartLine = "'*** Start Vellumet Code ***\r\n";
constexpr std::string_view SelectCaseEnd = "\r\n\tEnd Select\r\n'*** End Vellumet Code ***";

// Appends the help file as an argument of the generated call: a string literal, after the language's expression of
// the program's or document's folder when it follows it.
void AppendHelpFileArgument(const MessageBoxOptions& options, std::string& out)
{
    if (options.UseAppPath)
        out.append(RowOf(options.CodeLanguage).FolderExpression).append(" & ");
    AppendStringLiteral(TrimSpaces(options.HelpFileText), out);
}

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

// Appends the arguments that follow the body: the style, then the title when
// it is not blank, then the help file and topic (with an empty title place
// when there is no title).
void AppendCallArguments(std::string& code, const CheckedOptions& checked)
{
    const MessageBoxOptions& options = checked.Options;
    code.append(", ");
    if (options.CopyAsValue)
        code.append(std::to_string(StyleOf(options)));
    else
        AppendExpressionOf(StyleOf(options), code);
    const bool hasTitle = !TrimSpaces(options.TitleText).empty();
    if (hasTitle) {
        code.append(", ");
        AppendStringLiteral(options.TitleText, code);
    }
    if (options.IncludeHelpButton) {
        code.append(hasTitle ? ", " : ", , ");
        AppendHelpFileArgument(options, code);
        code.append(", ").append(std::to_string(checked.TopicID));
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

std::variant<CheckedOptions, GenerateFailure> CheckOptions(GenerateMode mode, const MessageBoxOptions& options)
{
    if (TrimSpaces(options.BodyText).empty())
        return GenerateFailure::BlankBody;
    // A string literal of the generated code cannot hold a line break; only the body is written as an expression
    // that can. Try refuses these too, so that the box it shows is always one that Copy can write.
    if (HoldsLineBreak(options.TitleText))
        return GenerateFailure::LineBreakInTitle;
    std::string variable = CleanVariableName(options.VariableText);
    // "Dim  As Long" would not compile; Try declares nothing.
    if (mode == GenerateMode::Copy && options.ButtonOption != ButtonChoice::OKOnly && variable.empty())
        return GenerateFailure::MissingVariableName;

    std::int16_t topic = 0;
    if (options.IncludeHelpButton) {
        if (HoldsLineBreak(options.HelpFileText))
            return GenerateFailure::LineBreakInHelpFile;
        const auto converted = ConvertTopicID(options.TopicIDText);
        if (!converted)
            return GenerateFailure::TopicNotConvertible;
        topic = *converted;
    }
    return CheckedOptions{options, std::move(variable), topic};
}

std::string BuildCopyText(const CheckedOptions& checked)
{
    const MessageBoxOptions& options = checked.Options;
    const std::string& variable = checked.VariableName;
    const bool okOnly = options.ButtonOption == ButtonChoice::OKOnly;

    // The fixed text is a few hundred characters, and the body expression is written straight into the code,
    // which grows for it only when line breaks and tabs make it longer than twice the body.
    std::string code;
    code.reserve(512 + 2 * (options.BodyText.size() + options.TitleText.size() + options.HelpFileText.size()) +
                 3 * variable.size());
    code.append(StartLine);
    if (okOnly)
        code.append("\tMsgBox ");
    else
        code.append("\tDim ")
            .append(variable)
            .append(RowOf(options.CodeLanguage).DeclaresTypes ? " As Long\r\n\t" : "\r\n\t")
            .append(variable)
            .append(options.CopyAsValue ? " = MsgBox (" : " = MsgBox(");

    AppendBodyExpression(options.BodyText, code);
    AppendCallArguments(code, checked);

    if (okOnly)
        code.append(Crlf).append(EndBanner);
    else
        AppendSelectCase(options.ButtonOption, variable, code.append(")").append(Crlf));
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
                            const std::function<std::string()>& applicationPath)
{
    const auto checked = CheckOptions(mode, options);
    if (const auto* failure = std::get_if<GenerateFailure>(&checked))
        return *failure;
    if (mode == GenerateMode::Copy)
        return CopyRequest{BuildCopyText(std::get<CheckedOptions>(checked))};
    return BuildTryRequest(std::get<CheckedOptions>(checked), applicationPath);
}

} // namespace vellumet
