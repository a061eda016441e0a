// The look-up of the program the Linux desktop opens a type of file with.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vellumet {

// Finds, as the desktop's own launcher does, how the desktop opens a file of
// a type: its default application for the type, and the command that
// application's entry runs for the file. Returns the program's full path
// followed by its arguments, or nothing when the desktop has no application
// for the type or its program is not installed. The type is the caller's,
// never one guessed from the file's content. The window keeps painting while
// the desktop is asked; the user's input waits until it has answered.
std::optional<QStringList> ViewerCommand(const QString& mimeType, const QString& file);

} // namespace vellumet
