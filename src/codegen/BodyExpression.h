// The texts of a call as Visual Basic string expressions: the terms each is made of, and the terms joined.
#pragma once

#include "CodePage.h"

#include <list>
#include <string>
#include <string_view>
#include <vector>

namespace vellumet {

// A term of a string expression: a literal, written in double quotes with each double quote inside doubled, or a
// constant or call that stands for characters no literal in the code may hold, written as it is. A term's text is a
// view of the text it was made from or of its expression's spelled texts.
struct ExpressionTerm {
    std::string_view Text; // a literal's characters as they are, without its quotes; any other term as written
    std::size_t Width = 0; // as written, in bytes of the code page the code is saved in
    bool Literal = false;
    bool EndsLine = false; // a line-break constant, after which a continued statement best breaks
};

// Appends the term as the code writes it.
void AppendTerm(std::string& code, const ExpressionTerm& term);

// The terms of a string expression, with the texts that they show but the text made into the expression does not
// hold as they are. Moving an expression keeps its terms' views valid, as a list keeps its elements in place; a copy
// would view the original's texts, so there is none.
struct Expression {
    std::vector<ExpressionTerm> Terms;
    std::list<std::string> Spelled;

    Expression() = default;
    Expression(const Expression&) = delete;
    Expression& operator=(const Expression&) = delete;
    Expression(Expression&&) noexcept = default;
    Expression& operator=(Expression&&) noexcept = default;
    ~Expression() = default;

    // A term that shows the text as it is, kept by the expression.
    void AddFixed(std::string text);
};

// The body writes a tab as vbTab; the title and the help file, on one line, keep it in their literals.
enum class TextKind { Body, OneLine };

// The expression that evaluates to the text as typed, whose terms view the text, which must outlive them. A line
// break (a CR LF pair is one) is vbCrLf, vbCr or vbLf, a tab of the body vbTab, NUL vbNullChar, any other control
// character Chr(n), and a character the code page does not hold ChrW(&Hn), a character beyond U+FFFF as its two
// UTF-16 halves. Empty literals are left out between two constants and next to a vbCrLf at either end; an empty text
// is "". The text is UTF-8; a byte that starts no character is written as U+FFFD.
Expression ExpressionOf(std::string_view text, TextKind kind, const CodePageWidth& codePage);

// The terms joined by " & ".
std::string JoinTerms(const std::vector<ExpressionTerm>& terms);

// The body's expression on one line.
std::string BodyExpression(std::string_view body, const CodePageWidth& codePage);

} // namespace vellumet
