#include "Functions.h"

#include "MessageBoxStyle.h"

#include <algorithm>
#include <cctype>

namespace vellumet {
namespace {

constexpr std::string_view crlf = "\r\n";

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

BodyPieces::iterator::iterator(std::string_view body, std::size_t position)
    : m_body(body)
    , m_position(position)
{
    readPiece();
}

BodyPieces::iterator& BodyPieces::iterator::operator++()
{
    m_position += m_length;
    readPiece();
    return *this;
}

BodyPieces::iterator BodyPieces::iterator::operator++(int)
{
    iterator before = *this;
    ++*this;
    return before;
}

void BodyPieces::iterator::readPiece()
{
    using Kind = BodyPiece::Kind;
    const std::string_view rest = m_body.substr(m_position);
    if (rest.empty()) {
        m_length = 0;
        return;
    }
    const auto isSpecial = [](char c) { return c == '\r' || c == '\n' || c == '\t'; };
    const auto textLength = static_cast<std::size_t>(std::find_if(rest.begin(), rest.end(), isSpecial) - rest.begin());
    if (textLength > 0)
        m_piece = {Kind::Text, rest.substr(0, textLength)};
    else if (rest.starts_with(crlf))
        m_piece = {Kind::CrLf, {}};
    else
        m_piece = {rest.front() == '\r' ? Kind::Cr : rest.front() == '\n' ? Kind::Lf : Kind::Tab, {}};
    m_length = m_piece.kind == Kind::Text ? textLength : m_piece.kind == Kind::CrLf ? 2 : 1;
}

static_assert(std::forward_iterator<BodyPieces::iterator>);

BodyPieces ConvertLineBreaks(std::string_view body) { return BodyPieces(body); }

std::string QuoteBody(const BodyPieces& pieces)
{
    std::string expression;
    QuoteBody(pieces, expression);
    return expression;
}

void QuoteBody(const BodyPieces& pieces, std::string& out)
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
    for (const BodyPiece& piece : pieces) {
        if (piece.kind == Kind::Text) {
            if (!literal.empty())
                appendLiteral(literal);
            literal = piece.text;
            continue;
        }
        if (!literal.empty() || (out.size() == start && piece.kind != Kind::CrLf))
            appendLiteral(literal);
        appendTerm("", ConstantName(piece.kind), "");
        literal = {};
        lastConstant = piece.kind;
    }
    if (!literal.empty() || lastConstant != Kind::CrLf)
        appendLiteral(literal);
}

std::string BuildSelectCase(ButtonChoice buttonOption, std::string_view variable)
{
    if (buttonOption == ButtonChoice::OKOnly)
        return {};

    std::string block = "\tSelect Case ";
    block += variable;
    for (Answer answer : ButtonSetOf(buttonOption).Buttons) {
        block += crlf;
        block += "\t\tCase " + std::to_string(static_cast<int>(answer)) + "  'User has clicked ";
        block += AnswerCaption(answer);
        block += crlf;
        block += "\t\t\t'*** Your Code Here ***";
    }
    block += crlf;
    block += "\tEnd Select";
    block += crlf;
    block += "'*** End Vellumet Code ***";
    return block;
}

} // namespace vellumet
