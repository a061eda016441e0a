// The texts of a call as Visual Basic string expressions: the terms each is made of, handed out in one pass over the
// text, and the terms joined.
#pragma once

#include "CodePage.h"
#include "LineBreaks.h"
#include "VbConstants.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellumet {

// A term of a string expression: a literal, written in double quotes with each double quote inside doubled, or a
// constant or call that stands for characters no literal in the code may hold, written as it is. A term's text is a
// view of the text it was made from, of a constant's name or of a spelled call; it lasts while the term is handed on.
struct ExpressionTerm {
    std::string_view Text; // a literal's characters as they are, without its quotes; any other term as written
    std::size_t Width = 0; // as written, in bytes of the code page the code is saved in
    bool Literal = false;
    bool EndsLine = false;     // a line-break constant, after which a continued statement best breaks
    bool MayHoldQuote = false; // false for a literal known to hold no double quote
};

// Appends the term as the code writes it, to a std::string or a StringAppender. It runs for every term, inside the
// loop over them.
template <class Code>
[[gnu::always_inline]] inline void AppendTerm(Code& code, const ExpressionTerm& term)
{
    if (!term.Literal) {
        code.append(term.Text);
        return;
    }
    code += '"';
    std::string_view rest = term.Text;
    if (term.MayHoldQuote)
        for (std::size_t quote; (quote = rest.find('"')) != std::string_view::npos; rest.remove_prefix(quote + 1)) {
            code.append(rest.substr(0, quote + 1));
            code += '"';
        }
    code.append(rest);
    code += '"';
}

// The body writes a tab as vbTab; the title and the help file, on one line, keep it in their literals.
enum class TextKind { Body, OneLine };

// A string expression: a fixed term written as it is, a text made into the terms that evaluate to it as typed, or
// a fixed term that leads the text's terms.
//
// In a text's terms a line break (a CR LF pair is one) is vbCrLf, vbCr or vbLf, a tab of the body vbTab, NUL
// vbNullChar, any other control character Chr(n), and a character the code page does not hold ChrW(&Hn), a character
// beyond U+FFFF as its two UTF-16 halves. Empty literals are left out between two constants and next to a vbCrLf at
// either end; an empty text is "". The text is UTF-8; a byte that starts no character is written as U+FFFD.
class Expression {
public:
    // The text must outlive the expression.
    Expression(std::string_view text, TextKind kind, const CodePageWidth& codePage);
    static Expression Fixed(std::string written);

    // Puts a fixed term before the others.
    void Lead(std::string written) { lead = std::move(written); }

    // Hands take(term, last) each term in turn, `last` true for the last; stops as soon as take returns false, and
    // returns whether it went through.
    template <class Take>
    bool ForEachTerm(Take&& take) const;

    // The width of all terms, without what joins them.
    std::size_t Width() const;

private:
    Expression() = default;
    template <class Take>
    bool ForEachTextTerm(Take&& take) const;
    std::string_view Text() const { return repaired ? std::string_view(*repaired) : text; }

    std::optional<std::string> lead;
    bool holdsText = false;
    std::string_view text;
    std::optional<std::string> repaired; // the text with each malformed byte made U+FFFD
    TextKind kind = TextKind::Body;
    const CodePageWidth* codePage = nullptr;
};

// The expression joined by " & ".
std::string JoinTerms(const Expression& expression);

// The body's expression on one line.
std::string BodyExpression(std::string_view body, const CodePageWidth& codePage);

namespace expression_terms {

// The names of the characters a literal cannot hold, looked up once when compiling.
inline constexpr std::string_view CrLfName = TextConstantName("\r\n");
inline constexpr std::string_view CrName = TextConstantName("\r");
inline constexpr std::string_view LfName = TextConstantName("\n");
inline constexpr std::string_view TabName = TextConstantName("\t");
inline constexpr std::string_view NullCharName = TextConstantName(std::string_view("\0", 1));

constexpr ExpressionTerm ConstantTerm(std::string_view name, bool endsLine = false)
{
    return {name, name.size(), false, endsLine};
}

// The top bit of each byte of `word` that a literal does not take as it is in every code page, and no other bit:
// plain bytes are printable ASCII but the double quote. Each test keeps within its byte, so a bit is set exactly
// where such a byte stands.
constexpr std::uint64_t NotPlainBytes(std::uint64_t word)
{
    using namespace line_break_scan;
    constexpr std::uint64_t TopBits = ~LowSevenBits;
    const std::uint64_t low = word & LowSevenBits;
    const std::uint64_t beyondAscii = word & TopBits;
    const std::uint64_t control = ~(low + EveryByte * (0x80 - 0x20)) & TopBits; // below 0x20
    const std::uint64_t erase = (low + EveryByte) & TopBits;                    // 0x7F
    return beyondAscii | control | erase | BytesEqualTo(word, '"');
}

// How many plain bytes start at `at`, eight looked at together once the first is plain. The word past the text's end
// holds zeros, which are not plain.
inline std::size_t PlainRunAt(std::string_view text, std::size_t at)
{
    // Between two constants the first byte is not plain, and is looked at alone.
    if ((NotPlainBytes(static_cast<unsigned char>(text[at])) & line_break_scan::FirstByteTop) != 0)
        return 0;
    for (std::size_t end = at;; end += sizeof(std::uint64_t))
        if (const std::uint64_t stops = NotPlainBytes(line_break_scan::WordAt(text, end)); stops != 0)
            return end + static_cast<std::size_t>(std::countr_zero(stops) / 8) - at;
}

// A spelled term's text: Chr(n), ChrW(&Hn), or a character beyond U+FFFF as its two halves joined.
struct SpelledText {
    std::array<char, 32> Characters{};
    std::size_t Length = 0;
    std::string_view View() const { return {Characters.data(), Length}; }
};

// The spelled text for a character that no literal holds as it is: a control character, or one beyond the code page.
SpelledText Spell(char32_t character);

// Whether an empty literal stands between the term and an end of the text: beside any constant but vbCrLf.
bool IsEmptyLiteralNeeded(const ExpressionTerm& term);

// The bytes a character other than a double quote takes in a literal, or 0 for one that no literal may hold: a
// control character but the tab, or one the code page lacks.
inline std::size_t WidthInLiteral(char32_t c, const CodePageWidth& codePage)
{
    if (c < 0x80)
        return c == '\t' || (c >= 0x20 && c != 0x7F) ? 1 : 0;
    return codePage(c);
}

} // namespace expression_terms

template <class Take>
bool Expression::ForEachTerm(Take&& take) const
{
    if (lead && !take(expression_terms::ConstantTerm(*lead), !holdsText))
        return false;
    return !holdsText || ForEachTextTerm(take);
}

// One pass over the text. A literal is open while it is the newest term and grows by the characters that follow
// it, so it is the run of the text from where it opened. Every character makes or extends a term, so a term is the
// last when the text ends after it, unless it is a constant that an empty literal must follow.
template <class Take>
bool Expression::ForEachTextTerm(Take&& take) const
{
    using namespace expression_terms;
    const std::string_view source = Text();
    constexpr ExpressionTerm EmptyLiteral{{}, 2, true, false};
    bool any = false;
    bool emptyLiteralAfter = false; // after the text's last term
    const auto hand = [&](const ExpressionTerm& term, std::size_t end) {
        bool last = false;
        if (!any || end == source.size()) [[unlikely]] {
            if (!any && IsEmptyLiteralNeeded(term) && !take(EmptyLiteral, false))
                return false;
            any = true;
            emptyLiteralAfter = end == source.size() && IsEmptyLiteralNeeded(term);
            last = end == source.size() && !emptyLiteralAfter;
        }
        return take(term, last);
    };
    constexpr std::size_t NoLiteral = std::string_view::npos;
    std::size_t literalStart = NoLiteral;
    std::size_t literalWidth = 0;
    bool literalQuoted = false;
    const auto closeLiteral = [&](std::size_t end) {
        if (literalStart == NoLiteral)
            return true;
        const ExpressionTerm literal{source.substr(literalStart, end - literalStart), literalWidth + 2, true, false,
                                     literalQuoted};
        literalStart = NoLiteral;
        literalWidth = 0;
        literalQuoted = false;
        return hand(literal, end);
    };
    const auto grow = [&](std::size_t at, std::size_t width) {
        if (literalStart == NoLiteral)
            literalStart = at;
        literalWidth += width;
    };
    const auto constant = [&](const ExpressionTerm& term, std::size_t at, std::size_t length) {
        return closeLiteral(at) && hand(term, at + length);
    };
    for (std::size_t at = 0; at < source.size();) {
        // Text is mostly runs of plain characters, each put in the literal at once.
        if (const std::size_t run = PlainRunAt(source, at); run != 0) {
            grow(at, run);
            at += run;
            continue;
        }
        if (const std::size_t lineBreak = LineBreakAt(source, at); lineBreak != 0) {
            if (!constant(ConstantTerm(lineBreak == 2       ? CrLfName
                                       : source[at] == '\r' ? CrName
                                                            : LfName,
                                       true),
                          at, lineBreak))
                return false;
            at += lineBreak;
            continue;
        }
        // The text is well-formed UTF-8, repaired where it was not.
        const Utf8Character character = DecodeUtf8At(source, at).value();
        const char32_t c = character.Value;
        bool handed = true;
        if (c == '"') {
            grow(at, 2);
            literalQuoted = true;
        } else if (c == '\t' && kind == TextKind::Body) {
            handed = constant(ConstantTerm(TabName), at, 1);
        } else if (c == 0) {
            handed = constant(ConstantTerm(NullCharName), at, 1);
        } else if (const std::size_t width = WidthInLiteral(c, *codePage); width != 0) {
            grow(at, width);
        } else {
            const SpelledText text = Spell(c);
            handed = constant(ConstantTerm(text.View()), at, character.Length);
        }
        if (!handed)
            return false;
        at += character.Length;
    }
    if (!closeLiteral(source.size()))
        return false;
    return !(!any || emptyLiteralAfter) || take(EmptyLiteral, true);
}

} // namespace vellumet
