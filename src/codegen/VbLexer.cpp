// Splitting Visual Basic source into statements of tokens, and reading its numbers.
#include "VbLexer.h"

#include "Functions.h"
#include "LineBreaks.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace vellumet {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

class Lexer {
public:
    explicit Lexer(std::string_view source)
        : source(source)
    {}

    std::vector<Statement> Statements()
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
            else if (std::isalpha(static_cast<unsigned char>(c)) || (c == '_' && AtWordCharacter(at + 1)))
                ReadWord();
            else if (std::isdigit(static_cast<unsigned char>(c)) || AtRadixPrefix())
                ReadNumber();
            else
                Push(TokenKind::Symbol, source.substr(at).starts_with(":=") ? 2 : 1);
        }
        return std::move(statements);
    }

private:
    std::string_view source;
    std::size_t at = 0;
    int line = 1;
    std::vector<Statement> statements;

    bool AtWordCharacter(std::size_t index) const { return index < source.size() && IsWordCharacter(source[index]); }

    void Push(TokenKind kind, std::size_t length, std::string value = {})
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

    void SkipToLineEnd()
    {
        while (at < source.size() && LineBreakAt(source, at) == 0)
            ++at;
    }

    // "_" after a blank and before the line's end joins the next line to this one. VB6 and VBA want the blank;
    // VBScript also reads a "_" glued to the token before it, as long as that token cannot go on into a name. Only
    // after a closing quote or parenthesis is that certain in every engine, so only there is a glued "_" read as a
    // continuation; after a word or a number it may be the end of a name, and is left to the word.
    bool AtContinuation() const
    {
        if (at > 0 && !IsBlank(source[at - 1]) && source[at - 1] != '"' && source[at - 1] != ')')
            return false;
        const std::size_t next = std::min(source.find_first_not_of(" \t", at + 1), source.size());
        return next == source.size() || LineBreakAt(source, next) != 0;
    }

    // "&H" and "&O" start a hexadecimal and an octal number, as in Visual Basic.
    bool AtRadixPrefix() const
    {
        if (source[at] != '&' || source.size() - at < 2)
            return false;
        const int radix = std::toupper(static_cast<unsigned char>(source[at + 1]));
        return radix == 'H' || radix == 'O';
    }

    void ReadString()
    {
        std::string value;
        std::size_t end = at + 1;
        for (;; ++end) {
            if (end == source.size() || LineBreakAt(source, end) != 0) {
                Push(TokenKind::UnclosedString, end - at, std::move(value));
                return;
            }
            if (source[end] != '"')
                value += source[end];
            else if (end + 1 < source.size() && source[end + 1] == '"')
                value += source[++end];
            else
                break;
        }
        Push(TokenKind::String, end + 1 - at, std::move(value));
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
            Push(TokenKind::Word, end - at);
    }

    // Digits and letters run together, with a type suffix; ValueOfNumber says whether they make a number.
    void ReadNumber()
    {
        std::size_t end = at + (source[at] == '&' ? 2 : 0);
        while (end < source.size() && (IsWordCharacter(source[end]) || source[end] == '.'))
            ++end;
        if (end < source.size() && (source[end] == '&' || source[end] == '%'))
            ++end;
        Push(TokenKind::Number, end - at);
    }
};

} // namespace

std::vector<Statement> Lex(std::string_view source) { return Lexer(source).Statements(); }

bool IsWord(const Token& token, std::string_view word)
{
    return token.Kind == TokenKind::Word && EqualIgnoringCase(token.Text, word);
}

bool IsSymbol(const Token& token, std::string_view symbol)
{
    return token.Kind == TokenKind::Symbol && token.Text == symbol;
}

std::string_view SourceSpan(Tokens tokens)
{
    if (tokens.empty())
        return {};
    const char* const start = tokens.front().Text.data();
    const std::string_view last = tokens.back().Text;
    return {start, static_cast<std::size_t>(last.data() + last.size() - start)};
}

NumberValue ValueOfNumber(std::string_view text)
{
    int base = 10;
    std::string_view digits = text;
    if (digits.size() >= 2 && digits[0] == '&') {
        const int prefix = std::toupper(static_cast<unsigned char>(digits[1]));
        base = prefix == 'H' ? 16 : prefix == 'O' ? 8 : 10;
        digits.remove_prefix(base == 10 ? 0 : 2);
    }
    const bool longSuffix = digits.ends_with('&');
    if (longSuffix)
        digits.remove_suffix(1);

    std::uint64_t value = 0;
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (error == std::errc::invalid_argument || stop != end)
        return {NumberFault::NotANumber};
    const std::uint64_t limit =
        base == 10 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::uint32_t>::max();
    if (error == std::errc::result_out_of_range || value > limit)
        return {NumberFault::TooLarge};
    if (base == 10)
        return {NumberFault::None, static_cast<std::int64_t>(value)};
    if (!longSuffix && value <= 0xFFFF)
        return {NumberFault::None, static_cast<std::int16_t>(value)};
    return {NumberFault::None, static_cast<std::int32_t>(static_cast<std::uint32_t>(value))};
}

} // namespace vellumet
