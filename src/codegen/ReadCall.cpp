#include "ReadCall.h"

#include "BuildCode.h"
#include "Functions.h"
#include "LineBreaks.h"
#include "MessageBoxStyle.h"
#include "StyleDecode.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <vector>

namespace vellumet {
namespace {

// Thrown from deep inside the reader and caught once at its top, where it
// becomes the reason ReadCall returns.
struct Refusal {
    std::string Reason;
};

[[noreturn]] void Refuse(std::string reason) { throw Refusal{std::move(reason)}; }

struct Token {
    enum class Kind { Word, Number, String, Symbol };
    Kind kind;
    std::string_view text; // As written in the source.
    std::string value;     // A string's text, with each doubled quote made single.
    int line;
};

using Tokens = std::span<const Token>;

bool IsWord(const Token& token, std::string_view word)
{
    return token.kind == Token::Kind::Word && EqualIgnoringCase(token.text, word);
}

bool IsSymbol(const Token& token, std::string_view symbol)
{
    return token.kind == Token::Kind::Symbol && token.text == symbol;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Splits source into statements of tokens. Comments ("'" and Rem) and line
// continuations (" _" at a line's end) go; line breaks and ":" end statements.
class Lexer {
public:
    explicit Lexer(std::string_view source)
        : source(source)
    {}

    std::vector<std::vector<Token>> Statements()
    {
        statements.emplace_back();
        while (at < source.size()) {
            const char c = source[at];
            if (IsBlank(c))
                ++at;
            else if (c == '\'')
                SkipToLineEnd();
            else if (c == '\r' || c == '\n')
                EndLine();
            else if (c == ':' && !source.substr(at).starts_with(":="))
                EndStatement(1);
            else if (c == '_' && AtContinuation())
                EndLine();
            else if (c == '"')
                ReadString();
            else if (std::isalpha(static_cast<unsigned char>(c)))
                ReadWord();
            else if (std::isdigit(static_cast<unsigned char>(c)) || AtRadixPrefix())
                ReadNumber();
            else
                Push(Token::Kind::Symbol, source.substr(at).starts_with(":=") ? 2 : 1);
        }
        return std::move(statements);
    }

private:
    std::string_view source;
    std::size_t at = 0;
    int line = 1;
    std::vector<std::vector<Token>> statements;

    void Push(Token::Kind kind, std::size_t length, std::string value = {})
    {
        statements.back().push_back({kind, source.substr(at, length), std::move(value), line});
        at += length;
    }

    void EndStatement(std::size_t length)
    {
        at += length;
        if (!statements.back().empty())
            statements.emplace_back();
    }

    // A line ends with CR LF, LF or CR. After a continuation it only counts.
    void EndLine()
    {
        const bool continued = source[at] == '_';
        if (continued)
            at = std::min(source.find_first_not_of(" \t", at + 1), source.size());
        const std::size_t length = LineBreakAt(source, at);
        ++line;
        if (continued)
            at += length;
        else
            EndStatement(length);
    }

    void SkipToLineEnd() { at = std::min(source.find_first_of("\r\n", at), source.size()); }

    // "_" after a blank and before the line's end joins the next line to this one.
    bool AtContinuation() const
    {
        if (at > 0 && !IsBlank(source[at - 1]))
            return false;
        const std::size_t next = source.find_first_not_of(" \t", at + 1);
        return next == std::string_view::npos || source[next] == '\r' || source[next] == '\n';
    }

    bool AtRadixPrefix() const
    {
        if (source[at] != '&' || at + 2 >= source.size())
            return false;
        const int radix = std::toupper(static_cast<unsigned char>(source[at + 1]));
        return (radix == 'H' || radix == 'O') && std::isxdigit(static_cast<unsigned char>(source[at + 2]));
    }

    void ReadString()
    {
        std::string value;
        std::size_t end = at + 1;
        for (;; ++end) {
            if (end == source.size() || source[end] == '\r' || source[end] == '\n')
                Refuse("line " + std::to_string(line) + ": a string is not closed");
            if (source[end] != '"')
                value += source[end];
            else if (end + 1 < source.size() && source[end + 1] == '"')
                value += source[++end];
            else
                break;
        }
        Push(Token::Kind::String, end + 1 - at, std::move(value));
    }

    void ReadWord()
    {
        std::size_t end = at;
        while (end < source.size() && IsWordCharacter(source[end]))
            ++end;
        if (end < source.size() && source[end] == '$')
            ++end;
        if (statements.back().empty() && EqualIgnoringCase(source.substr(at, end - at), "Rem"))
            SkipToLineEnd();
        else
            Push(Token::Kind::Word, end - at);
    }

    // Digits and letters run together, with a type suffix; StyleDecode and
    // the topic say whether they make a number.
    void ReadNumber()
    {
        std::size_t end = at + (source[at] == '&' ? 2 : 0);
        while (end < source.size() && (IsWordCharacter(source[end]) || source[end] == '.'))
            ++end;
        if (end < source.size() && (source[end] == '&' || source[end] == '%'))
            ++end;
        Push(Token::Kind::Number, end - at);
    }
};

// The text of tokens as written, one space between each two.
std::string SourceOf(Tokens tokens)
{
    std::string text;
    for (const Token& token : tokens)
        text.append(text.empty() ? "" : " ").append(token.text);
    return text;
}

// The characters Chr may name in text that is read back: the line breaks and
// the tab the generator writes as constants, and the double quote.
constexpr std::array<int, 4> ChrCodes = {9, 10, 13, 34};

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
            Refuse(std::string(part) + ": expected \"&\" before " + InQuotes(tokens[at].text));
        return text;
    }

private:
    static constexpr int MaximumDepth = 64;

    Tokens tokens;
    std::string_view part;
    std::size_t at = 0;
    int depth = 0;

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
            Refuse(std::string(part) +
                   (at == 0 ? " is empty" : " ends with " + InQuotes(tokens[at - 1].text) + " and nothing after it"));
        const Token& token = tokens[at++];
        if (token.kind == Token::Kind::String)
            return token.value;
        if (IsSymbol(token, "(")) {
            // Each parenthesis is a level of recursion; a deep pile of them must not run off the stack.
            if (++depth > MaximumDepth)
                Refuse(std::string(part) + ": its parentheses nest more than " + std::to_string(MaximumDepth) +
                       " deep");
            std::string text = ReadExpression();
            Expect(")");
            --depth;
            return text;
        }
        if (token.kind == Token::Kind::Word) {
            if (const VbConstant* constant = FindConstant(ConstantGroup::Text, token.text))
                return std::string(constant->Text);
            if (IsWord(token, "Chr") || IsWord(token, "Chr$"))
                return ReadChr();
            Refuse(std::string(part) + " uses " + std::string(token.text) +
                   ", a variable or function whose value is known only when the program runs");
        }
        Refuse(std::string(part) + ": expected a string, a line-break constant or Chr at " + InQuotes(token.text));
    }

    std::string ReadChr()
    {
        Expect("(");
        const std::size_t start = at;
        while (at < tokens.size() && !IsSymbol(tokens[at], ")"))
            ++at;
        const std::string code = SourceOf(tokens.subspan(start, at - start));
        Expect(")");
        for (int known : ChrCodes)
            if (code == std::to_string(known))
                return std::string(1, static_cast<char>(known));
        Refuse(std::string(part) + ": Chr(" + code + ") is not a line break, a tab or a quote");
    }

    void Expect(std::string_view symbol)
    {
        if (!AtSymbol(symbol))
            Refuse(std::string(part) + ": expected " + InQuotes(symbol) +
                   (at < tokens.size() ? " at " + InQuotes(tokens[at].text) : " at its end"));
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
    const auto setSize = static_cast<int>(ButtonSetOf(first).Buttons.size());

    if (const auto choice = ButtonChoiceFor(setValue, position)) {
        options.ButtonOption = *choice;
    } else if (help && position == setSize + 1) {
        options.ButtonOption = first;
        options.HelpButtonIsDefault = true;
    } else {
        Refuse("the style makes button " + std::to_string(position) + " the default, but " + ExpressionOf(setValue) +
               " has " + std::to_string(setSize) + (setSize == 1 ? " button" : " buttons") +
               (help ? " and Help" : " and no Help button"));
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
    if (text.find_first_of("\r\n") != std::string_view::npos)
        Refuse(std::string(part) + " holds a line break, which the window keeps to the body");
}

std::string ReadHelpFile(Tokens tokens, MessageBoxOptions& options)
{
    const bool appPath = tokens.size() > 4 && IsWord(tokens[0], "App") && IsSymbol(tokens[1], ".") &&
                         IsWord(tokens[2], "Path") && IsSymbol(tokens[3], "&");
    options.UseAppPath = appPath;
    std::string file = TextReader(tokens.subspan(appPath ? 4 : 0), "the help file").Read();
    RefuseLineBreak(file, "the help file");
    return file;
}

MessageBoxOptions ReadStatement(Tokens statement)
{
    MessageBoxOptions options;
    std::size_t at = 0;
    bool assigned = false;
    if (IsWord(statement[0], "Call")) {
        at = 1;
    } else if (statement.size() > 2 && statement[0].kind == Token::Kind::Word && IsSymbol(statement[1], "=")) {
        options.VariableText = statement[0].text;
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
        const auto style = EvaluateStyleSource(SourceOf(argument(1)));
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
        if (!options.IncludeHelpButton)
            Refuse("the call has a help file, but its style has no Help button, and the window writes the help "
                   "file only with one");
        options.HelpFileText = ReadHelpFile(argument(3), options);
        std::string context;
        for (const Token& token : argument(4))
            context += token.text;
        if (!ConvertTopicID(context))
            Refuse("the help context, " + context + ", is not a whole number from -32768 to 32767");
        options.TopicIDText = context;
    }
    return options;
}

} // namespace

std::variant<MessageBoxOptions, std::string> ReadCall(std::string_view source)
{
    try {
        const std::vector<std::vector<Token>> statements = Lexer(source).Statements();
        const std::vector<Token>* call = nullptr;
        std::vector<int> callLines;
        for (const std::vector<Token>& statement : statements)
            for (const Token& token : statement)
                if (IsWord(token, "MsgBox")) {
                    call = &statement;
                    callLines.push_back(token.line);
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
    MessageBoxOptions choices = options;
    if (!choices.IncludeHelpButton) {
        choices.HelpButtonIsDefault = false;
        choices.HelpFileText = defaults.HelpFileText;
        choices.UseAppPath = false;
        choices.TopicIDText = defaults.TopicIDText;
    } else {
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
