// Runs a command line through CreateProcessW, exactly as the caller wrote it: no program name
// apart from the line, no quoting added. Windows itself finds the program, in the executable's
// folder (the program folder) first and then on PATH, so the runner needs no lookup of its own.

#include "host/win/windows_api.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "host/command_runner.h"
#include "host/encoding.h"

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

// CreateProcessW may write into the command line, so it gets its own terminated copy.
std::vector<wchar_t> WritableCommandLine(const Text& commandLine) {
    const std::u16string utf16 = Utf16FromText(commandLine);
    std::vector<wchar_t> buffer(utf16.begin(), utf16.end());
    buffer.push_back(L'\0');
    return buffer;
}

}  // namespace

CommandRunner::CommandRunner(std::filesystem::path programFolder, ProcessWait* wait)
    : programFolder_(std::move(programFolder)), wait_(wait) {}

CommandResult CommandRunner::Run(const Text& commandLine, bool wait,
                                 std::optional<int> windowMode) {
    std::vector<wchar_t> line = WritableCommandLine(commandLine);

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = ShowState(windowMode);
    PROCESS_INFORMATION process = {};

    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return {false, 0};
    }

    CommandResult result{true, 0};
    if (wait) {
        if (wait_ != nullptr) {
            wait_->Until([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; });
        } else {
            WaitForSingleObject(process.hProcess, INFINITE);
        }
        DWORD exitCode = 0;
        if (GetExitCodeProcess(process.hProcess, &exitCode)) {
            result.exitCode = static_cast<int>(exitCode);
        }
    } else {
        WaitForInputIdle(process.hProcess, kInputIdleMilliseconds);
    }

    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

}  // namespace tarnwick
