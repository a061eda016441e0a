// The program's own notices about help files that did not open, and what they are titled.
#pragma once

#include "platform/Platform.h"

#include <optional>
#include <string_view>

namespace vellumet {

// The program's own messages are titled with its name.
inline constexpr const char* ProgramTitle = "Vellumet";
// The published style word of an information box with one OK button.
inline constexpr int InformationStyle = 64; // vbInformation

// The kinds of help file, told by the name's ending alone, in any case: a
// help viewer is given only a file whose name says it is one, never a
// program, a script or a shortcut named in a help file's place.
enum class HelpFileKind { NotHelp, Compiled, WindowsHelp }; // Compiled is .chm, WindowsHelp is .hlp
HelpFileKind HelpFileKindOf(std::string_view file);

// What to tell the user when a help file did not open: nothing when it did,
// the missing notice when the file is not there, that nothing on this
// computer can show it, or that the name is not a help file's. Each failure
// has a notice of its own, since the one that says the file is missing would
// send the user looking for it.
std::optional<MessageBoxRequest> HelpNotice(OpenResult result, std::string_view helpFile,
                                            const MessageBoxRequest& missing);

// The same for the Help button of a message box, whose help file the user
// named, or left empty, on the "Help Button" tab.
std::optional<MessageBoxRequest> HelpButtonNotice(OpenResult result, std::string_view helpFile);

} // namespace vellumet
