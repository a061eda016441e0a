// The statements of generated code with their continued lines joined, and the most a line and a statement take.
#pragma once

#include "codegen/CodePage.h"
#include "codegen/Languages.h"
#include "codegen/LineBreaks.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vellumet::testing {

struct CodeMeasure {
    // Each continued line is joined on without its " _" and its leading tabs. Widths are in bytes of the code page,
    // a statement's with its line breaks.
    std::vector<std::string> Statements;
    std::size_t LongestLine = 0, MostContinuations = 0, LongestStatement = 0;
    // Every line break is a CR LF that ends a line; any other would break a string literal.
    bool OnlyCrLf = true;

    // Whether the code keeps to the language's limits, on lines as Visual Basic breaks them.
    bool Within(const LanguageRow& language) const
    {
        return OnlyCrLf && LongestLine <= language.MaxLineLength && MostContinuations <= language.MaxContinuations &&
               LongestStatement <= language.MaxStatementLength;
    }
};

inline CodeMeasure Measure(const std::string& code, const CodePageWidth& codePage)
{
    CodeMeasure measure;
    ForEachLineBreak(code, [&](std::size_t /*at*/, std::size_t length) { measure.OnlyCrLf &= length == 2; });
    std::istringstream lines(code);
    std::string statement;
    std::size_t continuations = 0, width = 0;
    for (std::string line; std::getline(lines, line);) {
        line.erase(line.find_last_not_of('\r') + 1);
        measure.LongestLine = std::max(measure.LongestLine, WidthIn(line, codePage));
        width += WidthIn(line, codePage) + 2;
        statement += line.substr(statement.empty() ? 0 : std::min(line.find_first_not_of('\t'), line.size()));
        if (statement.ends_with(" _")) {
            statement.pop_back();
            ++continuations;
            continue;
        }
        measure.MostContinuations = std::max(measure.MostContinuations, continuations);
        measure.LongestStatement = std::max(measure.LongestStatement, width);
        measure.Statements.push_back(std::exchange(statement, {}));
        continuations = width = 0;
    }
    return measure;
}

} // namespace vellumet::testing
