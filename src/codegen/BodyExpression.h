// The texts of a call as Visual Basic string expressions: the terms each is made of, and the terms joined.
#pragma once

#include "CodePage.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellumet {

// A term of a string expression: a literal in its double quotes (each double quote inside doubled), or a constant or
// call that stands for characters no literal in the code may hold.
struct ExpressionTerm {
    std::string Text;
    std::size_t Width = 0; // in bytes of the code page the code is saved in
    bool Literal = false;
    bool EndsLine = false; // a line-break constant, after which a continued statement best breaks
};

// The body writes a tab as vbTab; the title and the help file, on one line, keep it in their literals.
enum class TextKind { Body, OneLine };

// The terms of an expression that evaluates to the text as typed. A line break (a CR LF pair is one) is vbCrLf,
// vbCr or vbLf, a tab of the body vbTab, NUL vbNullChar, any other control character Chr(n), and a character the
// code page does not hold ChrW(&Hn), a character beyond U+FFFF as its two UTF-16 halves. Empty literals are left
// out between two constants and next to a vbCrLf at either end; an empty text is "". The text is UTF-8; a byte that
// starts no character is written as U+FFFD.
std::vector<ExpressionTerm> ExpressionTerms(std::string_view text, TextKind kind, const CodePageWidth& codePage);

// The terms joined by " & ".
std::string JoinTerms(const std::vector<ExpressionTerm>& terms);

// The body's expression on one line.
std::string BodyExpression(std::string_view body, const CodePageWidth& codePage);

} // namespace vellumet
