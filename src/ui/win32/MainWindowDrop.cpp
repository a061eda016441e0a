// Text dropped on the main window beside its text fields, read as a MsgBox
// call; the fields take no dropped text.
#include "MainWindow.h"

#include "TextDropTarget.h"

#include <utility>

namespace vellumet {

// The text is read once the drag has ended, so that a warning about it does
// not hold up the program it came from.
void Win32MainWindow::AcceptDroppedCalls()
{
    oleStarted = SUCCEEDED(OleInitialize(nullptr));
    if (!oleStarted)
        return;
    HWND main = Window(Control::frmMain);
    dropTarget = new TextDropTarget([this](POINT at) { return TakesDropAt(at); },
                                    [this, main](const std::string& text) {
                                        droppedText = text;
                                        PostMessageW(main, CallDroppedMessage, 0, 0);
                                    });
    RegisterDragDrop(main, dropTarget);
}

bool Win32MainWindow::TakesDropAt(POINT screenPoint) const
{
    HWND main = Window(Control::frmMain);
    HWND under = WindowFromPoint(screenPoint);
    if (!main || !IsWindowEnabled(main) || (under != main && !IsChild(main, under)))
        return false;
    const auto control = ControlOf(under);
    return !control || !IsTextField(*control);
}

void Win32MainWindow::ReadDroppedCall() { form.CallDropped(std::exchange(droppedText, {})); }

// As the window goes: nothing can be dropped on it any more.
void Win32MainWindow::StopAcceptingDrops()
{
    RevokeDragDrop(Window(Control::frmMain));
    if (dropTarget)
        std::exchange(dropTarget, nullptr)->Release();
    if (std::exchange(oleStarted, false))
        OleUninitialize();
}

} // namespace vellumet
