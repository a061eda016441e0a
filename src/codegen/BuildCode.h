#pragma once

#include "MessageBoxOptions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellumet {

class Platform;

enum class GenerateMode { Try, Copy };

enum class GenerateFailure {
    BlankBody,           // the body is empty or only spaces
    MissingVariableName, // Copy with more than one button and no variable name left after cleaning
    TopicNotConvertible, // the Help button is on and the topic is not a 16-bit whole number
    ClipboardRefused,    // the clipboard did not take the text
};

// What to tell the user; the lines of a message are joined by CR LF.
std::string_view FailureMessage(GenerateFailure failure);

// An optionally signed decimal integer with spaces around it, -32768 to 32767.
std::optional<std::int16_t> ConvertTopicID(std::string_view text);

// Removes spaces and double quotes and writes each "&" as "and".
std::string CleanVariableName(std::string_view variable);

// The help file as an argument of the generated call, with its own quotes.
std::string HelpFileArgument(std::string_view helpFileText, bool useAppPath);

// The first reason the options cannot be tried or copied, if any. Nothing is
// shown or copied when there is one.
std::optional<GenerateFailure> CheckOptions(GenerateMode mode, const MessageBoxOptions& options);

struct CopyText {
    std::string Code; // the generated source, when nothing failed
    std::optional<GenerateFailure> Failure;
};

// The complete source text that Copy Code puts on the clipboard.
CopyText BuildCopyText(const MessageBoxOptions& options);

// Try shows the described message box; Copy puts the source text on the
// clipboard. A failure of CheckOptions is returned before anything is shown or
// copied; a clipboard that refuses the text is left cleared.
std::optional<GenerateFailure> GenerateCode(GenerateMode mode, const MessageBoxOptions& options, Platform& platform);

} // namespace vellumet
