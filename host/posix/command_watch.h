#pragma once
// The runner's watch over one waited command: the processes it starts print into one pipe, read
// while the runner waits for each of them, and a process that has waited too long for a device
// is ended with everything it started (its process group).

#include <sys/types.h>

#include <chrono>
#include <string>

#include "host/command_runner.h"
#include "host/posix/process_spawn.h"

namespace tarnwick::posix {

class CommandWatch {
public:
    // Through `wait` when given (the windows' wait, which keeps them repainting); else blocking.
    CommandWatch(ProcessWait* wait, std::chrono::milliseconds deviceWaitLimit);
    ~CommandWatch();
    CommandWatch(const CommandWatch&) = delete;
    CommandWatch& operator=(const CommandWatch&) = delete;

    // The pipe, as standard output and error of what the command starts.
    OutputStreams streams() const { return {write_, write_}; }

    // Waits until the process has ended, reading what it prints. Its exit code;
    // kGaveUpWaitingExitCode when it was ended for waiting too long for a device.
    int WaitForExit(pid_t pid);

    std::chrono::milliseconds deviceWaitLimit() const { return deviceWaitLimit_; }

    // Once true, nothing more of the command may start.
    bool gaveUp() const { return gaveUp_; }

    // All the command printed, in the program's encoding.
    Text Printed();

private:
    void Drain();

    ProcessWait* wait_;
    std::chrono::milliseconds deviceWaitLimit_;
    int read_ = -1;
    int write_ = -1;
    std::string printed_;
    bool gaveUp_ = false;
};

}  // namespace tarnwick::posix
