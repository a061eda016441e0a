// Reading a style met in Visual Basic code, and putting a style into words.
#pragma once

#include "VbLexer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace vellumet {

// Why a number is not a message-box style, or nothing when it is one: every
// kind of choice holds a value some constant names, and no other bit is set.
std::string StyleFault(std::int64_t style);

// What a valid style asks of the box, in words, on one line.
std::string DescribeStyle(int style);

struct EvaluatedStyle {
    int Value = 0;
    bool PlainNumber = false; // The style was written as one number and nothing else.
};

// The value of a style written in Visual Basic: numbers as ValueOfNumber reads them and the published constants (in
// any letter case), joined by "+" and "Or", each term with an optional minus sign. Naming two constants of one kind
// is refused, as is a value that is no style. Holds the value, and whether it was written as one number, or the
// reason it was refused, quoting from `written`, the source the tokens view.
std::variant<EvaluatedStyle, std::string> EvaluateStyleTokens(Tokens tokens, std::string_view written);

// The same for a style on its own: its text is read into tokens first.
std::variant<EvaluatedStyle, std::string> EvaluateStyleText(std::string_view source);
std::variant<int, std::string> EvaluateStyle(std::string_view source);

struct DecodedStyle {
    std::string Translation; // The expression of a plain number, or the value of anything else.
    std::string Meaning;     // What the style asks of the box, as DescribeStyle words it.
};

// Reads a style met in old code, for someone who cannot: a plain number
// becomes its expression, an expression becomes its value. Holds the
// translation, or the reason the input was refused.
std::variant<DecodedStyle, std::string> DecodeStyle(std::string_view source);

} // namespace vellumet
