// Turning the line breaks in a one-line field's text into spaces, with the caret kept in its place.
#include "OneLineValidator.h"

#include "codegen/LineBreaks.h"

namespace vellumet {

QValidator::State OneLineValidator::validate(QString& input, int& position) const
{
    int newPosition = position;
    input = ReplaceLineBreaks(input, u' ', [&](qsizetype at, qsizetype length) {
        if (at < position)
            newPosition -= int(length) - 1;
    });
    position = newPosition;
    return Acceptable;
}

} // namespace vellumet
