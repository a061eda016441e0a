#include "BuildCode.h"

#include "Functions.h"
#include "MessageBoxStyle.h"

#include <charconv>

namespace vellumet {
namespace {

constexpr std::string_view StartBanner = "'*** Start Vellumet Code ***";

// A string literal of the generated code cannot hold a line break; only the
// body is written as an expression that can.
bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Appends the arguments that follow the body: the style, then the title when
// it is not blank, then the help file and topic (with an empty title place
// when there is no title).
void AppendCallArguments(std::string& code, const CheckedOptions& checked, std::string_view style)
{
    const MessageBoxOptions& options = checked.Options;
    code.append(", ").append(style);
    const bool hasTitle = !TrimSpaces(options.TitleText).empty();
    if (hasTitle)
        code.append(", \"").append(DoubleQuotes(options.TitleText)).append("\"");
    if (options.IncludeHelpButton) {
        code.append(hasTitle ? ", " : ", , ");
        code.append(HelpFileArgument(options.HelpFileText, options.UseAppPath));
        code.append(", ").append(std::to_string(checked.TopicID));
    }
}

} // namespace

std::string_view FailureMessage(GenerateFailure failure)
{
    switch (failure) {
    case GenerateFailure::BlankBody:
        return "Please enter a Body Message before\r\nattempting to try or copy Vellumet code.";
    case GenerateFailure::LineBreakInTitle:
        return "The Title must be on one line;\r\nonly the Body Message may hold line breaks.";
    case GenerateFailure::MissingVariableName:
        return "Please enter a Variable Name before\r\nattempting to copy Vellumet code.";
    case GenerateFailure::LineBreakInHelpFile:
        return "The Help File must be on one line;\r\nonly the Body Message may hold line breaks.";
    case GenerateFailure::TopicNotConvertible: return "The Topic ID must be a whole number from -32768 to 32767.";
    case GenerateFailure::ClipboardRefused: return "The code could not be copied to the clipboard.";
    }
    return {};
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

std::string HelpFileArgument(std::string_view helpFileText, bool useAppPath)
{
    std::string literal = InQuotes(DoubleQuotes(TrimSpaces(helpFileText)));
    return useAppPath ? "App.Path & " + literal : literal;
}

std::string BuildSelectCase(ButtonChoice buttonOption, std::string_view variable)
{
    if (buttonOption == ButtonChoice::OKOnly)
        return {};

    std::string block = "\tSelect Case ";
    block.append(variable);
    for (Answer answer : ButtonSetOf(buttonOption).Buttons)
        block.append(Crlf)
            .append("\t\tCase ")
            .append(std::to_string(static_cast<int>(answer)))
            .append("  'User has clicked ")
            .append(AnswerCaption(answer))
            .append(Crlf)
            .append("\t\t\t'*** Your Code Here ***");
    return block.append(Crlf).append("\tEnd Select").append(Crlf).append(EndBanner);
}

std::variant<CheckedOptions, GenerateFailure> CheckOptions(GenerateMode mode, const MessageBoxOptions& options)
{
    if (TrimSpaces(options.BodyText).empty())
        return GenerateFailure::BlankBody;
    // Try refuses these too, so that the box it shows is always one that Copy can write.
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
    const ResolvedStyle style = ResolveStyle(options);
    const std::string styleText = options.CopyAsValue ? std::to_string(style.StyleValue) : style.StyleExpression;
    const bool okOnly = options.ButtonOption == ButtonChoice::OKOnly;

    // The body expression is written straight into the code, reserved once: the expression is
    // rarely longer than ten times the body, and the fixed text is a few hundred characters.
    std::string code;
    code.reserve(512 + 10 * options.BodyText.size() + 2 * (options.TitleText.size() + options.HelpFileText.size()) +
                 3 * variable.size());
    code.append(StartBanner).append(Crlf);
    if (okOnly)
        code.append("\tMsgBox ");
    else
        code.append("\tDim ")
            .append(variable)
            .append(" As Long")
            .append(Crlf)
            .append("\t")
            .append(variable)
            .append(options.CopyAsValue ? " = MsgBox (" : " = MsgBox(");

    QuoteBody(DoubleQuotes(options.BodyText), code);
    AppendCallArguments(code, checked, styleText);

    if (okOnly)
        code.append(Crlf).append(EndBanner);
    else
        code.append(")").append(Crlf).append(BuildSelectCase(options.ButtonOption, variable));
    return code;
}

MessageBoxRequest BuildTryRequest(const CheckedOptions& checked, const std::function<std::string()>& applicationPath)
{
    const MessageBoxOptions& options = checked.Options;
    MessageBoxRequest request{options.BodyText, ResolveStyle(options).StyleValue, options.TitleText, std::nullopt};
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
