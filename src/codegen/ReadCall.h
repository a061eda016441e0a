// Reading a MsgBox call in Visual Basic source back into the window's choices.
#pragma once

#include "MessageBoxOptions.h"

#include <string>
#include <string_view>
#include <variant>

namespace vellumet {

// Reads Visual Basic source that holds one MsgBox call back into the window's
// choices: a statement ("MsgBox ...", "Call MsgBox(...)"), an assignment
// ("Answer = MsgBox(...)"), or a whole block as Copy Code writes it. Every
// other statement around the call is passed over. Holds the choices, or the
// reason the call cannot be read, naming the part of it that is refused.
//
// The body and title must be text written out in the code: string literals,
// the line-break and tab constants and Chr of those, joined by "&" or "+". The
// style goes through EvaluateStyleSource. A style written as one number reads
// back as CopyAsValue; constants, or no style at all, as text. When Help is
// the default button the code does not say which button of the set the
// window had chosen, so the set's first comes back. Without an assigned
// variable VariableText keeps its default.
std::variant<MessageBoxOptions, std::string> ReadCall(std::string_view source);

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
