#include "Functions.h"

#include <algorithm>
#include <cctype>

namespace vellumet {
namespace {

std::string_view ConstantName(BodyPiece::Kind kind)
{
    switch (kind) {
    case BodyPiece::Kind::CrLf: return "vbCrLf";
    case BodyPiece::Kind::Lf: return "vbLf";
    case BodyPiece::Kind::Cr: return "vbCr";
    case BodyPiece::Kind::Tab: return "vbTab";
    case BodyPiece::Kind::Text: break;
    }
    return {};
}

} // namespace

std::string_view TrimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string DoubleQuotes(std::string_view text)
{
    std::string doubled;
    doubled.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '"')));
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t quote = std::min(text.find('"', start), text.size());
        doubled.append(text.substr(start, quote - start));
        if (quote < text.size())
            doubled.append("\"\"");
        start = quote + 1;
    }
    return doubled;
}

std::string InQuotes(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    return quoted.append(1, '"').append(text).append(1, '"');
}

void QuoteBody(std::string_view body, std::string& out)
{
    using Kind = BodyPiece::Kind;
    const std::size_t start = out.size();
    auto appendTerm = [&](std::string_view open, std::string_view term, std::string_view close) {
        if (out.size() > start)
            out += " & ";
        out.append(open).append(term).append(close);
    };
    auto appendLiteral = [&](std::string_view text) { appendTerm("\"", text, "\""); };

    // The body alternates literals and constants. An empty literal is written only at an end that is
    // not a vbCrLf, or for an empty body; between two constants they are joined directly.
    std::string_view literal;
    Kind lastConstant = Kind::Text;
    ConvertLineBreaks(body, [&](const BodyPiece& piece) {
        // Runs are whole, so a run always follows a constant or starts the body.
        if (piece.kind == Kind::Text) {
            literal = piece.text;
            return;
        }
        if (!literal.empty() || (out.size() == start && piece.kind != Kind::CrLf))
            appendLiteral(literal);
        appendTerm("", ConstantName(piece.kind), "");
        literal = {};
        lastConstant = piece.kind;
    });
    if (!literal.empty() || lastConstant != Kind::CrLf)
        appendLiteral(literal);
}

std::string QuoteBody(std::string_view body)
{
    std::string expression;
    QuoteBody(body, expression);
    return expression;
}

} // namespace vellumet
