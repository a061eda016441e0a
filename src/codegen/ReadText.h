// Reading a string expression written out in Visual Basic, as the texts of a MsgBox call and the String variables
// built before it are written.
#pragma once

#include "VbLexer.h"

#include <map>
#include <string>
#include <string_view>

namespace vellumet {

// Thrown from deep inside the readers of a call and caught once at their top, where it becomes the reason the call
// is refused.
struct ReadRefusal {
    std::string Reason;
};

[[noreturn]] void RefuseRead(std::string reason);

// The texts of the String variables set before a call, by name in lower case, as Visual Basic names match in any
// letter case.
using TextVariables = std::map<std::string, std::string>;

std::string VariableKey(std::string_view name);

// Reads a string expression: string literals, the text constants, Chr, ChrW and Space of a number written out, and
// the variables given, in parentheses, joined by "&" or "+". `part` names what is read in a refusal ("the body").
// A character ChrW names is kept as UTF-8; half of one beyond U+FFFF is kept as its three bytes, as WTF-8 writes
// it, and joins the other half when that follows, so that text built piece by piece may split a pair.
std::string ReadText(Tokens tokens, std::string_view part, const TextVariables& variables);

// Refuses text that still holds half of a character.
void RefuseHalfCharacters(std::string_view text, std::string_view part);

} // namespace vellumet
