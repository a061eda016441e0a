// Laying out a statement over continued lines.
#include "StatementLayout.h"

#include <utility>

namespace vellumet {
namespace {

constexpr std::string_view ContinuedIndent = "\t\t";
// A split literal ends with a quote and " & ", and goes on in a literal of its own on the next line.
constexpr std::string_view LiteralJoiner = " & ";

} // namespace

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
    return {{inside.substr(0, at), width + 2, true, false, literal.MayHoldQuote},
            {inside.substr(at), literal.Width - width, true, literal.EndsLine, literal.MayHoldQuote}};
}

StatementLayout::StatementLayout(const LanguageRow& language, const CodePageWidth& codePage, std::string& code)
    : language(language)
    , codePage(codePage)
    , mostOnLine(language.MaxLineLength - Continuation.size())
    , maxStatementLength(language.MaxStatementLength)
    , code(code)
    , at{code.size()}
{}

bool StatementLayout::BreakAt(std::size_t breakAt, std::size_t widthThere)
{
    static const std::string lineBreak = std::string(Continuation).append(LineEnd).append(ContinuedIndent);
    code.insert(breakAt, lineBreak);
    at.ClosedWidth += widthThere + Continuation.size() + LineEnd.size();
    at.LineStart = breakAt + Continuation.size() + LineEnd.size();
    at.LineWidth = ContinuedIndent.size() + at.LineWidth - widthThere;
    at.BestBreak = std::string::npos;
    return ++at.Continuations <= language.MaxContinuations && WithinLimits();
}

void StatementLayout::DropJoiner(std::string_view joiner)
{
    if (code.size() - at.LineStart >= joiner.size() && code.ends_with(joiner)) {
        code.resize(code.size() - joiner.size());
        at.LineWidth -= joiner.size();
    }
}

bool StatementLayout::AddOverLines(const StatementPart& whole)
{
    // The ended lines stay as they are; a break rewrites the line and what follows it.
    const Position saved = at;
    const std::string savedLine(code.view().substr(at.LineStart));
    const auto refuse = [&] {
        code.resize(saved.LineStart);
        code.append(savedLine);
        at = saved;
        return false;
    };
    ExpressionTerm term = whole.Term;
    const std::size_t most = MostOnLine();
    for (;;) {
        const std::size_t needed = term.Width + whole.Joiner.size();
        if (at.LineWidth + needed <= most) {
            Put(term, whole.Joiner);
            return WithinLimits() || refuse();
        }
        const bool breakable =
            code.size() > at.LineStart && code.ends_with(" ") && at.LineWidth > ContinuedIndent.size();
        if (at.BestBreak != std::string::npos &&
            ContinuedIndent.size() + at.LineWidth - at.BestBreakWidth + needed <= most) {
            if (!BreakAt(at.BestBreak, at.BestBreakWidth))
                return refuse();
            continue;
        }
        if (term.Literal && at.LineWidth + 2 + LiteralJoiner.size() < most) {
            const auto [head, tail] = SplitLiteral(term, most - at.LineWidth - 2 - LiteralJoiner.size(), codePage);
            if (head.Width > 2) {
                Put(head, LiteralJoiner);
                if (!BreakAt(code.size(), at.LineWidth))
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
        if (!BreakAt(code.size(), at.LineWidth))
            return refuse();
    }
}

} // namespace vellumet
