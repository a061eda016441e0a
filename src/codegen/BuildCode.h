// The code generator: checking the choices, the text Copy Code puts on the clipboard and the box Try It shows.
#pragma once

#include "CodePage.h"
#include "MessageBoxOptions.h"
#include "MessageBoxRequest.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vellumet {

// The generated code joins its lines with CR LF, as Visual Basic source does,
// and ends with the closing banner, with no line break after it.
inline constexpr std::string_view Crlf = "\r\n";
inline constexpr std::string_view EndBanner = "'*** End Vellumet Code ***";

enum class GenerateMode { Try, Copy };

enum class GenerateFailure {
    BlankBody,           // The body is empty or only spaces.
    LineBreakInTitle,    // The title holds a CR or LF, which no string literal can hold.
    MissingVariableName, // Copy has answers to keep, but no variable name is left after cleaning.
    LineBreakInHelpFile, // The box has a Help button, and its help file holds a CR or LF.
    TopicNotConvertible, // The box has a Help button, and its topic is not a 16-bit whole number.
    ClipboardRefused,    // The clipboard did not take the text.
    TextNotUtf8,         // A text is not well-formed UTF-8, which only text from outside the window can be.
    // The cleaned variable name is one Visual Basic would not take; see VariableNameFault.
    VariableNameNotStartingWithLetter,
    VariableNameCharacter,
    VariableNameTooLong,
    VariableNameOutsideCodePage,
    VariableNameReserved,
};

// What to tell the user; the lines of a message are joined by CR LF.
std::string FailureMessage(GenerateFailure failure);

// An optionally signed decimal integer with spaces around it, -32768 to 32767.
std::optional<std::int16_t> ConvertTopicID(std::string_view text);
// What ConvertTopicID takes, in words: "a whole number from -32768 to 32767".
std::string TopicIDRange();

// Removes spaces, line breaks and double quotes, and writes each "&" as "and".
std::string CleanVariableName(std::string_view variable);

// The choices, checked once: what generation needs, parsed. It refers to the options it was checked from.
struct CheckedOptions {
    const MessageBoxOptions& Options;
    std::string VariableName; // cleaned; what the Dim and the Select Case name
    std::int16_t TopicID = 0; // 0 when the box has no Help button
    CodePageWidth CodePage;   // the code page the code is saved in
};

// The first reason the options cannot be tried or copied, or the checked values. The options must outlive them. The
// code page is UTF-8's, which keeps every character as it is, unless one is given.
std::variant<CheckedOptions, GenerateFailure> CheckOptions(GenerateMode mode, const MessageBoxOptions& options,
                                                           const CodePageWidth& codePage = Utf8Width);
std::variant<CheckedOptions, GenerateFailure> CheckOptions(GenerateMode mode, MessageBoxOptions&& options,
                                                           const CodePageWidth& codePage = Utf8Width) = delete;

// The complete source text that Copy Code puts on the clipboard.
std::string BuildCopyText(const CheckedOptions& checked);

// The message box that Try It shows. The application path is asked for only when the help file follows it.
MessageBoxRequest BuildTryRequest(const CheckedOptions& checked, const std::function<std::string()>& applicationPath);

// Copy Code's text, to be put on the clipboard.
struct CopyRequest {
    std::string Text;

    bool operator==(const CopyRequest&) const = default;
};

// What Try It or Copy Code is to do: show this box, copy this text, or refuse.
using GenerateResult = std::variant<GenerateFailure, MessageBoxRequest, CopyRequest>;

// Checks the options and builds what the mode asks for, with the code for the given code page. Nothing is shown or
// copied here; the window carries the result out through the platform.
GenerateResult GenerateCode(GenerateMode mode, const MessageBoxOptions& options,
                            const std::function<std::string()>& applicationPath, const CodePageWidth& codePage);

} // namespace vellumet
