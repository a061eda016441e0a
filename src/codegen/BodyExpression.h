// The message body as a Visual Basic string expression, written in one pass over the body.
#pragma once

#include <string>
#include <string_view>

namespace vellumet {

// Appends a Visual Basic string expression that evaluates to the body as typed: literals, their double quotes
// doubled, and the constants vbCrLf, vbLf, vbCr and vbTab for the characters a literal cannot hold, joined by
// " & ". A CR LF pair is one vbCrLf. Empty literals are left out between two constants and next to a vbCrLf at
// either end; a body of one CR LF is the bare word vbCrLf, and an empty body is "".
void AppendBodyExpression(std::string_view body, std::string& out);

// The same expression as a string of its own.
std::string BodyExpression(std::string_view body);

} // namespace vellumet
