#pragma once

#include <functional>

namespace tarnwick::ui {

// Raises an event: runs a copy of its handler, since the handler may destroy the window and
// with it the control or window that holds the handler.
inline void Raise(const std::function<void()>& handler) {
    if (handler) {
        const std::function<void()> running = handler;
        running();
    }
}

}  // namespace tarnwick::ui
