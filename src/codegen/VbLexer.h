// Visual Basic source as tokens: the one reader of VB text, for reading a call back and for reading a style.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vellumet {

// An unclosed string runs to the end of its line.
enum class TokenKind { Word, Number, String, UnclosedString, Symbol };

struct Token {
    TokenKind Kind;
    std::string_view Text; // As written in the source, which it views.
    std::string Value;     // A string's text, with each doubled quote made single.
    int Line;              // Counted from 1.
};

using Tokens = std::span<const Token>;
using Statement = std::vector<Token>;

// Splits source into statements of tokens. Comments ("'" and Rem) and line continuations (" _" at a line's end)
// go; line breaks and ":" end statements.
std::vector<Statement> Lex(std::string_view source);

bool IsWord(const Token& token, std::string_view word);
bool IsSymbol(const Token& token, std::string_view symbol);

// The tokens as written, from the first one's start to the last one's end, out of the source they view.
std::string_view SourceSpan(Tokens tokens);

// The value of a number as Visual Basic writes it: decimal, &H hexadecimal or &O octal, with an optional Long
// suffix "&". Like Visual Basic, a hexadecimal or octal number without the suffix that fits in 16 bits is an
// Integer, so &HFFFF is -1.
enum class NumberFault { None, NotANumber, TooLarge };
struct NumberValue {
    NumberFault Fault = NumberFault::None;
    std::int64_t Value = 0;
};
NumberValue ValueOfNumber(std::string_view text);

} // namespace vellumet
