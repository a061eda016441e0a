// The splash window's start-up, which loads the main window hidden and disabled behind it, and its
// hand-over to the main window when its timer fires.
#include "frmSplash.h"

namespace vellumet {

frmSplash::frmSplash(Platform& platform, SplashFrontEnd& frontEnd, std::chrono::milliseconds showTime)
    : platform(platform)
    , frontEnd(frontEnd)
    , showTime(showTime)
{
    Form_Load();
}

void frmSplash::Form_Load()
{
    frontEnd.LoadMainWindow();
    frontEnd.EnableMainWindow(false);
    frontEnd.ShowSplash();
    frontEnd.StartTimer(showTime);
    platform.MakeTopmost(frontEnd.SplashHandle());
}

// Unloading the splash window stops its timer, so the hand-over runs once.
void frmSplash::Timer1_Timer()
{
    frontEnd.EnableMainWindow(true);
    frontEnd.ShowMainWindow();
    frontEnd.UnloadSplash();
}

} // namespace vellumet
