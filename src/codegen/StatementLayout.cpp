// Laying out a statement over continued lines.
#include "StatementLayout.h"

#include <utility>

namespace vellumet {
namespace {

constexpr std::string_view Continuation = "_";
constexpr std::string_view ContinuedIndent = "\t\t";
constexpr std::string_view LineEnd = "\r\n";
// A split literal ends with a quote and " & ", and goes on in a literal of its own on the next line.
constexpr std::string_view LiteralJoiner = " & ";

// The literal split after the longest run of its characters that takes at most `room` bytes of the code page as
// written; a character stays whole. The head is empty when not one character fits.
std::pair<ExpressionTerm, ExpressionTerm> SplitLiteral(const ExpressionTerm& literal, std::size_t room,
                                                       const CodePageWidth& codePage)
{
    const std::string_view inside = literal.Text;
    std::size_t at = 0;
    std::size_t width = 0;
    while (at < inside.size()) {
        std::size_t length = 1;
        std::size_t characterWidth = 1;
        if (inside[at] == '"') {
            characterWidth = 2;
        } else if (static_cast<unsigned char>(inside[at]) >= 0x80) {
            const auto character = DecodeUtf8At(inside, at);
            length = character ? character->Length : 1;
            characterWidth = character ? codePage(character->Value) : 1;
        }
        if (width + characterWidth > room)
            break;
        at += length;
        width += characterWidth;
    }
    return {{inside.substr(0, at), width + 2, true, false},
            {inside.substr(at), literal.Width - width, true, literal.EndsLine}};
}

} // namespace

std::vector<ExpressionTerm> LiteralPieces(const ExpressionTerm& term, std::size_t most, const CodePageWidth& codePage)
{
    std::vector<ExpressionTerm> pieces{term};
    while (pieces.back().Literal && pieces.back().Width > most) {
        const auto [head, tail] = SplitLiteral(pieces.back(), most - 2, codePage);
        pieces.back() = head;
        pieces.push_back(tail);
    }
    return pieces;
}

StatementLayout::StatementLayout(const LanguageRow& language, const CodePageWidth& codePage)
    : language(language)
    , codePage(codePage)
{}

void StatementLayout::Put(const ExpressionTerm& term, std::string_view joiner)
{
    AppendTerm(line, term);
    line.append(joiner);
    lineWidth += term.Width + joiner.size();
    if (term.EndsLine && joiner.ends_with(' ')) {
        bestBreak = line.size();
        bestBreakWidth = lineWidth;
    }
}

bool StatementLayout::BreakAt(std::size_t at, std::size_t widthThere)
{
    closed.append(line, 0, at).append(Continuation).append(LineEnd);
    closedWidth += widthThere + Continuation.size() + LineEnd.size();
    line = std::string(ContinuedIndent).append(line, at);
    lineWidth = ContinuedIndent.size() + lineWidth - widthThere;
    bestBreak = std::string::npos;
    return ++continuations <= language.MaxContinuations && WithinLimits();
}

void StatementLayout::DropJoiner(std::string_view joiner)
{
    if (line.ends_with(joiner)) {
        line.resize(line.size() - joiner.size());
        lineWidth -= joiner.size();
    }
}

// The line end after the statement's last line is counted too, so that the limit holds however an editor counts it.
// A line keeps a place for the " _" of a break after its last part.
std::size_t StatementLayout::MostOnLine() const { return language.MaxLineLength - Continuation.size(); }

bool StatementLayout::WithinLimits() const
{
    return closedWidth + lineWidth + LineEnd.size() <= language.MaxStatementLength;
}

StatementLayout::LineMark StatementLayout::MarkLine() const
{
    return {line.size(), lineWidth, bestBreak, bestBreakWidth};
}

void StatementLayout::RestoreLine(const LineMark& mark)
{
    line.resize(mark.Size);
    lineWidth = mark.Width;
    bestBreak = mark.BestBreak;
    bestBreakWidth = mark.BestBreakWidth;
}

bool StatementLayout::Add(const StatementPart& whole)
{
    // Most parts go on the line as it stands, and taking one of them back only shortens the line again.
    if (lineWidth + whole.Term.Width + whole.Joiner.size() <= MostOnLine()) {
        const LineMark mark = MarkLine();
        Put(whole.Term, whole.Joiner);
        if (WithinLimits())
            return true;
        RestoreLine(mark);
        return false;
    }
    return AddOverLines(whole);
}

bool StatementLayout::AddOverLines(const StatementPart& whole)
{
    // The ended lines only grow, so what was there before is their length; a break rewrites the line.
    const std::size_t closedSize = closed.size();
    const std::size_t savedClosedWidth = closedWidth;
    const std::size_t savedContinuations = continuations;
    const LineMark mark = MarkLine();
    std::string savedLine = line;
    const auto refuse = [&] {
        closed.resize(closedSize);
        closedWidth = savedClosedWidth;
        continuations = savedContinuations;
        line = std::move(savedLine);
        RestoreLine(mark);
        return false;
    };
    ExpressionTerm term = whole.Term;
    const std::size_t most = MostOnLine();
    for (;;) {
        const std::size_t needed = term.Width + whole.Joiner.size();
        if (lineWidth + needed <= most) {
            Put(term, whole.Joiner);
            return WithinLimits() || refuse();
        }
        const bool breakable = line.ends_with(' ') && lineWidth > ContinuedIndent.size();
        if (bestBreak != std::string::npos && ContinuedIndent.size() + lineWidth - bestBreakWidth + needed <= most) {
            if (!BreakAt(bestBreak, bestBreakWidth))
                return refuse();
            continue;
        }
        if (term.Literal && lineWidth + 2 + LiteralJoiner.size() < most) {
            const auto [head, tail] = SplitLiteral(term, most - lineWidth - 2 - LiteralJoiner.size(), codePage);
            if (head.Width > 2) {
                Put(head, LiteralJoiner);
                if (!BreakAt(line.size(), lineWidth))
                    return refuse();
                term = tail;
                continue;
            }
        }
        if (!breakable) {
            // Nothing on this line can break, which only a part longer than a whole line meets.
            Put(term, whole.Joiner);
            return refuse();
        }
        if (!BreakAt(line.size(), lineWidth))
            return refuse();
    }
}

} // namespace vellumet
