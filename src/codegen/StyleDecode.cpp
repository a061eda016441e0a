#include "StyleDecode.h"

#include "Functions.h"
#include "MessageBoxStyle.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <limits>
#include <map>
#include <optional>

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

// Reads a style's source left to right. "+" binds tighter than "Or", as in
// Visual Basic, so "a + b Or c" is (a + b) Or c.
class StyleReader {
public:
    explicit StyleReader(std::string_view source)
        : source(source)
    {}

    std::variant<Evaluated, std::string> Evaluate()
    {
        std::int64_t result = 0, sum = 0;
        int terms = 0;
        bool named = false;
        for (;;) {
            SkipSpaces();
            if (AtEnd())
                return terms == 0 ? "there is nothing to decode" : "the expression ends without its last term";
            const std::int64_t sign = Next() == '-' ? -1 : 1;
            if (sign < 0) {
                ++at;
                SkipSpaces();
                if (AtEnd())
                    return "the expression ends without its last term";
            }
            if (std::isalpha(Next()) || Next() == '_') {
                const std::string_view word = ReadWord();
                const VbConstant* constant = FindConstant(ConstantGroup::Style, word);
                if (!constant)
                    return InQuotes(word) + " is not a message-box constant";
                if (auto conflict = Claim(*constant))
                    return *conflict;
                sum += sign * constant->Value;
                named = true;
            } else {
                auto number = ReadNumber();
                if (auto* fault = std::get_if<std::string>(&number))
                    return *fault;
                sum += sign * std::get<std::int64_t>(number);
            }
            ++terms;

            SkipSpaces();
            if (AtEnd())
                break;
            const std::size_t operatorAt = at;
            if (Next() == '+') {
                ++at;
            } else if (std::isalpha(Next()) && EqualIgnoringCase(ReadWord(), "Or")) {
                result |= sum;
                sum = 0;
            } else {
                return "expected \"+\" or \"Or\" at \"" + std::string(source.substr(operatorAt)) + "\"";
            }
        }
        return Evaluated{result | sum, terms == 1 && !named};
    }

private:
    std::string_view source;
    std::size_t at = 0;
    std::map<StyleKind, std::string_view> claimed; // The constant that chose each kind, to name in a conflict.

    bool AtEnd() const { return at == source.size(); }
    unsigned char Next() const { return static_cast<unsigned char>(source[at]); }

    void SkipSpaces()
    {
        while (!AtEnd() && std::isspace(Next()))
            ++at;
    }

    std::string_view ReadWord()
    {
        const std::size_t start = at;
        while (!AtEnd() && (std::isalnum(Next()) || Next() == '_'))
            ++at;
        return source.substr(start, at - start);
    }

    std::optional<std::string> Claim(const VbConstant& constant)
    {
        const auto [earlier, isNew] = claimed.try_emplace(constant.Kind, constant.Name);
        if (isNew)
            return std::nullopt;
        if (earlier->second == constant.Name)
            return std::string(constant.Name) + " is named twice";
        return std::string(earlier->second) + " and " + std::string(constant.Name) + " both choose the " +
               std::string(KindWord(constant.Kind));
    }

    // Decimal, &H hexadecimal or &O octal, with an optional Long suffix "&".
    // Like Visual Basic, a hexadecimal or octal number without the suffix that
    // fits in 16 bits is an Integer, so &HFFFF is -1.
    std::variant<std::int64_t, std::string> ReadNumber()
    {
        const std::size_t start = at;
        int base = 10;
        if (Next() == '&' && at + 1 < source.size()) {
            const int prefix = std::toupper(static_cast<unsigned char>(source[at + 1]));
            if (prefix == 'H' || prefix == 'O') {
                base = prefix == 'H' ? 16 : 8;
                at += 2;
            }
        }
        // An "&" that starts no radix prefix is no digit either, so it reads as no number.
        std::uint64_t value = 0;
        const char* const digits = source.data() + at;
        const auto [stop, error] = std::from_chars(digits, source.data() + source.size(), value, base);
        at += static_cast<std::size_t>(stop - digits);
        const bool longSuffix = !AtEnd() && Next() == '&';
        if (longSuffix)
            ++at;
        if (error == std::errc::invalid_argument ||
            (!AtEnd() && (std::isalnum(Next()) || Next() == '_' || Next() == '&'))) {
            ReadWord();
            if (at == start)
                return "expected a number or a constant at \"" + std::string(source.substr(start)) + "\"";
            return InQuotes(source.substr(start, at - start)) + " is neither a number nor a constant";
        }
        const std::uint64_t limit =
            base == 10 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::uint32_t>::max();
        if (error == std::errc::result_out_of_range || value > limit)
            return InQuotes(source.substr(start, at - start)) + " is too large for a Long";
        if (base == 10)
            return static_cast<std::int64_t>(value);
        if (!longSuffix && value <= 0xFFFF)
            return static_cast<std::int64_t>(static_cast<std::int16_t>(value));
        return static_cast<std::int64_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
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

std::variant<int, std::string> EvaluateStyle(std::string_view source)
{
    auto evaluated = EvaluateStyleSource(source);
    if (auto* fault = std::get_if<std::string>(&evaluated))
        return *fault;
    return std::get<EvaluatedStyle>(evaluated).Value;
}

std::variant<EvaluatedStyle, std::string> EvaluateStyleSource(std::string_view source)
{
    auto evaluated = StyleReader(source).Evaluate();
    if (auto* fault = std::get_if<std::string>(&evaluated))
        return *fault;
    const auto [value, plainNumber] = std::get<Evaluated>(evaluated);
    if (const std::string fault = StyleFault(value); !fault.empty())
        return (plainNumber ? "" : "the value ") + std::to_string(value) + " is not a message-box style: " + fault;
    // A style that passed StyleFault has only known bits, so it fits an int.
    return EvaluatedStyle{static_cast<int>(value), plainNumber};
}

std::variant<DecodedStyle, std::string> DecodeStyle(std::string_view source)
{
    auto evaluated = EvaluateStyleSource(source);
    if (auto* fault = std::get_if<std::string>(&evaluated))
        return *fault;
    const auto [style, plainNumber] = std::get<EvaluatedStyle>(evaluated);
    return DecodedStyle{plainNumber ? ExpressionOf(style) : std::to_string(style), DescribeStyle(style)};
}

} // namespace vellumet
