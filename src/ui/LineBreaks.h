#pragma once

#include <QStringView>

namespace vellumet {

// The length of the line break that starts at i: 2 for CR LF, 1 for a lone
// CR or LF, 0 where no line break starts.
inline qsizetype LineBreakAt(QStringView text, qsizetype i)
{
    if (text[i] == u'\r')
        return i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    return text[i] == u'\n' ? 1 : 0;
}

} // namespace vellumet
