#include "Notices.h"

#include <string>

namespace vellumet {
namespace {

// The file's name stands on a line of its own, between blank lines.
MessageBoxRequest Notice(std::string_view before, std::string_view helpFile, std::string_view after)
{
    std::string prompt(before);
    prompt.append("\r\n\r\n").append(helpFile).append("\r\n\r\n").append(after);
    return {prompt, InformationStyle, ProgramTitle, std::nullopt};
}

} // namespace

MessageBoxRequest NoViewerNotice(std::string_view helpFile)
{
    return Notice("No program on this computer can open the help file", helpFile,
                  "Please install a viewer for help files of this kind, then try again.");
}

MessageBoxRequest MissingHelpFileNotice(std::string_view helpFile)
{
    if (helpFile.empty())
        return {"This message box has no help file.\r\n\r\n"
                "Please enter the name of its help file on the \"Help Button\" tab.",
                InformationStyle, ProgramTitle, std::nullopt};
    return Notice("There is no help file at", helpFile,
                  "Please check the name and folder of the help file on the \"Help Button\" tab.");
}

} // namespace vellumet
