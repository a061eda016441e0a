// The terms of a string expression, made in one pass over the text as views of it, and written out.
#include "BodyExpression.h"

#include "LineBreaks.h"
#include "VbConstants.h"

#include <array>
#include <cstdio>
#include <optional>

namespace vellumet {
namespace {

// The names of the characters a literal cannot hold, looked up once when compiling.
constexpr std::string_view CrLfName = TextConstantName("\r\n");
constexpr std::string_view CrName = TextConstantName("\r");
constexpr std::string_view LfName = TextConstantName("\n");
constexpr std::string_view TabName = TextConstantName("\t");
constexpr std::string_view NullCharName = TextConstantName(std::string_view("\0", 1));

constexpr ExpressionTerm ConstantTerm(std::string_view name, bool endsLine = false)
{
    return {name, name.size(), false, endsLine};
}

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

// ChrW(&H3A9): Visual Basic's way to write a character by its UTF-16 code, in hex without leading zeros.
std::string ChrWText(unsigned code)
{
    char text[16];
    const int length = std::snprintf(text, sizeof text, "ChrW(&H%X)", code);
    return {text, static_cast<std::size_t>(length)};
}

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

// The terms of the text, with what is spelled in `spelled`; nothing where the text is not well-formed UTF-8.
std::optional<std::vector<ExpressionTerm>> TermsOf(std::string_view text, TextKind kind, const CodePageWidth& codePage,
                                                   std::list<std::string>& spelled)
{
    std::vector<ExpressionTerm> terms;
    const auto spell = [&](std::string written) {
        const std::string& kept = spelled.emplace_back(std::move(written));
        terms.push_back(ConstantTerm(kept));
    };
    // Each literal is a run of the text; it is open while it is the last term, and grows by the characters that
    // follow it, each as wide as written.
    const auto literal = [&](std::size_t at, std::size_t length, std::size_t width) {
        if (terms.empty() || !terms.back().Literal)
            terms.push_back({text.substr(at, 0), 0, true, false});
        ExpressionTerm& open = terms.back();
        open.Text = std::string_view(open.Text.data(), open.Text.size() + length);
        open.Width += width;
    };
    for (std::size_t at = 0; at < text.size();) {
        // Text is mostly runs of plain characters, each put in the literal at once.
        if (const std::size_t run = PlainRunAt(text, at); run != 0) {
            literal(at, run, run);
            at += run;
            continue;
        }
        if (const std::size_t lineBreak = LineBreakAt(text, at); lineBreak != 0) {
            terms.push_back(ConstantTerm(lineBreak == 2 ? CrLfName : text[at] == '\r' ? CrName : LfName, true));
            at += lineBreak;
            continue;
        }
        const auto decoded = DecodeUtf8At(text, at);
        if (!decoded)
            return std::nullopt;
        const Utf8Character character = *decoded;
        const char32_t c = character.Value;
        if (c == '"') {
            literal(at, 1, 2);
        } else if (c == '\t' && kind == TextKind::Body) {
            terms.push_back(ConstantTerm(TabName));
        } else if (c == 0) {
            terms.push_back(ConstantTerm(NullCharName));
        } else if ((c < 0x20 && c != '\t') || c == 0x7F) {
            spell("Chr(" + std::to_string(c) + ")");
        } else if (const std::size_t width = c < 0x80 ? 1 : codePage(c); width != 0) {
            literal(at, character.Length, width);
        } else if (c < 0x10000) {
            spell(ChrWText(c));
        } else {
            // One term, so that no statement or line ever parts the two halves.
            const char32_t offset = c - 0x10000;
            spell(ChrWText(0xD800 + (offset >> 10)) + " & " + ChrWText(0xDC00 + (offset & 0x3FF)));
        }
        at += character.Length;
    }
    for (ExpressionTerm& term : terms)
        if (term.Literal)
            term.Width += 2;
    const ExpressionTerm empty{{}, 2, true, false};
    if (terms.empty() || IsEmptyLiteralNeeded(terms.front()))
        terms.insert(terms.begin(), empty);
    if (IsEmptyLiteralNeeded(terms.back()))
        terms.push_back(empty);
    return terms;
}

} // namespace

void AppendTerm(std::string& code, const ExpressionTerm& term)
{
    if (!term.Literal) {
        code.append(term.Text);
        return;
    }
    code += '"';
    std::string_view rest = term.Text;
    for (std::size_t quote; (quote = rest.find('"')) != std::string_view::npos; rest.remove_prefix(quote + 1))
        code.append(rest.substr(0, quote)).append("\"\"");
    code.append(rest) += '"';
}

void Expression::AddFixed(std::string text)
{
    const std::string& kept = Spelled.emplace_back(std::move(text));
    Terms.push_back(ConstantTerm(kept));
}

Expression ExpressionOf(std::string_view text, TextKind kind, const CodePageWidth& codePage)
{
    Expression expression;
    auto terms = TermsOf(text, kind, codePage, expression.Spelled);
    if (!terms) {
        expression.Spelled.clear();
        terms = TermsOf(expression.Spelled.emplace_back(Repaired(text)), kind, codePage, expression.Spelled);
    }
    expression.Terms = std::move(*terms);
    return expression;
}

std::string JoinTerms(const std::vector<ExpressionTerm>& terms)
{
    std::string joined;
    for (const ExpressionTerm& term : terms) {
        if (&term != &terms.front())
            joined.append(" & ");
        AppendTerm(joined, term);
    }
    return joined;
}

std::string BodyExpression(std::string_view body, const CodePageWidth& codePage)
{
    return JoinTerms(ExpressionOf(body, TextKind::Body, codePage).Terms);
}

} // namespace vellumet
