#include "host/win/process_start.h"

#include <string>

namespace tarnwick {

std::optional<StartedProcess> StartProcess(std::u16string_view commandLine, WORD showState,
                                           const ChildStreams* streams) {
    // CreateProcessW may write into the command line, so it gets its own terminated copy.
    std::wstring line = Wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showState;
    if (streams != nullptr) {
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdInput = streams->input;
        startup.hStdOutput = streams->output;
        startup.hStdError = streams->output;
    }
    // Suspended until it is in the job: nothing it starts can escape the job.
    const DWORD flags = streams != nullptr ? CREATE_SUSPENDED : 0;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, streams != nullptr, flags, nullptr,
                        nullptr, &startup, &process)) {
        return std::nullopt;
    }
    StartedProcess started{OwnedHandle(process.hProcess), OwnedHandle(process.hThread)};
    if (streams != nullptr) {
        AssignProcessToJobObject(streams->job, process.hProcess);
        ResumeThread(process.hThread);
    }
    return started;
}

}  // namespace tarnwick
