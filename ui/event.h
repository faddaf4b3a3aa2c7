#pragma once
// The program's event raising. A handler runs to its end before the user can start another:
// an event raised while the program waits, or from inside a loop that a running handler waits
// in (a message box, a chooser), comes from the user, a screen reader among them, and is
// refused. The events a handler raises itself (the created handler of a window it opens, a
// content change it writes) run as usual.

#include <functional>

namespace tarnwick::ui {

// Raises an event: runs a copy of its handler, since the handler may destroy the window and
// with it the control or window that holds the handler. Does nothing while HandlersMayStart()
// is false.
void Raise(const std::function<void()>& handler);

// Whether an event raised now would start its handler. The controls ask before they take a
// screen reader's change, so that what they show always matches what their handlers saw.
bool HandlersMayStart();

}  // namespace tarnwick::ui
