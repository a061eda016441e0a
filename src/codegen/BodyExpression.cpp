// The body expression: one pass over the body, writing fixed pieces through a pointer.
#include "BodyExpression.h"

#include "LineBreaks.h"
#include "VbConstants.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace vellumet {
namespace {

// What was written last, which decides how the next piece joins on.
enum class Written { Nothing, Literal, CrLf, OtherConstant };
constexpr int WrittenKinds = 4;

// The characters a string literal cannot hold, each written as its constant.
enum class Constant { CrLf, Lf, Cr, Tab };
constexpr std::array<std::string_view, 4> ConstantCharacters = {"\r\n", "\n", "\r", "\t"};

// A piece of fixed text with its length, in sixteen bytes, so that putting it is one copy of a size known when
// compiling: the bytes after the text are written over by the next piece.
struct Piece {
    std::array<char, 16> Bytes{};
    std::size_t Length = 0;
};

constexpr Piece PieceOf(std::string_view join, std::string_view name = {})
{
    Piece piece;
    for (char c : join)
        piece.Bytes.at(piece.Length++) = c;
    for (char c : name)
        piece.Bytes.at(piece.Length++) = c;
    return piece;
}

// A constant closes the literal before it; at the start it needs an empty literal before it, unless it is vbCrLf.
constexpr std::string_view JoinBefore(Written last, Constant constant)
{
    switch (last) {
    case Written::Nothing: return constant == Constant::CrLf ? "" : "\"\" & ";
    case Written::Literal: return "\" & ";
    case Written::CrLf:
    case Written::OtherConstant: break;
    }
    return " & ";
}

// Indexed by what was written last, then by the constant.
constexpr auto ConstantPieces = [] {
    std::array<std::array<Piece, ConstantCharacters.size()>, WrittenKinds> pieces{};
    for (std::size_t last = 0; last < pieces.size(); ++last)
        for (std::size_t constant = 0; constant < ConstantCharacters.size(); ++constant)
            pieces.at(last).at(constant) = PieceOf(JoinBefore(Written(last), Constant(constant)),
                                                   TextConstantName(ConstantCharacters.at(constant)));
    return pieces;
}();

// Indexed by what was written last: what opens a literal, and what ends the expression. Only a vbCrLf may end it;
// after any other constant, and in an empty body, an empty literal does.
constexpr std::array<Piece, WrittenKinds> LiteralOpenings = {PieceOf("\""), PieceOf(""), PieceOf(" & \""),
                                                             PieceOf(" & \"")};
constexpr std::array<Piece, WrittenKinds> Endings = {PieceOf("\"\""), PieceOf("\""), PieceOf(""), PieceOf(" & \"\"")};

// Writes into a string through a pointer, keeping the string longer than what is written and growing it when a
// piece would not fit: std::string::append checks the capacity and sets the length for each piece, and most pieces
// are a few bytes long.
class PieceWriter {
public:
    PieceWriter(std::string& out, std::size_t expected)
        : out(out)
    {
        const std::size_t written = out.size();
        out.resize(written + expected);
        to = out.data() + written;
        end = out.data() + out.size();
    }
    PieceWriter(const PieceWriter&) = delete;
    PieceWriter& operator=(const PieceWriter&) = delete;
    ~PieceWriter() { out.resize(static_cast<std::size_t>(to - out.data())); }

    void Put(const Piece& piece)
    {
        Room(sizeof piece.Bytes);
        std::memcpy(to, piece.Bytes.data(), sizeof piece.Bytes);
        to += piece.Length;
    }

    // A piece and then text.
    void Put(const Piece& piece, std::string_view text)
    {
        Room(sizeof piece.Bytes + text.size());
        std::memcpy(to, piece.Bytes.data(), sizeof piece.Bytes);
        to += piece.Length;
        std::memcpy(to, text.data(), text.size());
        to += text.size();
    }

private:
    std::string& out;
    char* to;
    char* end;

    void Room(std::size_t needed)
    {
        if (static_cast<std::size_t>(end - to) < needed) [[unlikely]]
            Grow(needed);
    }

    void Grow(std::size_t needed)
    {
        const auto written = static_cast<std::size_t>(to - out.data());
        out.resize(std::max(2 * out.size(), written + needed));
        to = out.data() + written;
        end = out.data() + out.size();
    }
};

} // namespace

void AppendBodyExpression(std::string_view body, std::string& out)
{
    // Room for text with a few line breaks; the writer grows for more.
    PieceWriter writer(out, body.size() + body.size() / 2 + 2 * sizeof(Piece));
    Written last = Written::Nothing;
    const auto putLiteral = [&](std::string_view text) {
        writer.Put(LiteralOpenings[static_cast<std::size_t>(last)], text);
        last = Written::Literal;
    };
    // The text between two stops is one run of a literal; a double quote in it is doubled.
    std::size_t runStart = 0;
    ForEachStop<'\t', '"'>(body, [&](std::size_t at, std::size_t length) {
        if (at > runStart)
            putLiteral(body.substr(runStart, at - runStart));
        runStart = at + length;
        const char c = body[at];
        if (c == '"') {
            putLiteral("\"\"");
            return;
        }
        const Constant constant = c == '\t'     ? Constant::Tab
                                  : length == 2 ? Constant::CrLf
                                  : c == '\r'   ? Constant::Cr
                                                : Constant::Lf;
        writer.Put(ConstantPieces[static_cast<std::size_t>(last)][static_cast<std::size_t>(constant)]);
        last = constant == Constant::CrLf ? Written::CrLf : Written::OtherConstant;
    });
    if (runStart < body.size())
        putLiteral(body.substr(runStart));
    writer.Put(Endings[static_cast<std::size_t>(last)]);
}

std::string BodyExpression(std::string_view body)
{
    std::string expression;
    AppendBodyExpression(body, expression);
    return expression;
}

} // namespace vellumet
