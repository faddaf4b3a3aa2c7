// Runs a command line through CreateProcessW, exactly as the caller wrote it: no program name
// apart from the line, no quoting added. Windows itself finds the program, in the executable's
// folder and the current directory (the program folder) first and then on PATH, so the runner
// needs no lookup of its own.

#include "host/win/windows_api.h"

#include <algorithm>
#include <array>
#include <utility>

#include "host/command_runner.h"
#include "host/encoding.h"
#include "host/win/process_start.h"

namespace tarnwick {

namespace {

// The show state of the new program's first window, by window mode 1..6.
constexpr std::array<WORD, 6> kShowStateByWindowMode = {
    SW_HIDE,            // 1
    SW_SHOWNORMAL,      // 2
    SW_SHOWMINIMIZED,   // 3
    SW_SHOWMAXIMIZED,   // 4
    SW_SHOWNOACTIVATE,  // 5
    SW_MINIMIZE,        // 6
};

constexpr int kDefaultWindowMode = 2;
constexpr DWORD kInputIdleMilliseconds = 1000;

WORD ShowState(std::optional<int> windowMode) {
    const int mode = std::clamp(windowMode.value_or(kDefaultWindowMode), 1,
                                static_cast<int>(kShowStateByWindowMode.size()));
    return kShowStateByWindowMode[mode - 1];
}

}  // namespace

CommandRunner::CommandRunner(std::filesystem::path programFolder, ProcessWait* wait)
    : programFolder_(std::move(programFolder)), wait_(wait) {}

CommandResult CommandRunner::Run(const Text& commandLine, bool wait,
                                 std::optional<int> windowMode) {
    const std::optional<StartedProcess> started =
        StartProcess(Utf16FromText(commandLine), ShowState(windowMode));
    if (!started) {
        return {false, 0};
    }
    const HANDLE process = started->process.get();
    if (!wait) {
        WaitForInputIdle(process, kInputIdleMilliseconds);
        return {true, 0};
    }
    if (wait_ != nullptr) {
        wait_->Until([process] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; });
    } else {
        WaitForSingleObject(process, INFINITE);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process, &exitCode);
    return {true, static_cast<int>(exitCode)};
}

}  // namespace tarnwick
