#pragma once

#include <QAbstractButton>
#include <QWidget>

#include <functional>

// How the window's handlers hear of their events. Every handler of the main
// window is wired through these, so each kind of event behaves the same way
// for every control.
namespace vellumet::events {

using Handler = std::function<void()>;

// An option button's handler runs when the option becomes selected; a check
// box's runs when its value changes. Either way it runs at once, whether the
// user clicked or the program set the value, nested inside the setting code.
void OnClick(QAbstractButton* control, Handler handler);

// Runs when a label is clicked: pressed and released on it with the left button.
void OnLabelClick(QWidget* label, Handler handler);

// Runs on every focus gain, the program's setFocus included. A click that
// brings the focus would then place the caret, undoing what the handler
// selected; unless the click dragged out a selection of its own, the handler
// runs again once the click is done.
void OnGotFocus(QWidget* field, Handler handler);

// Runs on every pointer movement over the bare surface: over the surface
// itself or one of its own parts, not over a control it holds.
void OnMouseMove(QWidget* surface, Handler handler, const QList<QWidget*>& ownParts = {});

template <class Window>
Handler Calling(Window* window, void (Window::*handler)())
{
    return [window, handler] { (window->*handler)(); };
}

} // namespace vellumet::events
