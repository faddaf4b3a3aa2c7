#pragma once
// Runs a Windows-shaped command line ("cmd /c adb reboot||fastboot reboot", "NOpush.bat") and
// reports whether it could be started, the exit code of what ran and what it printed. On Windows
// the line goes to CreateProcessW unchanged; elsewhere a small built-in interpreter stands in
// for cmd.

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

#include "host/text.h"

namespace tarnwick {

// fastboot with no phone in fastboot mode says "< waiting for any device >" and waits for ever.
// A command that says so and then prints nothing more is given this long for a phone to turn up
// (device_wait.h); after that it is ended, with whatever it started, and fails with
// kGaveUpWaitingExitCode.
inline constexpr std::chrono::milliseconds kDeviceWaitLimit = std::chrono::seconds(90);
inline constexpr int kGaveUpWaitingExitCode = 258;  // Windows' code for a wait that timed out

struct CommandResult {
    CommandResult() = default;
    CommandResult(bool started, int exitCode, Text output = {})
        : started(started), exitCode(exitCode), output(std::move(output)) {}

    bool started = false;  // false: the program named first could not be found or started
    int exitCode = 0;      // the exit code of the process (for cmd /c: of its last command)
    // What a waited command printed where its line does not redirect it, standard output and
    // error together, in the program's encoding.
    Text output;

    bool Succeeded() const { return started && exitCode == 0; }
    // The command was ended for want of a phone: whatever would follow waits for one too.
    bool GaveUpWaiting() const { return started && exitCode == kGaveUpWaitingExitCode; }
    friend bool operator==(const CommandResult&, const CommandResult&) = default;
};

// How the runner waits for a started process, and the host for its own work on another thread
// (waited_work.h). Without one it blocks; the windows supply one that keeps them repainting
// while they take no input.
class ProcessWait {
public:
    virtual ~ProcessWait() = default;
    // Returns true once hasEnded() is true. hasEnded() never blocks. False: it stopped waiting
    // first, and the runner ends the command, with whatever it started, as for a device.
    virtual bool Until(const std::function<bool()>& hasEnded) = 0;
};

class CommandRunner {
public:
    // Programs named by a command line are looked up in programFolder first, then on PATH.
    explicit CommandRunner(std::filesystem::path programFolder, ProcessWait* wait = nullptr,
                           std::chrono::milliseconds deviceWaitLimit = kDeviceWaitLimit);

    // wait true: returns after the process has ended; only a wait for a device has a time-out.
    // wait false: returns once it has been started, and nothing it prints is kept.
    // windowMode (1..6, omitted: 2) is the show state of a Windows program's first window; 1
    // keeps it hidden.
    CommandResult Run(const Text& commandLine, bool wait, std::optional<int> windowMode);

private:
    std::filesystem::path programFolder_;
    ProcessWait* wait_;
    std::chrono::milliseconds deviceWaitLimit_;
};

}  // namespace tarnwick
