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

// What the command runner gives a process it waits for: `input` and `output` (inheritable
// handles) become its standard input, output and error, and it runs in `job` from its first
// instruction, so that whatever it starts can be ended with it.
struct ChildStreams {
    HANDLE input;
    HANDLE output;
    HANDLE job;
};

// Starts the command line exactly as written (no separate program name, the program's own
// environment and current directory); its first window gets `showState`. Without `streams` it
// inherits no handle. Empty when the process could not be started.
std::optional<StartedProcess> StartProcess(std::u16string_view commandLine, WORD showState,
                                           const ChildStreams* streams = nullptr);

}  // namespace tarnwick
