#pragma once
// Starting a program directly (no shell) and waiting for it to end.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/command_runner.h"

namespace tarnwick::posix {

// The descriptors of ours that become a child's standard output and standard error.
struct OutputStreams {
    int out = 1;
    int err = 2;
};

// Writes a message of the interpreter (cmd's own words) whole to one of the streams.
void Say(int fd, std::string_view message);

// Starts `program` with `argv`, our environment, an empty standard input and `streams`; it
// inherits no other descriptor. -1 when it cannot be started.
pid_t StartProcess(const std::filesystem::path& program, const std::vector<std::string>& argv,
                   OutputStreams streams);

// Waits until the process has ended (not until its output closes: a daemon it left behind may
// hold that open), through `wait` when given. Its exit code; 128 + n when signal n ended it.
int WaitForExit(pid_t pid, ProcessWait* wait);

// Collects the process once it ends, without anyone waiting for it.
void ReapWhenEnded(pid_t pid);

}  // namespace tarnwick::posix
