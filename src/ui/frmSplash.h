// The splash window every desktop shows while the main window loads behind it, before handing over to it.
#pragma once

#include "FrontEnd.h"
#include "platform/Platform.h"

#include <chrono>

namespace vellumet {

// The maker's logo, shown above all windows while the main window waits
// loaded, hidden and disabled; then the main window takes over.
class frmSplash {
public:
    static constexpr std::chrono::milliseconds ShowTime{3000};

    // Loads the window, which runs the start-up sequence at once. Tests shorten showTime.
    frmSplash(Platform& platform, SplashFrontEnd& frontEnd, std::chrono::milliseconds showTime = ShowTime);

    void Timer1_Timer();

private:
    void Form_Load();

    Platform& platform;
    SplashFrontEnd& frontEnd;
    std::chrono::milliseconds showTime;
};

} // namespace vellumet
