// What each desktop's front end does for the portable windows frmMain and frmSplash: it shows their changes
// of state and reports the user's events back to them.
#pragma once

#include "Layout.h"
#include "platform/Platform.h"

#include <chrono>

namespace vellumet {

// The kinds of user event that frmMain has handlers for.
enum class Event { Click, GotFocus, MouseMove };

// The properties of a control that the window's behaviour changes.
enum class Property { Text, Value, Enabled, ForeColor, Selection };

// What a desktop's main window does for the portable frmMain: it shows each
// change of state, and reports the user's events back to frmMain's event
// functions (Clicked, Edited, GotFocus, MouseMoved, TabSelected, UnloadQuery).
class MainWindowFrontEnd {
public:
    virtual ~MainWindowFrontEnd() = default;

    // A property of the control changed; the front end reads it from frmMain and shows it.
    virtual void Show(Control control, Property property) = 0;
    virtual void ShowTab(int tab) = 0;
    // Moves the keyboard focus; the front end reports GotFocus when the control has it.
    virtual void MoveFocus(Control control) = 0;
    // Closes the window, which first asks frmMain's unload query.
    virtual void Unload() = 0;
    virtual WindowHandle Handle() = 0;
};

// What a desktop does for the portable frmSplash.
class SplashFrontEnd {
public:
    virtual ~SplashFrontEnd() = default;

    // Loads the main window hidden, which runs its Form_Load.
    virtual void LoadMainWindow() = 0;
    virtual void EnableMainWindow(bool enabled) = 0;
    virtual void ShowMainWindow() = 0;
    virtual void ShowSplash() = 0;
    // Fires Timer1_Timer each time the interval has passed, until the splash window unloads.
    virtual void StartTimer(std::chrono::milliseconds interval) = 0;
    virtual WindowHandle SplashHandle() = 0;
    virtual void UnloadSplash() = 0;
};

} // namespace vellumet
