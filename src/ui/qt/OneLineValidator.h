// A validator that keeps the text of a Qt one-line field on one line.
#pragma once

#include <QValidator>

namespace vellumet {

// Keeps a one-line field on one line: a line break that arrives by pasting or
// dropping becomes a space, so nothing is lost and the generated string
// literals never break across lines.
class OneLineValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

} // namespace vellumet
