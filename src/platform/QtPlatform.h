#pragma once

#include "platform/Platform.h"

#include <QString>

class QWidget;

namespace vellumet {

// The desktop services on Qt.
class QtPlatform : public Platform {
public:
    int ShowMessageBox(const MessageBoxRequest& request) override;
    void ClearClipboard() override;
    bool SetClipboardText(const std::string& text) override;
    std::string ApplicationPath() override;

    // Where a help path typed in the Windows manner lies on this system: on a
    // system whose separator is "/", backslashes are read as separators.
    static QString LocalHelpPath(const std::string& helpFile);

    // The window that message boxes belong to; none by default.
    void setOwner(QWidget* owner) { m_owner = owner; }

private:
    QWidget* m_owner = nullptr;
};

} // namespace vellumet
