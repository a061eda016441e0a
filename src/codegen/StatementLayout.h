// A statement of generated code laid out within its language's limits, continued over several lines when one line
// cannot hold it.
#pragma once

#include "BodyExpression.h"
#include "Languages.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellumet {

// A piece of a statement: a term, or fixed text such as "\tMsgBox ", and what follows it (" & ", ", ", ")" or
// nothing). A statement may break only after a joiner that ends with a space.
struct StatementPart {
    const ExpressionTerm& Term;
    std::string_view Joiner;
};

// The term as it is, or, for a literal wider than `most` bytes, literals of at most that width each, so that a text
// built over several statements can go on in the next statement between two of them.
std::vector<ExpressionTerm> LiteralPieces(const ExpressionTerm& term, std::size_t most, const CodePageWidth& codePage);

// Fills lines as far as the language lets a physical line go and breaks them with " _": after the last line-break
// constant of the line when what follows it fits on the next line, else inside a literal that would not fit (as
// "..." & _), else after the last joiner. Continued lines have one tab more than the statement's own.
class StatementLayout {
public:
    StatementLayout(const LanguageRow& language, const CodePageWidth& codePage);

    // Adds a part; false, with nothing added, when the statement would then break the language's limits on
    // continuations or on its length.
    bool Add(const StatementPart& whole);

    // Takes the joiner of the last part away again, for a statement that ends before the part it joined.
    void DropJoiner(std::string_view joiner);

    // Appends the statement's lines joined by CR LF, without a line break after the last.
    void AppendTo(std::string& code) const { code.append(closed).append(line); }

private:
    const LanguageRow& language;
    const CodePageWidth& codePage;
    std::string closed; // the lines already ended, each with " _" and CR LF
    std::size_t closedWidth = 0;
    std::size_t continuations = 0;
    std::string line;
    std::size_t lineWidth = 0;
    // Where the line best breaks, after the joiner of its last line-break constant, and the line's width there.
    std::size_t bestBreak = std::string::npos;
    std::size_t bestBreakWidth = 0;

    // The line as it stood before a part was added, for taking the part back.
    struct LineMark {
        std::size_t Size, Width, BestBreak, BestBreakWidth;
    };
    LineMark MarkLine() const;
    void RestoreLine(const LineMark& mark);
    // Add for a part that does not fit on the line as it stands.
    bool AddOverLines(const StatementPart& whole);
    void Put(const ExpressionTerm& term, std::string_view joiner);
    bool BreakAt(std::size_t at, std::size_t widthThere);
    std::size_t MostOnLine() const;
    bool WithinLimits() const;
};

} // namespace vellumet
