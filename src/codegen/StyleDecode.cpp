// Reading a style written in Visual Basic, and saying what a style asks of a box.
#include "StyleDecode.h"

#include "Functions.h"
#include "MessageBoxStyle.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>

namespace vellumet {
namespace {

constexpr std::array<std::string_view, 8> KindWords = {
    "buttons", "default button",  "Help button",    "modality",
    "icon",    "foreground flag", "alignment flag", "reading-order flag"};

std::string_view KindWord(StyleKind kind) { return KindWords.at(static_cast<std::size_t>(kind)); }

std::string Hex(std::int64_t value)
{
    static constexpr std::string_view Digits = "0123456789ABCDEF";
    std::string text;
    for (auto rest = static_cast<std::uint64_t>(value); rest != 0 || text.empty(); rest /= 16)
        text.insert(text.begin(), Digits[rest % 16]);
    return "&H" + text;
}

struct Evaluated {
    std::int64_t Value = 0;
    bool PlainNumber = false; // The source was one number and nothing else.
};

// Reads a style's tokens left to right. "+" binds tighter than "Or", as in Visual Basic, so "a + b Or c" is
// (a + b) Or c. Parentheses group, and CInt(...) and CLng(...) are read as what they hold: they change only its type,
// and every style the window makes fits in an Integer.
class StyleReader {
public:
    StyleReader(Tokens tokens, std::string_view written)
        : tokens(tokens)
        , written(written)
    {}

    std::variant<Evaluated, std::string> Evaluate()
    {
        try {
            if (AtEnd())
                return "there is nothing to decode";
            const std::int64_t value = ReadOr();
            if (!AtEnd())
                return ExpectedAt("\"+\" or \"Or\"", Rest());
            return Evaluated{value, terms == 1 && !named};
        } catch (const Fault& fault) {
            return fault.Why;
        }
    }

private:
    static constexpr int MaximumDepth = 64;

    // Thrown from inside the reader and caught in Evaluate.
    struct Fault {
        std::string Why;
    };

    Tokens tokens;
    std::string_view written;
    std::size_t at = 0;
    int terms = 0;
    int depth = 0;
    bool named = false;
    std::map<StyleKind, std::string_view> claimed; // The constant that chose each kind, to name in a conflict.

    std::int64_t ReadOr()
    {
        std::int64_t value = ReadSum();
        while (!AtEnd() && IsWord(tokens[at], "Or")) {
            ++at;
            value |= ReadSum();
        }
        return value;
    }

    std::int64_t ReadSum()
    {
        std::int64_t value = ReadTerm();
        while (!AtEnd() && IsSymbol(tokens[at], "+")) {
            ++at;
            value += ReadTerm();
        }
        return value;
    }

    std::int64_t ReadTerm()
    {
        const bool negative = !AtEnd() && IsSymbol(tokens[at], "-");
        if (negative)
            ++at;
        if (AtEnd())
            throw Fault{"the expression ends without its last term"};
        const std::int64_t sign = negative ? -1 : 1;
        const Token& term = tokens[at++];
        const bool conversion = (IsWord(term, "CInt") || IsWord(term, "CLng")) && !AtEnd() && IsSymbol(tokens[at], "(");
        if (conversion)
            ++at;
        if (conversion || IsSymbol(term, "("))
            return sign * ReadGroup();
        if (term.Kind == TokenKind::Word) {
            const VbConstant* constant = FindConstant(ConstantGroup::Style, term.Text);
            if (!constant)
                throw Fault{InQuotes(term.Text) + " is not a message-box constant"};
            Claim(*constant);
            named = true;
            ++terms;
            return sign * constant->Value;
        }
        if (term.Kind != TokenKind::Number) {
            --at;
            throw Fault{ExpectedAt("a number or a constant", Rest())};
        }
        const NumberValue number = ValueOfNumber(term.Text);
        if (number.Fault == NumberFault::NotANumber)
            throw Fault{InQuotes(term.Text) + " is neither a number nor a constant"};
        if (number.Fault == NumberFault::TooLarge)
            throw Fault{InQuotes(term.Text) + " is too large for a Long"};
        ++terms;
        return sign * number.Value;
    }

    // What stands in parentheses, the opening one read. Each is a level of recursion; a deep pile of them must not
    // run off the stack.
    std::int64_t ReadGroup()
    {
        if (++depth > MaximumDepth)
            throw Fault{"its parentheses nest more than " + std::to_string(MaximumDepth) + " deep"};
        const std::int64_t value = ReadOr();
        if (AtEnd())
            throw Fault{"a parenthesis is not closed"};
        if (!IsSymbol(tokens[at], ")"))
            throw Fault{ExpectedAt("\"+\", \"Or\" or \")\"", Rest())};
        ++at;
        --depth;
        return value;
    }

    // Whether the style has ended, passing over the form feeds and vertical tabs that a style copied from
    // elsewhere may hold: they separate its terms as spaces do.
    bool AtEnd()
    {
        while (at < tokens.size() && tokens[at].Kind == TokenKind::Symbol &&
               (tokens[at].Text == "\f" || tokens[at].Text == "\v"))
            ++at;
        return at == tokens.size();
    }

    // What is written from the current token on.
    std::string_view Rest() const
    {
        return written.substr(static_cast<std::size_t>(tokens[at].Text.data() - written.data()));
    }

    void Claim(const VbConstant& constant)
    {
        const auto [earlier, isNew] = claimed.try_emplace(constant.Kind, constant.Name);
        if (isNew)
            return;
        if (earlier->second == constant.Name)
            throw Fault{std::string(constant.Name) + " is named twice"};
        throw Fault{std::string(earlier->second) + " and " + std::string(constant.Name) + " both choose the " +
                    std::string(KindWord(constant.Kind))};
    }
};

} // namespace

std::string StyleFault(std::int64_t style)
{
    if (style < 0)
        return "a style is never negative";
    std::int64_t known = 0;
    for (const VbConstant& constant : StyleConstants())
        known |= StyleMask(constant.Kind);
    if (const std::int64_t stray = style & ~known; stray != 0)
        return "it holds " + Hex(stray) + ", which no constant names";
    // The flags are single bits, each named by its constant; these kinds have gaps.
    for (StyleKind kind : {StyleKind::Buttons, StyleKind::DefaultButton, StyleKind::Modality, StyleKind::Icon}) {
        const int part = static_cast<int>(style) & StyleMask(kind);
        const bool named = part == 0 || std::ranges::any_of(StyleConstants(), [&](const VbConstant& constant) {
                               return constant.Kind == kind && constant.Value == part;
                           });
        if (!named)
            return "its " + std::string(KindWord(kind)) + " part, " + std::to_string(part) + ", names no constant";
    }
    return {};
}

std::string DescribeStyle(int style)
{
    static constexpr std::array<std::string_view, 5> IconNames = {"none", "Critical", "Question", "Exclamation",
                                                                  "Information"};
    const BoxLayout box = LayoutOfStyle(style);
    std::vector<std::string_view> captions;
    for (Answer button : box.Buttons)
        captions.push_back(AnswerCaption(button));
    if (box.HelpButton)
        captions.push_back("Help");

    std::string words = "Buttons: ";
    for (std::size_t i = 0; i < captions.size(); ++i)
        words += (i == 0 ? "" : ", ") + std::string(captions[i]);

    const int asked = (style & StyleMask(StyleKind::DefaultButton)) / style_flag::DefaultButtonStep + 1;
    const std::string chosen = std::string(captions.at(static_cast<std::size_t>(box.DefaultIndex))) + " (button " +
                               std::to_string(box.DefaultIndex + 1) + ")";
    words += "; default button: ";
    words += asked == box.DefaultIndex + 1
                 ? chosen
                 : "button " + std::to_string(asked) + ", which the box does not have, so " + chosen;
    words += "; icon: " + std::string(IconNames.at(static_cast<std::size_t>(box.Icon)));
    words += box.SystemModal ? "; modality: system" : "; modality: application";
    words += box.HelpButton ? "; Help button: yes" : "; Help button: no";

    static constexpr std::array<std::pair<StyleKind, std::string_view>, 3> Extras = {{
        {StyleKind::Foreground, "brought to the foreground"},
        {StyleKind::RightAligned, "text aligned right"},
        {StyleKind::RightToLeft, "right-to-left reading"},
    }};
    std::string also;
    for (const auto& [kind, meaning] : Extras)
        if (style & StyleMask(kind))
            also += (also.empty() ? "; also: " : ", ") + std::string(meaning);
    return words + also;
}

std::variant<EvaluatedStyle, std::string> EvaluateStyleTokens(Tokens tokens, std::string_view written)
{
    auto evaluated = StyleReader(tokens, written).Evaluate();
    if (auto* fault = std::get_if<std::string>(&evaluated))
        return *fault;
    const auto [value, plainNumber] = std::get<Evaluated>(evaluated);
    if (const std::string fault = StyleFault(value); !fault.empty())
        return (plainNumber ? "" : "the value ") + std::to_string(value) + " is not a message-box style: " + fault;
    // A style that passed StyleFault has only known bits, so it fits an int.
    return EvaluatedStyle{static_cast<int>(value), plainNumber};
}

std::variant<EvaluatedStyle, std::string> EvaluateStyleText(std::string_view source)
{
    // A style stands on its own here, so what ends a statement in a program only separates its tokens.
    std::vector<Token> tokens;
    for (Statement& statement : Lex(source))
        std::ranges::move(statement, std::back_inserter(tokens));
    return EvaluateStyleTokens(tokens, source);
}

std::variant<int, std::string> EvaluateStyle(std::string_view source)
{
    auto evaluated = EvaluateStyleText(source);
    if (auto* fault = std::get_if<std::string>(&evaluated))
        return *fault;
    return std::get<EvaluatedStyle>(evaluated).Value;
}

std::variant<DecodedStyle, std::string> DecodeStyle(std::string_view source)
{
    auto evaluated = EvaluateStyleText(source);
    if (auto* fault = std::get_if<std::string>(&evaluated))
        return *fault;
    const auto [style, plainNumber] = std::get<EvaluatedStyle>(evaluated);
    return DecodedStyle{plainNumber ? ExpressionOf(style) : std::to_string(style), DescribeStyle(style)};
}

} // namespace vellumet
