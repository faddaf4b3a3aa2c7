#include "host/win/process_start.h"

#include <string>

namespace tarnwick {

std::optional<StartedProcess> StartProcess(std::u16string_view commandLine, WORD showState) {
    // CreateProcessW may write into the command line, so it gets its own terminated copy.
    std::wstring line = Wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showState;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return std::nullopt;
    }
    return StartedProcess{OwnedHandle(process.hProcess), OwnedHandle(process.hThread)};
}

}  // namespace tarnwick
