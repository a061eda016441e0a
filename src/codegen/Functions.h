#pragma once

#include "MessageBoxOptions.h"

#include <cstddef>
#include <iterator>
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
    std::string_view text; // for Kind::Text: a run of the body

    bool operator==(const BodyPiece&) const = default;
};

// The pieces of a body, read as they are walked: a CR LF pair is one vbCrLf,
// a CR that no LF follows is vbCr, and the text between is one run. The range
// views the body and copies nothing, so the body must outlive it.
class BodyPieces {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = BodyPiece;
        using difference_type = std::ptrdiff_t;
        using pointer = const BodyPiece*;
        using reference = const BodyPiece&;

        iterator() = default;
        reference operator*() const { return m_piece; }
        pointer operator->() const { return &m_piece; }
        iterator& operator++();
        iterator operator++(int);
        bool operator==(const iterator& other) const { return m_position == other.m_position; }

    private:
        friend class BodyPieces;
        iterator(std::string_view body, std::size_t position);
        void readPiece();

        std::string_view m_body;
        std::size_t m_position = 0; // where the current piece starts
        std::size_t m_length = 0;   // how many characters of the body it takes
        BodyPiece m_piece{BodyPiece::Kind::Text, {}};
    };

    explicit BodyPieces(std::string_view body)
        : m_body(body)
    {}
    iterator begin() const { return {m_body, 0}; }
    iterator end() const { return {m_body, m_body.size()}; }

private:
    std::string_view m_body;
};

// Splits the body (its double quotes already doubled) into literal runs and
// line-break and tab constants.
BodyPieces ConvertLineBreaks(std::string_view body);

// Writes the pieces as a Visual Basic string expression that evaluates to the
// body: literals and constants joined by " & ". Empty literals are left out
// between two constants and next to a vbCrLf at either end; a body of one
// CR LF is the bare word vbCrLf, and an empty body is "".
std::string QuoteBody(const BodyPieces& pieces);
// The same expression, appended to `out`.
void QuoteBody(const BodyPieces& pieces, std::string& out);

// The Select Case block over the answers of the chosen set, ending with the
// closing banner; empty for OK only.
std::string BuildSelectCase(ButtonChoice buttonOption, std::string_view variable);

} // namespace vellumet
