// The splash window's start-up and its hand-over to the main window.
#include "ui/frmSplash.h"
#include "platform/RecordingPlatform.h"
#include "support/WindowDriver.h"
#include "ui/frmMain.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vellumet;
using namespace std::chrono_literals;

namespace {

// A desktop that writes down each step of the start-up in one list with the
// platform's calls, and loads a real frmMain when asked to.
struct RecordingSplash : SplashFrontEnd, vellumet::testing::RecordingFrontEnd {
    explicit RecordingSplash(vellumet::testing::RecordingPlatform& platform)
        : platform(platform)
    {}

    void LoadMainWindow() override
    {
        steps.push_back("load main");
        main = std::make_unique<frmMain>(platform, *this);
        form = main.get();
        steps.push_back("main loaded, caption " + main->DefaultButtonCaption());
    }
    void EnableMainWindow(bool enabled) override { steps.push_back(enabled ? "enable main" : "disable main"); }
    void ShowMainWindow() override { steps.push_back("show main"); }
    void ShowSplash() override { steps.push_back("show splash"); }
    void StartTimer(std::chrono::milliseconds interval) override
    {
        steps.push_back("timer " + std::to_string(interval.count()));
    }
    WindowHandle SplashHandle() override { return WindowHandle{0x5A}; }
    void UnloadSplash() override { steps.push_back("unload splash"); }

    vellumet::testing::RecordingPlatform& platform;
    std::unique_ptr<frmMain> main;
    std::vector<std::string> steps;
};

// The main window loads first, hidden and disabled, with its Form_Load run;
// then the splash shows, its timer starts and it is made topmost. The hand-over
// enables and shows the main window and unloads the splash, and loads nothing
// again. The timer takes a show time other than three seconds when given one.
TEST(Splash, LoadsMainWindowThenHandsOverOnTimer)
{
    vellumet::testing::RecordingPlatform platform;
    RecordingSplash desktop(platform);
    frmSplash splash(platform, desktop);

    EXPECT_EQ(desktop.steps, (std::vector<std::string>{"load main", "main loaded, caption OK", "disable main",
                                                       "show splash", "timer 3000"}));
    EXPECT_EQ(platform.calls, std::vector<std::string>{"MakeTopmost"});
    EXPECT_EQ(platform.topmostWindows, std::vector<WindowHandle>{desktop.SplashHandle()});

    desktop.steps.clear();
    splash.Timer1_Timer();
    EXPECT_EQ(desktop.steps, (std::vector<std::string>{"enable main", "show main", "unload splash"}));
    EXPECT_EQ(platform.calls.size(), 1u);

    RecordingSplash quickDesktop(platform);
    const frmSplash quickSplash(platform, quickDesktop, 200ms);
    EXPECT_EQ(quickDesktop.steps.back(), "timer 200");
}

} // namespace
