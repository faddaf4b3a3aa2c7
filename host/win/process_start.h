#pragma once
// Starting a process from a whole command line, as CreateProcessW does it for the command
// runner and for the hyperlinks' browser.

#include "host/win/windows_api.h"

#include <optional>
#include <string_view>

namespace tarnwick {

struct StartedProcess {
    OwnedHandle process;
    OwnedHandle thread;
};

// Starts the command line exactly as written (no separate program name, no handles inherited,
// the program's own environment and current directory); its first window gets `showState`.
// Empty when the process could not be started.
std::optional<StartedProcess> StartProcess(std::u16string_view commandLine, WORD showState);

}  // namespace tarnwick
