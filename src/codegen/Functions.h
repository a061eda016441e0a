#pragma once

#include "LineBreaks.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vellumet {

// Removes leading and trailing space characters only; tabs and line breaks stay.
std::string_view TrimSpaces(std::string_view text);

// Whether two words are equal in any ASCII letter case, as Visual Basic names are.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// Doubles every double quote, as a Visual Basic string literal needs.
std::string DoubleQuotes(std::string_view text);

// The text between two double quotes, as it is; nothing inside is doubled.
std::string InQuotes(std::string_view text);

// A piece of the message body: a run of literal text, or one of the characters
// that a Visual Basic string literal cannot hold, written as its named constant.
struct BodyPiece {
    enum class Kind { Text, CrLf, Lf, Cr, Tab };
    Kind kind;
    std::string_view text; // Only a Text piece has text, its run of the body.
};

// Hands the pieces of a body (its double quotes already doubled) to `take` in
// order: a CR LF pair is one vbCrLf, a CR that no LF follows is vbCr, and the
// text between two constants is one run. The runs view the body itself.
template <class Take>
void ConvertLineBreaks(std::string_view body, Take&& take)
{
    using Kind = BodyPiece::Kind;
    std::size_t runStart = 0;
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t lineBreak = LineBreakAt(body, at);
        const bool tab = body[at] == '\t';
        if (lineBreak == 0 && !tab) {
            ++at;
            continue;
        }
        if (at > runStart)
            take(BodyPiece{Kind::Text, body.substr(runStart, at - runStart)});
        take(BodyPiece{tab ? Kind::Tab : lineBreak == 2 ? Kind::CrLf : body[at] == '\r' ? Kind::Cr : Kind::Lf, {}});
        at += tab ? 1 : lineBreak;
        runStart = at;
    }
    if (runStart < body.size())
        take(BodyPiece{Kind::Text, body.substr(runStart)});
}

// Appends a Visual Basic string expression that evaluates to the body (its
// double quotes already doubled): literals and constants joined by " & ".
// Empty literals are left out between two constants and next to a vbCrLf at
// either end; a body of one CR LF is the bare word vbCrLf, and an empty body is "".
void QuoteBody(std::string_view body, std::string& out);
// The same expression as a string of its own.
std::string QuoteBody(std::string_view body);

} // namespace vellumet
