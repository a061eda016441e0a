// The terms of a string expression, written in one pass over the text.
#include "BodyExpression.h"

#include "LineBreaks.h"
#include "VbConstants.h"

#include <array>
#include <cstdio>

namespace vellumet {
namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

ExpressionTerm ConstantTerm(std::string text, bool endsLine = false)
{
    const std::size_t width = text.size();
    return {std::move(text), width, false, endsLine};
}

// ChrW(&H3A9): Visual Basic's way to write a character by its UTF-16 code, in hex without leading zeros.
ExpressionTerm ChrWTerm(unsigned code)
{
    char text[16];
    const int length = std::snprintf(text, sizeof text, "ChrW(&H%X)", code);
    return ConstantTerm(std::string(text, static_cast<std::size_t>(length)));
}

// The names of the characters a literal cannot hold, looked up once when compiling.
constexpr std::string_view CrLfName = TextConstantName("\r\n");
constexpr std::string_view CrName = TextConstantName("\r");
constexpr std::string_view LfName = TextConstantName("\n");
constexpr std::string_view TabName = TextConstantName("\t");
constexpr std::string_view NullCharName = TextConstantName(std::string_view("\0", 1));

bool IsEmptyLiteralNeeded(const ExpressionTerm& term) { return !term.Literal && term.Text != CrLfName; }

// The bytes a literal takes as they are in every code page: printable ASCII but the double quote.
constexpr std::array<bool, 256> PlainBytes = [] {
    std::array<bool, 256> plain{};
    for (int byte = 0x20; byte < 0x7F; ++byte)
        plain.at(static_cast<std::size_t>(byte)) = byte != '"';
    return plain;
}();

// How many plain bytes start at `at`.
std::size_t PlainRunAt(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && PlainBytes[static_cast<unsigned char>(text[end])])
        ++end;
    return end - at;
}

} // namespace

std::vector<ExpressionTerm> ExpressionTerms(std::string_view text, TextKind kind, const CodePageWidth& codePage)
{
    std::vector<ExpressionTerm> terms;
    // The literal being written, opened when the last term is no literal; each is closed at the end.
    const auto literal = [&]() -> ExpressionTerm& {
        if (terms.empty() || !terms.back().Literal)
            terms.push_back({"\"", 1, true, false});
        return terms.back();
    };
    for (std::size_t at = 0; at < text.size();) {
        // Text is mostly runs of plain characters, each put in the literal at once.
        if (const std::size_t run = PlainRunAt(text, at); run != 0) {
            ExpressionTerm& open = literal();
            open.Text.append(text.substr(at, run));
            open.Width += run;
            at += run;
            continue;
        }
        if (const std::size_t lineBreak = LineBreakAt(text, at); lineBreak != 0) {
            const std::string_view name = lineBreak == 2 ? CrLfName : text[at] == '\r' ? CrName : LfName;
            terms.push_back(ConstantTerm(std::string(name), true));
            at += lineBreak;
            continue;
        }
        const auto decoded = DecodeUtf8At(text, at);
        const Utf8Character character = decoded.value_or(Utf8Character{ReplacementCharacter, 1});
        const std::string_view bytes = decoded ? text.substr(at, character.Length) : "\xEF\xBF\xBD";
        const char32_t c = character.Value;
        at += character.Length;
        if (c == '"') {
            literal().Text.append("\"\"");
            literal().Width += 2;
        } else if (c == '\t' && kind == TextKind::Body) {
            terms.push_back(ConstantTerm(std::string(TabName)));
        } else if (c == 0) {
            terms.push_back(ConstantTerm(std::string(NullCharName)));
        } else if ((c < 0x20 && c != '\t') || c == 0x7F) {
            terms.push_back(ConstantTerm("Chr(" + std::to_string(c) + ")"));
        } else if (const std::size_t width = c < 0x80 ? 1 : codePage(c); width != 0) {
            literal().Text.append(bytes);
            literal().Width += width;
        } else if (c < 0x10000) {
            terms.push_back(ChrWTerm(c));
        } else {
            // One term, so that no statement or line ever parts the two halves.
            const char32_t offset = c - 0x10000;
            ExpressionTerm pair = ChrWTerm(0xD800 + (offset >> 10));
            const ExpressionTerm low = ChrWTerm(0xDC00 + (offset & 0x3FF));
            pair.Text.append(" & ").append(low.Text);
            pair.Width += 3 + low.Width;
            terms.push_back(std::move(pair));
        }
    }
    for (ExpressionTerm& term : terms)
        if (term.Literal) {
            term.Text += '"';
            ++term.Width;
        }
    const ExpressionTerm empty{"\"\"", 2, true, false};
    if (terms.empty() || IsEmptyLiteralNeeded(terms.front()))
        terms.insert(terms.begin(), empty);
    if (IsEmptyLiteralNeeded(terms.back()))
        terms.push_back(empty);
    return terms;
}

std::string JoinTerms(const std::vector<ExpressionTerm>& terms)
{
    std::string joined;
    for (const ExpressionTerm& term : terms)
        joined.append(joined.empty() ? "" : " & ").append(term.Text);
    return joined;
}

std::string BodyExpression(std::string_view body, const CodePageWidth& codePage)
{
    return JoinTerms(ExpressionTerms(body, TextKind::Body, codePage));
}

} // namespace vellumet
