// String expressions: the spelled terms, a malformed text's repair, and the terms written out.
#include "BodyExpression.h"

#include <cstdio>

namespace vellumet {
namespace expression_terms {

SpelledText Spell(char32_t character)
{
    SpelledText spelled;
    char* const text = spelled.Characters.data();
    const std::size_t room = spelled.Characters.size();
    int length = 0;
    // Chr(9) and ChrW(&H3A9): Visual Basic's ways to write a character by its code, ChrW's in hex without leading
    // zeros. A character beyond U+FFFF is one term of two halves, so that no statement or line ever parts them.
    if (character < 0x80) {
        length = std::snprintf(text, room, "Chr(%u)", static_cast<unsigned>(character));
    } else if (character < 0x10000) {
        length = std::snprintf(text, room, "ChrW(&H%X)", static_cast<unsigned>(character));
    } else {
        const char32_t offset = character - 0x10000;
        length = std::snprintf(text, room, "ChrW(&H%X) & ChrW(&H%X)", static_cast<unsigned>(0xD800 + (offset >> 10)),
                               static_cast<unsigned>(0xDC00 + (offset & 0x3FF)));
    }
    spelled.Length = static_cast<std::size_t>(length);
    return spelled;
}

bool IsEmptyLiteralNeeded(const ExpressionTerm& term) { return !term.Literal && term.Text != CrLfName; }

} // namespace expression_terms

namespace {

// The text with each byte that starts no well-formed character made U+FFFD.
std::string Repaired(std::string_view text)
{
    std::string repaired;
    for (std::size_t at = 0; at < text.size();) {
        const auto character = DecodeUtf8At(text, at);
        repaired.append(character ? text.substr(at, character->Length) : "\xEF\xBF\xBD");
        at += character ? character->Length : 1;
    }
    return repaired;
}

} // namespace

Expression::Expression(std::string_view text, TextKind kind, const CodePageWidth& codePage)
    : holdsText(true)
    , text(text)
    , kind(kind)
    , codePage(&codePage)
{
    if (FirstInvalidUtf8(text))
        repaired = Repaired(text);
}

Expression Expression::Fixed(std::string written)
{
    Expression expression;
    expression.lead = std::move(written);
    return expression;
}

std::size_t Expression::Width() const
{
    std::size_t width = 0;
    ForEachTerm([&](const ExpressionTerm& term, bool /*last*/) {
        width += term.Width;
        return true;
    });
    return width;
}

std::string JoinTerms(const Expression& expression)
{
    std::string joined;
    expression.ForEachTerm([&](const ExpressionTerm& term, bool last) {
        AppendTerm(joined, term);
        if (!last)
            joined.append(" & ");
        return true;
    });
    return joined;
}

std::string BodyExpression(std::string_view body, const CodePageWidth& codePage)
{
    return JoinTerms(Expression(body, TextKind::Body, codePage));
}

} // namespace vellumet
