// Reading a MsgBox call in Visual Basic source back into the window's choices.
#include "ReadCall.h"

#include "BuildCode.h"
#include "Functions.h"
#include "LineBreaks.h"
#include "MessageBoxStyle.h"
#include "StyleDecode.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace vellumet {
namespace {

// Thrown from deep inside the reader and caught once at its top, where it
// becomes the reason ReadCall returns.
struct Refusal {
    std::string Reason;
};

[[noreturn]] void Refuse(std::string reason) { throw Refusal{std::move(reason)}; }

// The text of tokens as written, one space between each two.
std::string SourceOf(Tokens tokens)
{
    std::string text;
    for (const Token& token : tokens)
        text.append(text.empty() ? "" : " ").append(token.Text);
    return text;
}

// The character Chr(code) names in text that is read back, where the code is written as a decimal number: one the
// generator writes as a text constant (a line break or the tab), or the double quote.
std::optional<char> ChrCharacter(std::string_view code)
{
    for (const VbConstant& constant : TextConstants())
        if (constant.Text.size() == 1 && code == std::to_string(static_cast<int>(constant.Text[0])))
            return constant.Text[0];
    if (code == std::to_string(static_cast<int>('"')))
        return '"';
    return std::nullopt;
}

// Reads a string expression written out in the code: literals, constants,
// Chr(n) and parentheses, joined by "&" or "+".
class TextReader {
public:
    TextReader(Tokens tokens, std::string_view part)
        : tokens(tokens)
        , part(part)
    {}

    std::string Read()
    {
        std::string text = ReadExpression();
        if (at < tokens.size())
            RefusePart(": expected \"&\" before " + InQuotes(tokens[at].Text));
        return text;
    }

private:
    static constexpr int MaximumDepth = 64;

    Tokens tokens;
    std::string_view part;
    std::size_t at = 0;
    int depth = 0;

    [[noreturn]] void RefusePart(const std::string& why) const { Refuse(std::string(part) + why); }

    bool AtSymbol(std::string_view symbol) const { return at < tokens.size() && IsSymbol(tokens[at], symbol); }

    std::string ReadExpression()
    {
        std::string text = ReadTerm();
        while (AtSymbol("&") || AtSymbol("+")) {
            ++at;
            text += ReadTerm();
        }
        return text;
    }

    std::string ReadTerm()
    {
        if (at == tokens.size())
            RefusePart(at == 0 ? " is empty" : " ends with " + InQuotes(tokens[at - 1].Text) + " and nothing after it");
        const Token& token = tokens[at++];
        if (token.Kind == TokenKind::String)
            return token.Value;
        if (IsSymbol(token, "(")) {
            // Each parenthesis is a level of recursion; a deep pile of them must not run off the stack.
            if (++depth > MaximumDepth)
                RefusePart(": its parentheses nest more than " + std::to_string(MaximumDepth) + " deep");
            std::string text = ReadExpression();
            Expect(")");
            --depth;
            return text;
        }
        if (token.Kind == TokenKind::Word) {
            if (const VbConstant* constant = FindConstant(ConstantGroup::Text, token.Text))
                return std::string(constant->Text);
            if (IsWord(token, "Chr") || IsWord(token, "Chr$"))
                return ReadChr();
            RefusePart(" uses " + std::string(token.Text) +
                       ", a variable or function whose value is known only when the program runs");
        }
        RefusePart(": " + ExpectedAt("a string, a line-break constant or Chr", token.Text));
    }

    std::string ReadChr()
    {
        Expect("(");
        const std::size_t start = at;
        while (at < tokens.size() && !IsSymbol(tokens[at], ")"))
            ++at;
        const std::string code = SourceOf(tokens.subspan(start, at - start));
        Expect(")");
        if (const auto character = ChrCharacter(code))
            return std::string(1, *character);
        RefusePart(": Chr(" + code + ") is not a line break, a tab or a quote");
    }

    void Expect(std::string_view symbol)
    {
        if (!AtSymbol(symbol))
            RefusePart(": " + (at < tokens.size() ? ExpectedAt(InQuotes(symbol), tokens[at].Text)
                                                  : "expected " + InQuotes(symbol) + " at its end"));
        ++at;
    }
};

// Sets the choices a style makes, refusing what the window cannot choose.
void ApplyStyle(int style, MessageBoxOptions& options)
{
    for (const VbConstant& constant : StyleConstants()) {
        const bool windowHasNoSuchChoice = constant.Kind == StyleKind::Foreground ||
                                           constant.Kind == StyleKind::RightAligned ||
                                           constant.Kind == StyleKind::RightToLeft;
        if (windowHasNoSuchChoice && (style & constant.Value) != 0)
            Refuse("the style has " + std::string(constant.Name) + ", which the window cannot choose");
    }
    const int setValue = style & StyleMask(StyleKind::Buttons);
    const int position = (style & StyleMask(StyleKind::DefaultButton)) / style_flag::DefaultButtonStep + 1;
    const bool help = (style & style_flag::HelpButton) != 0;
    const ButtonChoice first = *ButtonChoiceFor(setValue, 1);
    const std::size_t setSize = ButtonSetOf(first).Buttons.size();

    if (const auto choice = ButtonChoiceFor(setValue, position)) {
        options.ButtonOption = *choice;
    } else if (help && position == static_cast<int>(setSize) + 1) {
        options.ButtonOption = first;
        options.HelpButtonIsDefault = true;
    } else {
        Refuse("the style makes button " + std::to_string(position) + " the default, but " + ExpressionOf(setValue) +
               " has " + Counted(setSize, "button") + (help ? " and Help" : " and no Help button"));
    }
    options.IncludeHelpButton = help;
    options.SystemModal = (style & style_flag::SystemModal) != 0;
    options.Icon = LayoutOfStyle(style).Icon;
}

// How a token changes the depth of parentheses.
int DepthStep(const Token& token) { return IsSymbol(token, "(") ? 1 : IsSymbol(token, ")") ? -1 : 0; }

// The index of the parenthesis that closes the one at `open`, if there is one.
std::size_t ClosingParenthesis(Tokens tokens, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < tokens.size(); ++i) {
        depth += DepthStep(tokens[i]);
        if (depth == 0)
            return i;
    }
    return tokens.size();
}

std::vector<Tokens> SplitArguments(Tokens tokens)
{
    std::vector<Tokens> arguments;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (IsSymbol(tokens[i], ":="))
            Refuse("named arguments such as Prompt:= are not read; write each argument in its place");
        depth += DepthStep(tokens[i]);
        if (depth < 0)
            Refuse("a parenthesis of the call closes that was never opened");
        if (depth == 0 && IsSymbol(tokens[i], ",")) {
            arguments.push_back(tokens.subspan(start, i - start));
            start = i + 1;
        }
    }
    if (depth != 0)
        Refuse("a parenthesis of the call is not closed");
    arguments.push_back(tokens.subspan(start));
    if (arguments.size() > 5)
        Refuse("MsgBox takes at most five arguments, and this call has " + std::to_string(arguments.size()));
    return arguments;
}

void RefuseLineBreak(std::string_view text, std::string_view part)
{
    if (HoldsLineBreak(text))
        Refuse(std::string(part) + " holds a line break, which the window keeps to the body");
}

std::string ReadHelpFile(Tokens tokens, MessageBoxOptions& options)
{
    const bool appPath = tokens.size() > 4 && IsWord(tokens[0], "App") && IsSymbol(tokens[1], ".") &&
                         IsWord(tokens[2], "Path") && IsSymbol(tokens[3], "&");
    options.UseAppPath = appPath;
    constexpr std::string_view Part = "the help file";
    std::string file = TextReader(tokens.subspan(appPath ? 4 : 0), Part).Read();
    RefuseLineBreak(file, Part);
    return file;
}

MessageBoxOptions ReadStatement(Tokens statement)
{
    MessageBoxOptions options;
    std::size_t at = 0;
    bool assigned = false;
    if (IsWord(statement[0], "Call")) {
        at = 1;
    } else if (statement.size() > 2 && statement[0].Kind == TokenKind::Word && IsSymbol(statement[1], "=")) {
        options.VariableText = statement[0].Text;
        at = 2;
        assigned = true;
    }
    if (at >= statement.size() || !IsWord(statement[at], "MsgBox"))
        Refuse("the MsgBox call stands inside a larger statement; only a call on its own or "
               "\"Variable = MsgBox(...)\" can be read");

    Tokens argumentTokens = statement.subspan(at + 1);
    if (!argumentTokens.empty() && IsSymbol(argumentTokens[0], "(") &&
        ClosingParenthesis(argumentTokens, 0) == argumentTokens.size() - 1)
        argumentTokens = argumentTokens.subspan(1, argumentTokens.size() - 2);
    else if (assigned)
        Refuse("the MsgBox call of an assignment needs its arguments in parentheses, with nothing after them");

    const std::vector<Tokens> arguments = SplitArguments(argumentTokens);
    const auto argument = [&](std::size_t index) { return index < arguments.size() ? arguments[index] : Tokens{}; };

    if (argument(0).empty())
        Refuse("the call has no body");
    options.BodyText = TextReader(argument(0), "the body").Read();
    if (TrimSpaces(options.BodyText).empty())
        Refuse("the body is blank, and the window writes no call without one");

    if (!argument(1).empty()) {
        const auto style = EvaluateStyleTokens(argument(1), SourceSpan(argument(1)));
        if (const auto* fault = std::get_if<std::string>(&style))
            Refuse("the style: " + *fault);
        ApplyStyle(std::get<EvaluatedStyle>(style).Value, options);
        options.CopyAsValue = std::get<EvaluatedStyle>(style).PlainNumber;
    }

    if (!argument(2).empty()) {
        options.TitleText = TextReader(argument(2), "the title").Read();
        RefuseLineBreak(options.TitleText, "the title");
    }

    const bool hasFile = !argument(3).empty(), hasContext = !argument(4).empty();
    if (hasFile != hasContext)
        Refuse(hasFile ? "the call has a help file but no help context"
                       : "the call has a help context but no help file");
    if (hasFile) {
        // The help file and the context as written are details of the Help button, which need one.
        MessageBoxOptions written = options;
        written.HelpFileText = SourceSpan(argument(3));
        written.TopicIDText = SourceSpan(argument(4));
        if (HelpDetailsLackHelpButton(written))
            Refuse("the call has a help file, but its style has no Help button, and the window writes the help "
                   "file only with one");
        options.HelpFileText = ReadHelpFile(argument(3), options);
        std::string context;
        for (const Token& token : argument(4))
            context += token.Text;
        if (!ConvertTopicID(context))
            Refuse("the help context, " + context + ", is not " + TopicIDRange());
        options.TopicIDText = context;
    }
    return options;
}

} // namespace

std::variant<MessageBoxOptions, std::string> ReadCall(std::string_view source)
{
    try {
        const std::vector<Statement> statements = Lex(source);
        const Statement* call = nullptr;
        std::vector<int> callLines;
        for (const Statement& statement : statements)
            for (const Token& token : statement)
                if (token.Kind == TokenKind::UnclosedString)
                    Refuse("line " + std::to_string(token.Line) + ": a string is not closed");
        for (const Statement& statement : statements)
            for (const Token& token : statement)
                if (IsWord(token, "MsgBox")) {
                    call = &statement;
                    callLines.push_back(token.Line);
                }
        if (callLines.empty())
            Refuse("there is no MsgBox call");
        if (callLines.size() > 1)
            Refuse("there is more than one MsgBox call (lines " + std::to_string(callLines[0]) + " and " +
                   std::to_string(callLines[1]) + ")");
        return ReadStatement(*call);
    } catch (const Refusal& refusal) {
        return refusal.Reason;
    }
}

MessageBoxOptions CanonicalChoices(const MessageBoxOptions& options)
{
    const MessageBoxOptions defaults;
    MessageBoxOptions choices = WithoutUnusedHelpDetails(options);
    if (choices.IncludeHelpButton) {
        choices.HelpFileText = TrimSpaces(choices.HelpFileText);
        if (const auto topic = ConvertTopicID(choices.TopicIDText))
            choices.TopicIDText = std::to_string(*topic);
    }
    if (choices.HelpButtonIsDefault)
        choices.ButtonOption = *ButtonChoiceFor(ButtonSetOf(choices.ButtonOption).Value, 1);
    if (TrimSpaces(choices.TitleText).empty())
        choices.TitleText.clear();
    choices.VariableText =
        choices.ButtonOption == ButtonChoice::OKOnly ? defaults.VariableText : CleanVariableName(choices.VariableText);
    return choices;
}

} // namespace vellumet
