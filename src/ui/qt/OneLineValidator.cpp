#include "OneLineValidator.h"

#include "codegen/LineBreaks.h"

namespace vellumet {

QValidator::State OneLineValidator::validate(QString& input, int& position) const
{
    QString joined;
    joined.reserve(input.size());
    int newPosition = position;
    for (qsizetype i = 0; i < input.size();) {
        const qsizetype lineBreak = LineBreakAt(input, i);
        if (lineBreak == 0) {
            joined += input[i++];
            continue;
        }
        joined += u' ';
        if (i < position)
            newPosition -= int(lineBreak) - 1;
        i += lineBreak;
    }
    input = joined;
    position = newPosition;
    return Acceptable;
}

} // namespace vellumet
