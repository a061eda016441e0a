#include "OneLineValidator.h"

namespace vellumet {

QValidator::State OneLineValidator::validate(QString& input, int& position) const
{
    QString joined;
    joined.reserve(input.size());
    int newPosition = position;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input[i] == u'\r' && i + 1 < input.size() && input[i + 1] == u'\n') {
            if (i < position)
                --newPosition;
            continue; // the LF that follows makes the one space
        }
        joined += input[i] == u'\r' || input[i] == u'\n' ? u' ' : input[i];
    }
    input = joined;
    position = newPosition;
    return Acceptable;
}

} // namespace vellumet
