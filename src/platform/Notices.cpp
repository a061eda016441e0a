// The texts of the help notices and which of them a failed opening gets.
#include "Notices.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vellumet {
namespace {

MessageBoxRequest Information(std::string prompt) { return {std::move(prompt), InformationStyle, ProgramTitle, {}}; }

// The file's name stands on a line of its own, between blank lines.
MessageBoxRequest NamingFile(std::string_view before, std::string_view helpFile, std::string_view after)
{
    std::string prompt(before);
    prompt.append("\r\n\r\n").append(helpFile).append("\r\n\r\n").append(after);
    return Information(std::move(prompt));
}

MessageBoxRequest MissingHelpFileNotice(std::string_view helpFile)
{
    if (helpFile.empty())
        return Information("This message box has no help file.\r\n\r\n"
                           "Please enter the name of its help file on the \"Help Button\" tab.");
    return NamingFile("There is no help file at", helpFile,
                      "Please check the name and folder of the help file on the \"Help Button\" tab.");
}

bool EndsWith(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

} // namespace

HelpFileKind HelpFileKindOf(std::string_view file)
{
    if (EndsWith(file, ".chm"))
        return HelpFileKind::Compiled;
    if (EndsWith(file, ".hlp"))
        return HelpFileKind::WindowsHelp;
    return HelpFileKind::NotHelp;
}

std::optional<MessageBoxRequest> HelpNotice(OpenResult result, std::string_view helpFile,
                                            const MessageBoxRequest& missing)
{
    switch (result) {
    case OpenResult::Opened: return std::nullopt;
    case OpenResult::NotFound: return missing;
    case OpenResult::NoViewer:
        return NamingFile("No program on this computer can open the help file", helpFile,
                          "Please install a viewer for help files of this kind, then try again.");
    case OpenResult::NotHelpFile:
        return NamingFile("This is not a help file:", helpFile,
                          "Help opens only help files, whose names end in .chm or .hlp.");
    }
    return std::nullopt;
}

std::optional<MessageBoxRequest> HelpButtonNotice(OpenResult result, std::string_view helpFile)
{
    return HelpNotice(result, helpFile, MissingHelpFileNotice(helpFile));
}

} // namespace vellumet
