#pragma once

#include "frmMain.h"

#include <QPointer>
#include <QWidget>

#include <chrono>

class QLabel;
class QTimer;

namespace vellumet {

class Platform;

// The maker's logo, shown above all windows while the main window waits
// loaded, hidden and disabled; then the main window takes over.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds ShowTime{3000};

    // Loads the window, which runs the start-up sequence at once. Tests shorten showTime.
    explicit frmSplash(Platform& platform, std::chrono::milliseconds showTime = ShowTime);

    // The main window the start-up sequence loaded; it owns itself.
    frmMain* MainWindow() const { return mainWindow; }

private:
    void Form_Load();
    void Timer1_Timer();

    Platform& platform;
    std::chrono::milliseconds showTime;
    QLabel* Image1;
    QTimer* Timer1;
    QPointer<frmMain> mainWindow;
};

} // namespace vellumet
