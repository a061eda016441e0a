// The Qt splash window, frmSplash's front end.
#pragma once

#include "MainWindow.h"
#include "ui/FrontEnd.h"
#include "ui/frmSplash.h"

#include <QPointer>
#include <QWidget>

#include <chrono>
#include <optional>

class QLabel;
class QTimer;

namespace vellumet {

// frmSplash on Qt: a frameless window with the maker's logo, and its timer.
class QtSplashWindow : public QWidget, public SplashFrontEnd {
    Q_OBJECT

public:
    // Loads the window, which runs the start-up sequence at once. It deletes
    // itself when the main window takes over.
    explicit QtSplashWindow(Platform& platform, std::chrono::milliseconds showTime = frmSplash::ShowTime);

    // The main window the start-up sequence loaded; it owns itself.
    QtMainWindow* MainWindow() const { return mainWindow; }

    void LoadMainWindow() override;
    void EnableMainWindow(bool enabled) override;
    void ShowMainWindow() override;
    void ShowSplash() override;
    void StartTimer(std::chrono::milliseconds interval) override;
    WindowHandle SplashHandle() override;
    void UnloadSplash() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Platform& platform;
    QLabel* Image1;
    QTimer* Timer1;
    QPointer<QtMainWindow> mainWindow;
    std::optional<frmSplash> form;
    bool painted = false;
};

} // namespace vellumet
