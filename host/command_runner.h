#pragma once
// Runs a Windows-shaped command line ("cmd /c adb reboot||fastboot reboot", "NOpush.bat") and
// reports whether it could be started and the exit code of what ran. On Windows the line goes
// to CreateProcessW unchanged; elsewhere a small built-in interpreter stands in for cmd.

#include <filesystem>
#include <functional>
#include <optional>

#include "host/text.h"

namespace tarnwick {

struct CommandResult {
    bool started = false;  // false: the program named first could not be found or started
    int exitCode = 0;      // the exit code of the process (for cmd /c: of its last command)

    bool Succeeded() const { return started && exitCode == 0; }
    friend bool operator==(const CommandResult&, const CommandResult&) = default;
};

// How the runner waits for a started process. Without one it blocks; the windows supply one
// that keeps them repainting while they take no input.
class ProcessWait {
public:
    virtual ~ProcessWait() = default;
    // Returns once hasEnded() is true. hasEnded() never blocks.
    virtual void Until(const std::function<bool()>& hasEnded) = 0;
};

class CommandRunner {
public:
    // Programs named by a command line are looked up in programFolder first, then on PATH.
    explicit CommandRunner(std::filesystem::path programFolder, ProcessWait* wait = nullptr);

    // wait true: returns after the process has ended, without time-out. wait false: returns
    // once it has been started. windowMode (1..6, omitted: 2) is the show state of a Windows
    // program's first window; 1 keeps it hidden.
    CommandResult Run(const Text& commandLine, bool wait, std::optional<int> windowMode);

private:
    std::filesystem::path programFolder_;
    ProcessWait* wait_;
};

}  // namespace tarnwick
