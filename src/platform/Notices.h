#pragma once

#include "platform/Platform.h"

#include <string_view>

namespace vellumet {

// The program's own messages are titled with its name.
inline constexpr const char* ProgramTitle = "Vellumet";
// The published style word of an information box with one OK button.
inline constexpr int InformationStyle = 64; // vbInformation

// Says that a help file is there but nothing on this computer can show it.
MessageBoxRequest NoViewerNotice(std::string_view helpFile);

// Says that a message box's help file, as the user gave it, is not there, or
// that none was given.
MessageBoxRequest MissingHelpFileNotice(std::string_view helpFile);

} // namespace vellumet
