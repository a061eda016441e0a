// A statement of generated code laid out within its language's limits, continued over several lines when one line
// cannot hold it.
#pragma once

#include "BodyExpression.h"
#include "Languages.h"
#include "StringAppender.h"

#include <string>
#include <string_view>
#include <utility>

namespace vellumet {

// A piece of a statement: a term, or fixed text such as "\tMsgBox ", and what follows it (" & ", ", ", ")" or
// nothing). A statement may break only after a joiner that ends with a space.
struct StatementPart {
    const ExpressionTerm& Term;
    std::string_view Joiner;
};

// The literal split after the longest run of its characters that takes at most `room` bytes of the code page as
// written; a character stays whole. The head is empty when not one character fits.
std::pair<ExpressionTerm, ExpressionTerm> SplitLiteral(const ExpressionTerm& literal, std::size_t room,
                                                       const CodePageWidth& codePage);

// Hands take(piece, last) the term as it is, or, for a literal wider than `most` bytes, literals of at most that width
// each, so that a text built over several statements can go on in the next statement between two of them.
template <class Take>
void ForEachPiece(ExpressionTerm term, std::size_t most, const CodePageWidth& codePage, Take&& take)
{
    for (; term.Literal && term.Width > most;) {
        const auto [head, tail] = SplitLiteral(term, most - 2, codePage);
        take(head, false);
        term = tail;
    }
    take(term, true);
}

// Fills lines as far as the language lets a physical line go and breaks them with " _": after the last line-break
// constant of the line when what follows it fits on the next line, else inside a literal that would not fit (as
// "..." & _), else after the last joiner. Continued lines have one tab more than the statement's own. The statement
// is written at the end of the code as it grows, its lines joined by CR LF, without a line break after the last;
// the code is whole again when the layout goes.
class StatementLayout {
public:
    StatementLayout(const LanguageRow& language, const CodePageWidth& codePage, std::string& code);

    // Adds a part; false, with nothing added, when the statement would then break the language's limits on
    // continuations or on its length. Most parts go on the line as it stands. Add and Put run for every term of the
    // code, so they are made part of the loop over the terms, where most of the time goes.
    [[gnu::always_inline]] bool Add(const StatementPart& whole)
    {
        const std::size_t width = whole.Term.Width + whole.Joiner.size();
        if (at.LineWidth + width <= MostOnLine() && FitsStatement(width)) {
            Put(whole.Term, whole.Joiner);
            return true;
        }
        return AddOverLines(whole);
    }

    // How many times the statement has been continued.
    std::size_t Continuations() const { return at.Continuations; }

    // Takes the joiner of the last part away again, for a statement that ends before the part it joined.
    void DropJoiner(std::string_view joiner);

private:
    const LanguageRow& language;
    const CodePageWidth& codePage;
    // The language's limits, at hand for each part: a line keeps a place for the " _" of a break after its last part.
    const std::size_t mostOnLine;
    const std::size_t maxStatementLength;
    StringAppender code;
    // Where the layout stands; a part that does not fit puts it back as it was.
    struct Position {
        std::size_t LineStart; // in the code; the ended lines stand before it
        std::size_t ClosedWidth = 0;
        std::size_t Continuations = 0;
        std::size_t LineWidth = 0;
        // Where the line best breaks, after the joiner of its last line-break constant, and the line's width there.
        std::size_t BestBreak = std::string::npos;
        std::size_t BestBreakWidth = 0;
    } at;

    // Add for a part that does not fit on the line as it stands.
    bool AddOverLines(const StatementPart& whole);
    [[gnu::always_inline]] void Put(const ExpressionTerm& term, std::string_view joiner)
    {
        AppendTerm(code, term);
        code.append(joiner);
        at.LineWidth += term.Width + joiner.size();
        if (term.EndsLine && joiner.ends_with(' ')) {
            at.BestBreak = code.size();
            at.BestBreakWidth = at.LineWidth;
        }
    }
    bool BreakAt(std::size_t breakAt, std::size_t widthThere);
    std::size_t MostOnLine() const { return mostOnLine; }
    // Whether `more` bytes on the line keep the statement within its length. The line end after the statement's last
    // line is counted too, so that the limit holds however an editor counts it.
    bool FitsStatement(std::size_t more) const
    {
        return at.ClosedWidth + at.LineWidth + more + LineEnd.size() <= maxStatementLength;
    }
    bool WithinLimits() const { return FitsStatement(0); }

    static constexpr std::string_view Continuation = "_";
    static constexpr std::string_view LineEnd = "\r\n";
};

} // namespace vellumet
