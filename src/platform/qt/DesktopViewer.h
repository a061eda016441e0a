// The look-up of the program the Linux desktop opens a file with.
#pragma once

#include <QString>

#include <optional>

namespace vellumet {

// Finds, as the desktop's own launcher does, the program that opens a file:
// the file's type, the desktop's default application for that type, and the
// program that application's entry starts. Returns the program's full path,
// or nothing when the desktop has no application for the type or its
// program is not installed. The window keeps painting while the desktop is
// asked; the user's input waits until it has answered.
std::optional<QString> FindViewer(const QString& file);

} // namespace vellumet
