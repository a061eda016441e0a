#include "frmSplash.h"

#include "CentreOnScreen.h"
#include "Pictures.h"
#include "frmMain.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QTimer>

namespace vellumet {

frmSplash::frmSplash(Platform& platform, std::chrono::milliseconds showTime)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , platform(platform)
    , showTime(showTime)
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
    Image1->setPixmap(pictures::SplashLogo());
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // A coarse timer may fire up to 5% early; the logo is shown for the full time.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    Form_Load();
}

void frmSplash::Form_Load()
{
    mainWindow = new frmMain(platform);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->setEnabled(false);
    show();
    Timer1->start(showTime);
    platform.MakeTopmost(winId());
}

void frmSplash::Timer1_Timer()
{
    mainWindow->setEnabled(true);
    mainWindow->show();
    close();
}

} // namespace vellumet
