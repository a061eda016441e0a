// Reading a string expression written out in Visual Basic: literals, constants, Chr, ChrW, Space and variables.
#include "ReadText.h"

#include "Functions.h"
#include "VbConstants.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <optional>

namespace vellumet {
namespace {

// More text than any field holds many times over; reading stops there, so that Space(n) or a variable joined to
// itself again and again cannot take all memory.
constexpr std::size_t MaximumTextLength = 65536;

// Appends a code point as UTF-8; a surrogate half becomes three bytes as any other character below U+10000 does.
void AppendCodePoint(std::uint32_t point, std::string& out)
{
    const auto put = [&](std::uint32_t byte) { out += static_cast<char>(byte); };
    if (point < 0x80) {
        put(point);
    } else if (point < 0x800) {
        put(0xC0 | point >> 6);
        put(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        put(0xE0 | point >> 12);
        put(0x80 | (point >> 6 & 0x3F));
        put(0x80 | (point & 0x3F));
    } else {
        put(0xF0 | point >> 18);
        put(0x80 | (point >> 12 & 0x3F));
        put(0x80 | (point >> 6 & 0x3F));
        put(0x80 | (point & 0x3F));
    }
}

// The surrogate half whose three bytes start the text at `at`; `which` is 0xD800 for a first half and 0xDC00 for a
// second.
std::optional<std::uint32_t> HalfAt(std::string_view text, std::size_t at, std::uint32_t which)
{
    if (text.size() < at + 3 || static_cast<unsigned char>(text[at]) != 0xED)
        return std::nullopt;
    const std::uint32_t point = 0xD000 | (static_cast<unsigned char>(text[at + 1]) & 0x3F) << 6 |
                                (static_cast<unsigned char>(text[at + 2]) & 0x3F);
    if ((point & 0xFC00) != which)
        return std::nullopt;
    return point;
}

class TextReader {
public:
    TextReader(Tokens tokens, std::string_view part, const TextVariables& variables)
        : tokens(tokens)
        , part(part)
        , variables(variables)
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
    const TextVariables& variables;
    std::size_t at = 0;
    int depth = 0;

    [[noreturn]] void RefusePart(const std::string& why) const { RefuseRead(std::string(part) + why); }

    bool AtSymbol(std::string_view symbol) const { return at < tokens.size() && IsSymbol(tokens[at], symbol); }

    void Room(const std::string& text, std::size_t more) const
    {
        if (more > MaximumTextLength - text.size())
            RefusePart(" is longer than " + std::to_string(MaximumTextLength) + " bytes");
    }

    // Joins a piece to the text, making one character of a first surrogate half and the second that follows it.
    void Join(std::string& text, const std::string& piece) const
    {
        Room(text, piece.size());
        const auto high = text.size() >= 3 ? HalfAt(text, text.size() - 3, 0xD800) : std::nullopt;
        const auto low = HalfAt(piece, 0, 0xDC00);
        if (!high || !low) {
            text += piece;
            return;
        }
        text.resize(text.size() - 3);
        AppendCodePoint(0x10000 + ((*high - 0xD800) << 10) + (*low - 0xDC00), text);
        text.append(piece, 3);
    }

    std::string ReadExpression()
    {
        std::string text = ReadTerm();
        while (AtSymbol("&") || AtSymbol("+")) {
            ++at;
            Join(text, ReadTerm());
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
        if (IsSymbol(token, ".") && at < tokens.size() && tokens[at].Kind == TokenKind::Word)
            RefusePart(" uses ." + std::string(tokens[at].Text) +
                       ", a member of a With block's object, whose value is known only when the program runs");
        if (token.Kind != TokenKind::Word)
            RefusePart(": " + ExpectedAt("a string, a line-break constant or Chr", token.Text));
        if (const VbConstant* constant = FindConstant(ConstantGroup::Text, token.Text))
            return std::string(constant->Text);
        if (AtSymbol("("))
            return ReadFunction(token);
        if (const auto variable = variables.find(VariableKey(token.Text)); variable != variables.end())
            return variable->second;
        RefusePart(" uses " + std::string(token.Text) +
                   ", a variable or function whose value is known only when the program runs");
    }

    // A function and its arguments, the opening parenthesis next. Chr, ChrW and Space of a number written out are
    // read; any other function is refused, named by what its arguments are.
    std::string ReadFunction(const Token& function)
    {
        const std::size_t open = at;
        int level = 0;
        bool literals = true;
        do {
            const Token& token = tokens[at++];
            level += IsSymbol(token, "(") ? 1 : IsSymbol(token, ")") ? -1 : 0;
            literals = literals &&
                       (token.Kind == TokenKind::String || token.Kind == TokenKind::Number || IsSymbol(token, "(") ||
                        IsSymbol(token, ")") || IsSymbol(token, ",") || IsSymbol(token, "-"));
        } while (level > 0 && at < tokens.size());
        if (level > 0)
            RefusePart(": expected \")\" at its end");
        const Tokens arguments = tokens.subspan(open + 1, at - open - 2);
        const std::string call = std::string(function.Text) + "(" + std::string(SourceSpan(arguments)) + ")";
        const std::string_view name =
            function.Text.ends_with('$') ? function.Text.substr(0, function.Text.size() - 1) : function.Text;
        const bool known =
            EqualIgnoringCase(name, "Chr") || EqualIgnoringCase(name, "ChrW") || EqualIgnoringCase(name, "Space");
        const auto number = known ? NumberIn(arguments) : std::nullopt;
        if (!number)
            RefusePart(" uses " + call +
                       (literals ? ", a function of values written out, which is not worked out here; write its "
                                   "result instead"
                                 : ", whose value is known only when the program runs"));
        const auto fails = [&](std::string_view why) {
            RefusePart(": " + call + " fails when the program runs: " + std::string(why));
        };
        std::string text;
        if (EqualIgnoringCase(name, "Space")) {
            if (*number < 0)
                fails("a count is never negative");
            Room(text, static_cast<std::size_t>(*number));
            text.assign(static_cast<std::size_t>(*number), ' ');
        } else if (EqualIgnoringCase(name, "ChrW")) {
            if (*number < -32768 || *number > 65535)
                fails("its code is not from -32768 to 65535");
            AppendCodePoint(static_cast<std::uint32_t>(*number < 0 ? *number + 65536 : *number), text);
        } else {
            if (*number < 0 || *number > 255)
                fails("its code is not from 0 to 255");
            // Above 127 Chr names a character of whatever code page the program runs with.
            if (*number > 127)
                RefusePart(": " + call +
                           " depends on the code page the program runs with; ChrW names a character everywhere");
            text.assign(1, static_cast<char>(*number));
        }
        return text;
    }

    // The value of arguments that are one number written out, with an optional minus sign.
    static std::optional<std::int64_t> NumberIn(Tokens arguments)
    {
        const bool negative = !arguments.empty() && IsSymbol(arguments[0], "-");
        if (arguments.size() != (negative ? 2u : 1u) || arguments.back().Kind != TokenKind::Number)
            return std::nullopt;
        const NumberValue number = ValueOfNumber(arguments.back().Text);
        if (number.Fault != NumberFault::None)
            return std::nullopt;
        return negative ? -number.Value : number.Value;
    }

    void Expect(std::string_view symbol)
    {
        if (!AtSymbol(symbol))
            RefusePart(": " + (at < tokens.size() ? ExpectedAt(InQuotes(symbol), tokens[at].Text)
                                                  : "expected " + InQuotes(symbol) + " at its end"));
        ++at;
    }
};

} // namespace

void RefuseRead(std::string reason) { throw ReadRefusal{std::move(reason)}; }

std::string VariableKey(std::string_view name)
{
    std::string key;
    for (char c : name)
        key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

std::string ReadText(Tokens tokens, std::string_view part, const TextVariables& variables)
{
    return TextReader(tokens, part, variables).Read();
}

void RefuseHalfCharacters(std::string_view text, std::string_view part)
{
    for (std::size_t at = 0; at + 3 <= text.size(); ++at)
        if (HalfAt(text, at, 0xD800) || HalfAt(text, at, 0xDC00))
            RefuseRead(std::string(part) + " holds half of a character written with ChrW, without its other half");
}

} // namespace vellumet
