// The Qt splash window: the logo in a frameless window, its timer, and the main window it loads, enables and
// shows, whose controls are made once the logo is on the screen.
#include "SplashWindow.h"

#include "CentreOnScreen.h"
#include "Pictures.h"

#include <QLabel>
#include <QTimer>

namespace vellumet {

QtSplashWindow::QtSplashWindow(Platform& platform, std::chrono::milliseconds showTime)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , platform(platform)
    , Image1(new QLabel(this))
    , Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(225, 44);
    CentreOnScreen(*this);

    // The logo is a row taller than the window; its bottom row stays hidden.
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 225, 45);
    Image1->setPixmap(pictures::SplashLogo(devicePixelRatioF()));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // A coarse timer may fire up to 5% early; the logo is shown for the full time.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { form->Timer1_Timer(); });

    form.emplace(platform, *this, showTime);
}

// The main window is loaded at once, its Form_Load run; its many controls are
// made once the splash window is on the screen, well before the main window shows.
void QtSplashWindow::LoadMainWindow()
{
    mainWindow = new QtMainWindow(platform, QtMainWindow::ControlsBuilt::Later);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
}

void QtSplashWindow::EnableMainWindow(bool enabled) { mainWindow->setEnabled(enabled); }

void QtSplashWindow::ShowMainWindow()
{
    mainWindow->BuildControls();
    mainWindow->show();
}

void QtSplashWindow::ShowSplash() { show(); }

void QtSplashWindow::StartTimer(std::chrono::milliseconds interval) { Timer1->start(interval); }

// The first painting puts the logo on the screen; the main window's controls
// are made on the event loop's next turn, after the window is flushed.
void QtSplashWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!painted && mainWindow)
        QTimer::singleShot(0, mainWindow, &QtMainWindow::BuildControls);
    painted = true;
}

WindowHandle QtSplashWindow::SplashHandle() { return static_cast<WindowHandle>(winId()); }

void QtSplashWindow::UnloadSplash() { close(); }

} // namespace vellumet
