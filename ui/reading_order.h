#pragma once
// The order in which Tab walks a window's controls: the order a reader sees them.

#include <vector>

#include "ui/window_template.h"

namespace tarnwick::ui {

// The controls that take the keyboard's focus, top to bottom and then left to right by their
// places in the window (a group box's controls are placed inside it). The title strip's
// controls (the close cross) come after the body's, so that the first Tab of a window lands in
// its body and an Enter right after it never closes the window by surprise.
std::vector<const ControlRecord*> ReadingOrder(const WindowTemplate& source);

}  // namespace tarnwick::ui
