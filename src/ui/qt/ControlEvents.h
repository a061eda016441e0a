// Handlers for the events Qt widgets give no signal for: a label's click, the focus arriving in a field, the
// pointer moving over a bare surface, and Esc while a list is open.
#pragma once

#include <QComboBox>
#include <QWidget>

#include <functional>

// How the Qt front end hears of the events that Qt widgets give no signal for,
// so that each kind of event reaches the window's handlers the same way for
// every control.
namespace vellumet::events {

using Handler = std::function<void()>;

// Runs when a label is clicked: pressed and released on it with the left button.
void OnLabelClick(QWidget* label, Handler handler);

// Runs when the focus arrives from inside the window: by a key, a click or the
// program's setFocus. The focus coming back with the window, or from a menu
// that opened over it, is no arrival: the field keeps its caret. A click that
// brings the focus would then place the caret, undoing what the handler
// selected; unless the click dragged out a selection of its own, the handler
// runs again once the click is done.
void OnGotFocus(QWidget* field, Handler handler);

// Runs on every pointer movement over the bare surface: over the surface
// itself or one of its own parts, not over a control it holds.
void OnMouseMove(QWidget* surface, Handler handler, const QList<QWidget*>& ownParts = {});

// While the list is open, Esc only closes it: the window's own Esc does not
// take the key from the open list.
void KeepEscapeWhileOpen(QComboBox* list);

} // namespace vellumet::events
