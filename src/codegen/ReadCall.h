// Reading a MsgBox call in Visual Basic source back into the window's choices.
#pragma once

#include "MessageBoxOptions.h"

#include <string>
#include <string_view>
#include <variant>

namespace vellumet {

// Reads Visual Basic source that holds one MsgBox call back into the window's
// choices: a statement ("MsgBox ...", "Call MsgBox(...)"), an assignment
// ("Answer = MsgBox(...)"), or a whole block as Copy Code writes it, in any
// of the languages. A line number or label may lead the call's line; any other
// statement on that line is refused, as the window could not keep it. Other
// statements around the call are passed over, but a String variable the
// call passes is read from the assignments before it that build its text.
//
// The body, title and help file must be text written out in the code: string
// literals, the text constants, Chr, ChrW and Space of numbers, and such
// variables, joined by "&" or "+". The style goes through EvaluateStyleTokens.
// Arguments may be named (Title:="Save"). A style written as one number reads
// back as CopyAsValue; constants, or no style at all, as text. When Help is
// the default button the code does not say which button of the set the
// window had chosen, so the set's first comes back. Without an assigned
// variable VariableText keeps its default.
//
// CodeLanguage is the language the source shows: the one whose folder
// expression leads the help file; else `language` unless the source rules it
// out (a declaration with "As" is not VBScript, which then gives Visual
// Basic 6), or VBScript for a Dim without "As". Holds the choices, or the
// reason the call cannot be read, naming the part of it that is refused.
std::variant<MessageBoxOptions, std::string> ReadCall(std::string_view source, Language language);

// The choices as far as generated code carries them, so that two sets of
// choices that generate the same code are equal here. Without a Help button
// its file, topic, App.Path and default go back to the window's defaults, as
// the window clears them; with Help default the set's first button is chosen;
// the help file loses its outer spaces and the topic is written as a number;
// a title of spaces is no title; OK only keeps no variable, and any other
// set's variable is cleaned as the generator cleans it. The options must be
// ones Copy Code accepts.
MessageBoxOptions CanonicalChoices(const MessageBoxOptions& options);

} // namespace vellumet
