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
    // In its job from its first instruction, with whatever it starts. Where the job could not
    // take it (Windows 7 and 8 inside another job, an outer job that forbids nesting), what it
    // starts is found by its process tree instead (process_tree.h).
    bool inJob = false;
};

// What the command runner gives a process it waits for: `input` and `output` (inheritable
// handles) become its standard input, output and error, the only handles it inherits, and it
// runs in `job`.
struct ChildStreams {
    HANDLE input;
    HANDLE output;
    HANDLE job;
};

// Starts the command line exactly as written (no separate program name, the program's own
// environment and current directory); its first window gets `showState`. A hidden one
// (SW_HIDE) gets no console window at all. Without `streams` it inherits no handle. Empty when
// the process could not be started.
std::optional<StartedProcess> StartProcess(std::u16string_view commandLine, WORD showState,
                                           const ChildStreams* streams = nullptr);

// How a started process is put into its job: AssignProcessToJobObject, unless a test puts in
// one that fails as Windows 7 and 8 do. nullptr puts the system's back.
using AssignToJob = BOOL (*)(HANDLE job, HANDLE process);
void SetJobAssignment(AssignToJob assign);

}  // namespace tarnwick
