#include "BuildCode.h"

#include "Functions.h"
#include "MessageBoxStyle.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cctype>

namespace vellumet {
namespace {

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view startBanner = "'*** Start Vellumet Code ***";
constexpr std::string_view endBanner = "'*** End Vellumet Code ***";

// Appends the arguments that follow the body: the style, then the title when
// it is not blank, then the help file and topic (with an empty title place
// when there is no title).
void AppendCallArguments(std::string& code, const MessageBoxOptions& options, std::string_view style,
                         std::int16_t topic)
{
    code.append(", ").append(style);
    const bool hasTitle = !TrimSpaces(options.TitleText).empty();
    if (hasTitle)
        code.append(", \"").append(DoubleQuotes(options.TitleText)).append("\"");
    if (options.IncludeHelpButton) {
        code.append(hasTitle ? ", " : ", , ");
        code.append(HelpFileArgument(options.HelpFileText, options.UseAppPath));
        code.append(", ").append(std::to_string(topic));
    }
}

} // namespace

std::string_view FailureMessage(GenerateFailure failure)
{
    switch (failure) {
    case GenerateFailure::BlankBody:
        return "Please enter a Body Message before\r\nattempting to try or copy Vellumet code.";
    case GenerateFailure::MissingVariableName:
        return "Please enter a Variable Name before\r\nattempting to copy Vellumet code.";
    case GenerateFailure::TopicNotConvertible: return "The Topic ID must be a whole number from -32768 to 32767.";
    case GenerateFailure::ClipboardRefused: return "The code could not be copied to the clipboard.";
    }
    return {};
}

std::optional<std::int16_t> ConvertTopicID(std::string_view text)
{
    std::string_view number = TrimSpaces(text);
    const bool negative = !number.empty() && number.front() == '-';
    if (!number.empty() && (number.front() == '-' || number.front() == '+'))
        number.remove_prefix(1);
    if (number.empty() || !std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;

    const long limit = negative ? 32768 : 32767;
    long magnitude = 0;
    for (char digit : number) {
        magnitude = magnitude * 10 + (digit - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int16_t>(negative ? -magnitude : magnitude);
}

std::string CleanVariableName(std::string_view variable)
{
    std::string cleaned;
    for (char c : variable) {
        if (c == ' ' || c == '"')
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

std::optional<GenerateFailure> CheckOptions(GenerateMode mode, const MessageBoxOptions& options)
{
    if (TrimSpaces(options.BodyText).empty())
        return GenerateFailure::BlankBody;
    // "Dim  As Long" would not compile; Try declares nothing.
    if (mode == GenerateMode::Copy && options.ButtonOption != ButtonChoice::OKOnly &&
        CleanVariableName(options.VariableText).empty())
        return GenerateFailure::MissingVariableName;
    if (options.IncludeHelpButton && !ConvertTopicID(options.TopicIDText))
        return GenerateFailure::TopicNotConvertible;
    return std::nullopt;
}

CopyText BuildCopyText(const MessageBoxOptions& options)
{
    if (const auto failure = CheckOptions(GenerateMode::Copy, options))
        return {{}, failure};
    const ResolvedStyle style = ResolveStyle(options);
    const std::int16_t topic = options.IncludeHelpButton ? *ConvertTopicID(options.TopicIDText) : std::int16_t{0};

    const std::string styleText = options.CopyAsValue ? std::to_string(style.StyleValue) : style.StyleExpression;
    const std::string variable = CleanVariableName(options.VariableText);
    const bool okOnly = options.ButtonOption == ButtonChoice::OKOnly;

    // The body expression is written straight into the code, reserved once: the expression is
    // rarely longer than ten times the body, and the fixed text is a few hundred characters.
    std::string code;
    code.reserve(512 + 10 * options.BodyText.size() + 2 * (options.TitleText.size() + options.HelpFileText.size()) +
                 3 * variable.size());
    code.append(startBanner).append(crlf);
    if (okOnly)
        code.append("\tMsgBox ");
    else
        code.append("\tDim ")
            .append(variable)
            .append(" As Long")
            .append(crlf)
            .append("\t")
            .append(variable)
            .append(options.CopyAsValue ? " = MsgBox (" : " = MsgBox(");

    QuoteBody(ConvertLineBreaks(DoubleQuotes(options.BodyText)), code);
    AppendCallArguments(code, options, styleText, topic);

    if (okOnly)
        code.append(crlf).append(endBanner);
    else
        code.append(")").append(crlf).append(BuildSelectCase(options.ButtonOption, variable));
    return {std::move(code), std::nullopt};
}

std::optional<GenerateFailure> GenerateCode(GenerateMode mode, const MessageBoxOptions& options, Platform& platform)
{
    if (mode == GenerateMode::Copy) {
        const CopyText copy = BuildCopyText(options);
        if (copy.Failure)
            return copy.Failure;
        platform.ClearClipboard();
        if (!platform.SetClipboardText(copy.Code))
            return GenerateFailure::ClipboardRefused;
        return std::nullopt;
    }

    if (const auto failure = CheckOptions(mode, options))
        return failure;
    MessageBoxRequest request{options.BodyText, ResolveStyle(options).StyleValue, options.TitleText, std::nullopt};
    if (options.IncludeHelpButton) {
        // The typed path follows the application path directly, as the generated App.Path & "..." does.
        const std::string appPath = options.UseAppPath ? platform.ApplicationPath() : std::string();
        request.Help = HelpReference{appPath + std::string(TrimSpaces(options.HelpFileText)),
                                     *ConvertTopicID(options.TopicIDText)};
    }
    platform.ShowMessageBox(request);
    return std::nullopt;
}

} // namespace vellumet
