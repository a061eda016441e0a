// The keeper of copied text on X11 once the program that copied it has ended.
#pragma once

#include <QString>

namespace vellumet {

// On X11 the clipboard's text lives in the program that copied it. When that
// program ends while it owns the clipboard and no clipboard manager runs to
// take the text, a small child process keeps offering the text, as
// command-line clipboard tools do, until another program takes the
// clipboard. Where a manager runs, Qt hands it the text as the program ends.
// Nothing is done on other desktops.
void KeepClipboardText(const QString& text);

} // namespace vellumet
