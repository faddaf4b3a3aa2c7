#pragma once
// Which handler each event of each window runs.

#include "app/window_manager.h"
#include "host/host.h"

namespace tarnwick::app {

// The Setup of the window manager: wires the events of a freshly built window to their
// handlers, each run through the window manager, and runs the window's created handler.
WindowManager::Setup WireWindows(Host& host);

}  // namespace tarnwick::app
